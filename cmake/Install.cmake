# Installation into the standard places of a Linux desktop, and the Debian
# package built from it by cpack -G DEB.
include(GNUInstallDirs)

install(TARGETS vertisel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VERTISEL_PRINT_MODULE)
    install(TARGETS printing LIBRARY DESTINATION ${VERTISEL_PRIVATE_LIBDIR})
endif()
if(UNIX AND NOT APPLE AND NOT EMSCRIPTEN)
    # Built and linked as Debian hardens its programs (checked C library calls
    # need optimization and stay out of the sanitizer and coverage builds); Qt
    # comes from the system, so the installed program needs no RUNPATH.
    if(NOT VERTISEL_SANITIZE AND NOT VERTISEL_COVERAGE AND NOT VERTISEL_BUILD_FUZZ)
        set(hardened vertisel startup app assistive content canvas geometry solution)
        if(VERTISEL_PRINT_MODULE)
            list(APPEND hardened printing)
        endif()
        foreach(target IN LISTS hardened)
            target_compile_options(${target} PRIVATE -fstack-protector-strong
                $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
        endforeach()
    endif()
    target_link_options(vertisel PRIVATE -Wl,-z,relro,-z,now)
    set_target_properties(vertisel PROPERTIES INSTALL_RPATH "")
    # A stripped install (cpack, cmake --install --strip) also drops the
    # compiler's version notes, as Debian's own stripping does.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vertisel\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")

    install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME vertisel)
    install(FILES content/desktop/${VERTISEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES content/desktop/${VERTISEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES content/vertisel.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME ${VERTISEL_APP_ID}.png)
    foreach(size IN LISTS VERTISEL_ICON_SIZES)
        install(FILES content/icons/vertisel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VERTISEL_APP_ID}.png)
    endforeach()

    # The package's documents: licence, changelog and manual page, the last
    # two compressed as Debian expects (gzip -9, no name or time stamp).
    find_program(GZIP gzip REQUIRED)
    set(packaging ${PROJECT_SOURCE_DIR}/packaging)
    foreach(file changelog vertisel.1)
        add_custom_command(OUTPUT ${file}.gz
            COMMAND ${GZIP} -9nc ${packaging}/${file} > ${file}.gz
            DEPENDS ${packaging}/${file} VERBATIM)
    endforeach()
    add_custom_target(package_documents ALL DEPENDS changelog.gz vertisel.1.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vertisel.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${packaging}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vertisel)
endif()

set(CPACK_PACKAGE_NAME vertisel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vertisel")
set(CPACK_PACKAGE_CONTACT "Vertisel developers <dev@vertisel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Intersection point of two lines, a geometry teaching program")
set(CPACK_PACKAGE_DESCRIPTION
    "A teaching program for analytic geometry, with a Bulgarian interface. Give two
lines, each by two points, typed into the fields or clicked on the canvas. The
program shows each line's general equation coefficients A, B, C and its slope,
finds the intersection point by Cramer's rule and draws the construction.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by shlibdeps: the serif face the window font resolves to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Qt's Wayland plugin: without it a Wayland session runs the program on XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
