# The Debian package, made by `cpack -G DEB` in the build directory
# (scripts/package.sh): lavoro1_<version>-<release>_<arch>.deb holding what
# `cmake --install` installs, under /usr, plus the two files Debian wants in
# /usr/share/doc/lavoro1. The package preset configures for /usr, so that the
# paths written into the manual pages are the package's, and with the flags
# of dpkg-buildflags that the script exports (hardening included).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lavoro1)
set(CPACK_PACKAGE_VENDOR Lavoro1)
set(CPACK_PACKAGE_CONTACT "Lavoro1 Dev <dev@lavoro1.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bounds for pi by Archimedes' polygon doubling")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from dpkg-shlibdeps, libqt6svg6 among them: the programs link Qt
# Svg, and its package holds the SVG icon engine that draws the window's icon.
# What Qt loads at run time is no linked library, so it is named here: the
# font that stands in for the window's design font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Qt's own texts in Italian (the file dialog's and message boxes' buttons),
# read from Qt's translations folder at run time; without them those buttons
# are English and all else works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

# copyright and changelog.Debian.gz belong to the package only: component
# "debian", left out of a plain `cmake --install` and added to the package
# next to everything else.
find_program(LAVORO1_GZIP gzip REQUIRED)
set(debian_dir ${PROJECT_BINARY_DIR}/packaging)
configure_file(packaging/changelog.Debian.in ${debian_dir}/changelog.Debian @ONLY)
add_custom_command(
    OUTPUT ${debian_dir}/changelog.Debian.gz
    COMMAND ${LAVORO1_GZIP} -9 -n -k -f changelog.Debian
    DEPENDS ${debian_dir}/changelog.Debian
    WORKING_DIRECTORY ${debian_dir}
    COMMENT "Compressing the Debian changelog"
    VERBATIM)
add_custom_target(lavoro1_debian_changelog ALL DEPENDS ${debian_dir}/changelog.Debian.gz)
install(FILES packaging/copyright ${debian_dir}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lavoro1
    COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")

include(CPack)
