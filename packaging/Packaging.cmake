# The Debian package: `cpack -G DEB` in the build folder makes morvane_<version>_<arch>.deb.
# The package installs under the build's own prefix, the one the help page's path was fixed
# for; configure with -DCMAKE_INSTALL_PREFIX=/usr for a package meant for /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Morvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alphabet and digit puzzle for children")
set(CPACK_PACKAGE_DESCRIPTION
    "Zandorel is a small puzzle game for children about the English alphabet and the ten
digits. Children take the 62 letter and digit tiles off a board and put them back
through two hands; Shuffle mixes part of the board by a fixed pattern per level.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane developers <morvane@users.noreply.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation Sans stands in for the fonts the window asks for by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")

include(CPack)
