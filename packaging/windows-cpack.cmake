# Read by CPack for each package it makes (CPACK_PROJECT_CONFIG_FILE): the
# installer is named ...-setup.exe; the portable archive unpacks into one
# folder of its name.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
