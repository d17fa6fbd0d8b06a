# Boost's headers for exact arithmetic (Boost.Multiprecision's rationals,
# header-only: nothing to link, on any platform). A cross build names a
# folder holding just boost/, so that no header of the build machine's C
# library comes along; a native build takes the installed Boost.
set(VERTISEL_BOOST_INCLUDE_DIR "" CACHE PATH "Folder holding boost/ for a cross build")

add_library(vertisel_boost_headers INTERFACE)
if(VERTISEL_BOOST_INCLUDE_DIR)
    if(NOT EXISTS "${VERTISEL_BOOST_INCLUDE_DIR}/boost/multiprecision/cpp_int.hpp")
        message(FATAL_ERROR "no boost/multiprecision/cpp_int.hpp in ${VERTISEL_BOOST_INCLUDE_DIR}")
    endif()
    target_include_directories(vertisel_boost_headers SYSTEM INTERFACE "${VERTISEL_BOOST_INCLUDE_DIR}")
else()
    find_package(Boost 1.74 REQUIRED)
    target_link_libraries(vertisel_boost_headers INTERFACE Boost::headers)
endif()
