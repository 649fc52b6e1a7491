# The Windows packages, from a Windows build folder (scripts/build-windows.sh --package runs cpack):
#   corvane-<version>-win64-setup.exe  an installer (NSIS, Debian's makensis) into Program Files\Corvane,
#                                      with a Start menu entry, an optional desktop shortcut and an
#                                      uninstaller in the system's list of programs;
#   corvane-<version>-win64.zip        the same programs to run from any folder, for users who may not
#                                      install software.
# Both hold corvane.exe, corvane-inspect.exe and README.txt, at the top of the installation (the build
# installs the programs into "." on Windows). tests/dist/windows_package_test.sh checks both under Wine.
set(CORVANE_WINDOWS_README ${CMAKE_BINARY_DIR}/dist/windows/README.txt)
set(CORVANE_VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt ${CORVANE_WINDOWS_README} @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CORVANE_WINDOWS_README} DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Corvane)
set(CPACK_PACKAGE_VENDOR "Corvane Outdoor Imaging")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "setup tool for Vyn trail cameras")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Corvane)
set(CPACK_PACKAGE_FILE_NAME corvane-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)

# The installer is our own template (dist/windows/NSIS.template.in): 64-bit registry view, English only,
# an older version removed before a newer one goes in, the size in the list of programs, and the
# preferences left alone on removal; CPack's stock one has none of these.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_PACKAGE_NAME Corvane)
set(CPACK_NSIS_DISPLAY_NAME Corvane)
set(CPACK_CORVANE_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
set(CPACK_CORVANE_ICON ${CMAKE_BINARY_DIR}/src/app/corvane.ico)
set(CPACK_CORVANE_URL "https://corvane.example.com")
# Each generator's file name (the installer's ends in -setup.exe).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_file_names.cmake)
include(CPack)
