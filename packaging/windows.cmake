# The Windows build's own concerns, in one place: the desktop program as a
# window program with its icon, what an installation holds besides the two
# programs and the user guide (the Qt libraries and plug-ins the programs
# load, the MinGW runtime), and the installer and portable archive made
# from it (scripts/windows --step package):
#
#   cpack -G "NSIS;ZIP"  ->  vq740-VERSION-win64-setup.exe, vq740-VERSION-win64.zip
#
# (windows-cpack.cmake names each package.)
#
# An installation keeps the layout of every other one (bin\ with the
# programs, share\vq740\ with the guide), so the program finds its guide
# the same way and keeps its parameter file in the user's folder.

# The desktop program opens no console window; its icon is the program
# file's icon in Explorer and on the task bar.
set_target_properties(vq740 PROPERTIES WIN32_EXECUTABLE ON)
set(VQ740_WINDOWS_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/${VQ740_DESKTOP_ID}.ico)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/vq740-icon.rc
     CONTENT "IDI_ICON1 ICON \"${VQ740_WINDOWS_ICON}\"\n")
target_sources(vq740 PRIVATE ${CMAKE_BINARY_DIR}/vq740-icon.rc)

# The Qt libraries the programs link, and the plug-ins Qt loads at run
# time: the Windows platform (no window opens without it) and the Windows
# styles. Printing is part of Qt Print Support itself on Windows.
set(VQ740_QT_RUNTIME Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::SerialPort)
foreach(qt_target ${VQ740_QT_RUNTIME})
  install(FILES $<TARGET_FILE:${qt_target}> DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
          DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
endif()

# The MinGW runtime the programs and Qt were built with: the compiler's
# own libraries beside it, the threads library in the MinGW root.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(compiler_libraries ${libgcc} DIRECTORY)
find_file(VQ740_LIBGCC_DLL libgcc_s_seh-1.dll PATHS ${compiler_libraries} NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_file(VQ740_LIBSTDCXX_DLL libstdc++-6.dll PATHS ${compiler_libraries} NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_file(VQ740_WINPTHREAD_DLL libwinpthread-1.dll PATHS ${CMAKE_FIND_ROOT_PATH}
          PATH_SUFFIXES bin lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(VQ740_MINGW_RUNTIME ${VQ740_LIBGCC_DLL} ${VQ740_LIBSTDCXX_DLL} ${VQ740_WINPTHREAD_DLL})
install(FILES ${VQ740_MINGW_RUNTIME} DESTINATION ${CMAKE_INSTALL_BINDIR})

# The installer and the portable archive.
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME vq740)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VQ-740 Software Developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for the VQ-740 hand-held radio")
set(CPACK_PACKAGE_FILE_NAME vq740-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "VQ-740")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "VQ-740")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/packaging/copyright)
set(CPACK_STRIP_FILES ON)
# The Start menu folder "VQ-740" with the program and the user guides; the
# uninstaller is listed under Apps (Add or remove programs).
set(CPACK_PACKAGE_EXECUTABLES "vq740;VQ-740 Software")
set(CPACK_NSIS_MENU_LINKS
    "${VQ740_DATA_INSTALL_DIR}/guide.html" "VQ-740 User Guide"
    "${VQ740_DATA_INSTALL_DIR}/guide-zh.html" "VQ-740 User Guide (Chinese)")
set(CPACK_NSIS_PACKAGE_NAME "VQ-740 Software ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "VQ-740 Software")
set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\\\vq740.exe")
set(CPACK_NSIS_MUI_ICON ${VQ740_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${VQ740_WINDOWS_ICON})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer for the 64-bit program (NSIS makes 32-bit ones unless
# the script says otherwise first), which installs into the 64-bit Program
# Files: CMake's own installer script, with that said at its top.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis_template)
# After its first line, a comment that starts with the mark of UTF-8.
string(FIND "${nsis_template}" "\n" first_line_end)
string(SUBSTRING "${nsis_template}" 0 ${first_line_end} first_line)
math(EXPR rest_start "${first_line_end} + 1")
string(SUBSTRING "${nsis_template}" ${rest_start} -1 rest)
file(WRITE ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in
     "${first_line}\nTarget amd64-unicode\n${rest}")
set(CPACK_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# The installer's name and the archive's top folder, per package.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows-cpack.cmake)
include(CPack)
