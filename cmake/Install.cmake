# Installation into the standard places of a Linux desktop.
include(GNUInstallDirs)
install(TARGETS vertisel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
