# Each folder of the program is a room: a library of its own whose headers
# another room reaches as "room/file.h" only if it links that room. A room's
# include root holds nothing but a link to its folder, so including a room
# that is not linked fails to compile.
function(vertisel_room target)
    set(root ${PROJECT_BINARY_DIR}/rooms/${target})
    file(MAKE_DIRECTORY ${root})
    if(NOT IS_SYMLINK ${root}/${target})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${target} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
    vertisel_project_options(${target})
endfunction()
