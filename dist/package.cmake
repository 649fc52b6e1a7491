# The Debian package of the installed program: `cpack -G DEB` in a Release build folder.
# tests/dist/package_lintian.sh builds it and runs lintian on it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane Outdoor Imaging")
set(CPACK_PACKAGE_CONTACT "Corvane <support@corvane.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "setup tool for Vyn trail cameras")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_PACKAGE_HOMEPAGE_URL "https://corvane.example.com")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a platform plugin the program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The CJK font for Chinese and Japanese texts, Qt's translations of its own dialogs, and xdg-open for the
# update link.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
