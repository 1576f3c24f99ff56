# Where the programs go when installed.
include(GNUInstallDirs)
install(TARGETS elektronik einheiten
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .
)
