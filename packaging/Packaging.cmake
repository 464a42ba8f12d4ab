# The Debian package: `cpack -G DEB` in the build folder makes morvane_<version>_<arch>.deb.
# The help page's path, the desktop entry's command and the manual page are fixed for the
# build's prefix, and a Debian package installs under /usr: configure with
# -DCMAKE_INSTALL_PREFIX=/usr to make one (cpack stops with a message otherwise).

# The package's own documents, installed by every install: the copyright in Debian's
# machine-readable form and the changelog. The version is native, so the changelog is
# changelog.gz rather than changelog.Debian.gz.
morvane_gzip(morvane_changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${morvane_changelog_FILE}
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Morvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alphabet and digit puzzle for children")
set(CPACK_PACKAGE_DESCRIPTION
    "Zandorel is a small puzzle game for children about the English alphabet
and the ten digits. Children take the 62 letter and digit tiles off a board
and put them back through two hands; Shuffle mixes part of the board by a
fixed pattern per level.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/CPackOptions.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane developers <morvane@users.noreply.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation Sans stands in for the fonts the window asks for by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Qt's Wayland plugin, for a native window in a Wayland session (X11 through XWayland without).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
