# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a user gets from `cmake --install` and from the Debian package: both
# programs in one bin/ (the main program starts the converter found beside
# itself), their desktop entries, icons in the hicolor theme and AppStream
# metainfo.
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

# Debian package: `cpack -G DEB` in the build directory. Qt's libraries
# come from dpkg-shlibdeps as well; the platform plugins and the fonts the
# programs map their typefaces to are loaded at run time, so they are named.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME elektronik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Elektronik-Projekt")
set(CPACK_PACKAGE_CONTACT "Elektronik-Projekt <elektronik@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electronics calculators with a German user interface")
set(CPACK_PACKAGE_DESCRIPTION "Small calculators for hobbyists and technicians: transistor amplifier
stages, Ohm's law, coupling capacitor, resistor colour code, frequency
and wavelength, and a chart of colour codes. The second program,
einheiten, converts numbers between unit prefixes.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins, fonts-liberation, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
