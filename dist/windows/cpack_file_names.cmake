# Read by cpack for each generator: the installer is corvane-<version>-win64-setup.exe, the archive
# corvane-<version>-win64.zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
