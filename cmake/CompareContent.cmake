# Draws the content again into a fresh folder and fails unless every file
# comes out as stored in content/: PNG pictures pixel for pixel, within one
# step of antialiasing, other files byte for byte.
# Usage: cmake -DTOOL=makecontent -DSTORED=content -DOUT=folder -P CompareContent.cmake
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${TOOL}" "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "makecontent failed: ${result}")
endif()
file(GLOB_RECURSE drawn RELATIVE "${OUT}" "${OUT}/*")
if(NOT drawn)
    message(FATAL_ERROR "makecontent wrote nothing")
endif()
foreach(name IN LISTS drawn)
    if(name MATCHES "\\.png$")
        execute_process(COMMAND "${TOOL}" --same-picture "${OUT}/${name}" "${STORED}/${name}"
            RESULT_VARIABLE different)
    else()
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/${name}" "${STORED}/${name}"
            RESULT_VARIABLE different)
    endif()
    if(different)
        message(FATAL_ERROR "content/${name} differs from what makecontent draws; run scripts/make-content")
    endif()
endforeach()
