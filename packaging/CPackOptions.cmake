# Read by cpack before it packages. A Debian package may not install under /usr/local (the
# local administrator's) nor anywhere but /usr for the paths fixed at build time to be right.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
    message(FATAL_ERROR "This build is for ${CPACK_PACKAGING_INSTALL_PREFIX}; a Debian package "
                        "installs under /usr. Configure with -DCMAKE_INSTALL_PREFIX=/usr.")
endif()
