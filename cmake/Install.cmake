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

set(ELEKTRONIK_MAINTAINER "Elektronik-Projekt <elektronik@example.org>")
set(ELEKTRONIK_GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)

# Manual pages, gzipped as Debian wants them. They carry the project
# version; the build compresses them, so installing only copies.
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

# The Debian changelog, made from the project's one changelog.
set(ELEKTRONIK_CHANGELOG ${ELEKTRONIK_GENERATED_DIR}/changelog.gz)
add_custom_command(OUTPUT ${ELEKTRONIK_CHANGELOG}
    COMMAND bash ${ELEKTRONIK_PACKAGING_DIR}/debian-changelog.sh ${ELEKTRONIK_PACKAGING_DIR}/changelog
        elektronik ${PROJECT_VERSION} ${ELEKTRONIK_MAINTAINER} ${ELEKTRONIK_CHANGELOG}
    DEPENDS ${ELEKTRONIK_PACKAGING_DIR}/changelog ${ELEKTRONIK_PACKAGING_DIR}/debian-changelog.sh
    COMMENT "Writing the Debian changelog"
    VERBATIM)
add_custom_target(packaging_docs ALL DEPENDS ${ELEKTRONIK_MAN_PAGES} ${ELEKTRONIK_CHANGELOG})

# Where Debian looks for them: under the package's name, in lower case
# (CMAKE_INSTALL_DOCDIR would take the project's name).
set(ELEKTRONIK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/elektronik)
install(FILES ${ELEKTRONIK_PACKAGING_DIR}/copyright ${ELEKTRONIK_CHANGELOG}
    DESTINATION ${ELEKTRONIK_DOC_DIR})

# Debian package: `cpack -G DEB` in the build directory. The libraries the
# programs link come from dpkg-shlibdeps alone (libqt6svg6 with them, which
# also brings the SVG icon engine). Named by hand is only what is loaded at
# run time, which no scan sees: the platform plugins and the fonts the
# programs map their typefaces to.
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
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
