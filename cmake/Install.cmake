# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a user gets from `cmake --install` and from the Debian package: both
# programs in one bin/ (the main program starts the converter found beside
# itself), their desktop entries, icons in the hicolor theme, AppStream
# metainfo, manual pages in English and German, and the copyright file and
# changelog Debian asks of every package.
include(GNUInstallDirs)

# Installing and packaging take the programs as built (and tested); they
# do not build the whole tree, test suite included, once more first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS elektronik einheiten
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .
)

set(ELEKTRONIK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
install(FILES
    ${ELEKTRONIK_PACKAGING_DIR}/elektronik.desktop
    ${ELEKTRONIK_PACKAGING_DIR}/einheiten.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
)
install(FILES
    ${ELEKTRONIK_PACKAGING_DIR}/org.example.elektronik.metainfo.xml
    ${ELEKTRONIK_PACKAGING_DIR}/org.example.einheiten.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
)

set(ELEKTRONIK_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/elektronik.svg
    DESTINATION ${ELEKTRONIK_ICON_DIR}/scalable/apps
)
install(FILES ${PROJECT_SOURCE_DIR}/assets/converter/einheiten.svg
    DESTINATION ${ELEKTRONIK_ICON_DIR}/scalable/apps
)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icons/hicolor/
    DESTINATION ${ELEKTRONIK_ICON_DIR}
    FILES_MATCHING PATTERN "*.png"
)

set(ELEKTRONIK_GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)

# The manual pages carry the version and the date of the changelog's newest
# release, read here, so that a new release dates them too.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ELEKTRONIK_PACKAGING_DIR}/changelog)
file(STRINGS ${ELEKTRONIK_PACKAGING_DIR}/changelog ELEKTRONIK_RELEASES
    REGEX "^[^ #]+ [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
if(NOT ELEKTRONIK_RELEASES)
    message(FATAL_ERROR "packaging/changelog names no release \"<version> <yyyy-mm-dd>\"")
endif()
list(GET ELEKTRONIK_RELEASES 0 newest_release)
string(REGEX REPLACE "^.* " "" ELEKTRONIK_RELEASE_DATE "${newest_release}")

# Manual pages, gzipped as Debian wants them. The build compresses them, so
# installing only copies.
set(ELEKTRONIK_MAN_PAGES)
foreach(translation IN ITEMS . de)
    foreach(program IN ITEMS elektronik einheiten)
        cmake_path(APPEND ELEKTRONIK_PACKAGING_DIR man ${translation} ${program}.1.in OUTPUT_VARIABLE source)
        cmake_path(APPEND ELEKTRONIK_GENERATED_DIR man ${translation} ${program}.1 OUTPUT_VARIABLE page)
        cmake_path(NORMAL_PATH source)
        cmake_path(NORMAL_PATH page)
        configure_file(${source} ${page} @ONLY)
        add_custom_command(OUTPUT ${page}.gz
            COMMAND gzip -9nkf ${page}
            DEPENDS ${page}
            VERBATIM)
        list(APPEND ELEKTRONIK_MAN_PAGES ${page}.gz)
        cmake_path(APPEND CMAKE_INSTALL_MANDIR ${translation} man1 OUTPUT_VARIABLE destination)
        cmake_path(NORMAL_PATH destination)
        install(FILES ${page}.gz DESTINATION ${destination})
    endforeach()
endforeach()

# The Debian changelog, made from the project's one changelog and signed
# by the maintainer. It depends on a file holding the maintainer, so that
# a new maintainer signs it anew.
set(ELEKTRONIK_CHANGELOG ${ELEKTRONIK_GENERATED_DIR}/changelog.gz)
file(CONFIGURE OUTPUT ${ELEKTRONIK_GENERATED_DIR}/maintainer CONTENT "${ELEKTRONIK_MAINTAINER}\n")
add_custom_command(OUTPUT ${ELEKTRONIK_CHANGELOG}
    COMMAND bash ${ELEKTRONIK_PACKAGING_DIR}/debian-changelog.sh ${ELEKTRONIK_PACKAGING_DIR}/changelog
        elektronik ${PROJECT_VERSION} ${ELEKTRONIK_MAINTAINER} ${ELEKTRONIK_CHANGELOG}
    DEPENDS ${ELEKTRONIK_PACKAGING_DIR}/changelog ${ELEKTRONIK_PACKAGING_DIR}/debian-changelog.sh
        ${ELEKTRONIK_GENERATED_DIR}/maintainer
    COMMENT "Writing the Debian changelog"
    VERBATIM)
add_custom_target(packaging_docs ALL DEPENDS ${ELEKTRONIK_MAN_PAGES} ${ELEKTRONIK_CHANGELOG})

# Where Debian looks for them: under the package's name, in lower case
# (CMAKE_INSTALL_DOCDIR would take the project's name).
set(ELEKTRONIK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/elektronik)
configure_file(${ELEKTRONIK_PACKAGING_DIR}/copyright.in ${ELEKTRONIK_GENERATED_DIR}/copyright @ONLY)
install(FILES ${ELEKTRONIK_GENERATED_DIR}/copyright ${ELEKTRONIK_CHANGELOG}
    DESTINATION ${ELEKTRONIK_DOC_DIR})

# Debian package: `cpack -G DEB` in the build directory. The libraries the
# programs link come from dpkg-shlibdeps alone: libqt6svg6, which also
# brings the SVG icon engine, and libqt6gui6, which brings the X11 platform
# plugin. Named by hand is only what is loaded at run time, which no scan
# sees: the fonts the programs map their typefaces to, and the Wayland
# platform plugin for a Wayland session (X11 works there too, through
# Xwayland, so it is only recommended).
# The fonts are fonts-liberation (1.07) alone: it is the only package with
# Liberation Sans Narrow, the windows' main typeface, and the windows were
# drawn and tested with its Liberation Sans and Mono. fonts-liberation2
# brings second fonts of those two names, and then fontconfig, not this
# package, would pick which one a window shows.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME elektronik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Elektronik-Projekt")
set(CPACK_PACKAGE_CONTACT ${ELEKTRONIK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electronics calculators with a German user interface")
set(CPACK_PACKAGE_DESCRIPTION "Small calculators for hobbyists and technicians: transistor amplifier
stages, Ohm's law, coupling capacitor, resistor colour code, frequency
and wavelength, and a chart of colour codes. The second program,
einheiten, converts numbers between unit prefixes.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ELEKTRONIK_SOURCE_URL})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Read by cpack before it packages: cmake/PackageGuard.cmake refuses
# placeholders.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageGuard.cmake)
set(CPACK_ELEKTRONIK_PLACEHOLDERS ${ELEKTRONIK_PLACEHOLDERS})
set(CPACK_ELEKTRONIK_DEVELOPMENT_PACKAGE ${ELEKTRONIK_DEVELOPMENT_PACKAGE})
include(CPack)
