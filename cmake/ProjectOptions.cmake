# Compile settings shared by every target of ours.

if(VERTISEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    # GCC's instrumentation hides which paths initialise the rationals' small
    # limb buffers, and it then warns about moves it cannot follow; the plain
    # build keeps the warning.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-maybe-uninitialized)
    endif()
endif()
if(VERTISEL_BUILD_FUZZ)
    # Coverage feedback and error detection on every library the targets use.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer
        -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage-ignorelist.txt)
    add_link_options(-fsanitize=address,undefined)
endif()
if(VERTISEL_COVERAGE)
    add_compile_options(--coverage -O0)
    add_link_options(--coverage)
endif()

# Warnings on our own targets; each product in the formulas is rounded on its
# own (no fused multiply-add), so results do not depend on the processor.
function(vertisel_project_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -ffp-contract=off)
endfunction()
