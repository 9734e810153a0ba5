# The Debian package (cpack -G DEB, see scripts/package): what
# `cmake --install` installs, under /usr, with the dependencies that
# dpkg-shlibdeps finds in the programs plus the Qt platform plugins, which
# no program links but without which no window opens.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vq740)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VQ-740 Software Developers")
set(CPACK_PACKAGE_CONTACT "VQ-740 Software Developers <developers@vq740-radio.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for the VQ-740 hand-held radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the 16 channels and the radio-wide settings of a VQ-740 hand-held
two-way radio over its programming cable, edits them on screen and writes
them back to the radio. Copies are kept as data files (.DAT).
.
The desktop program, vq740, speaks Simplified Chinese and English and
switches between them while it runs. The command-line tool, vq740-cli,
converts data files to and from a readable JSON form and reads or writes a
radio from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Chinese captions need a CJK font; F1 opens the guide through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, xdg-utils")
# No Homepage field until the maker has a web address to give.
set(CPACK_STRIP_FILES ON)
# Then, as Debian's own packages are stripped, the compiler's notes go too
# (the .comment and .note sections).
set(CPACK_VQ740_STRIP "${CMAKE_STRIP}")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/stripnotes.cmake)
include(CPack)
