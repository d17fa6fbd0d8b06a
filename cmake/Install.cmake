# Installation into the standard places of a Linux desktop, and the Debian
# package built from it by cpack -G DEB.
include(GNUInstallDirs)

install(TARGETS vertisel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX AND NOT APPLE)
    install(FILES content/desktop/${VERTISEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES content/desktop/${VERTISEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES content/vertisel.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME ${VERTISEL_APP_ID}.png)
endif()

set(CPACK_PACKAGE_NAME vertisel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vertisel")
set(CPACK_PACKAGE_CONTACT "Vertisel developers <dev@vertisel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Intersection point of two lines, a geometry teaching program")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by shlibdeps: the serif face the window font resolves to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
