# Windows builds: the icon and the version record inside the executable.
if(WIN32)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/vertisel.rc.in ${PROJECT_BINARY_DIR}/vertisel.rc @ONLY)
    target_sources(vertisel PRIVATE ${PROJECT_BINARY_DIR}/vertisel.rc)
endif()
