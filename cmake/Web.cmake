# The browser build (Emscripten): the serif built in, and a page of our own
# for each program, written next to the program's script and wasm file.
if(NOT EMSCRIPTEN)
    return()
endif()

# Browsers have no Times New Roman; its metric-compatible stand-in is built
# in, so that the captions keep the widths they were laid out for. Version 2
# (fonts-liberation2), under the SIL OFL 1.1, which allows bundling it with
# any program; version 1 is under the GPL 2 only. Stored uncompressed: the
# server's gzip packs it better than rcc does.
set(VERTISEL_WEB_FONT /usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf
    CACHE FILEPATH "The serif built into the browser build (fonts-liberation2)")
if(NOT EXISTS "${VERTISEL_WEB_FONT}")
    message(FATAL_ERROR "${VERTISEL_WEB_FONT} is missing: install fonts-liberation2, or name the file in VERTISEL_WEB_FONT")
endif()
get_filename_component(web_font_dir "${VERTISEL_WEB_FONT}" DIRECTORY)
qt_add_resources(vertisel "webfont" PREFIX "/fonts" BASE "${web_font_dir}"
    OPTIONS -no-compress FILES "${VERTISEL_WEB_FONT}")
target_sources(vertisel PRIVATE startup/webpage.cpp startup/webpage.h
    startup/webaccessibility.cpp startup/webaccessibility.h)
# The platform's accessibility object is switched on by the program itself:
# Qt 6.4 has no bridge in the browser that would do it.
target_link_libraries(vertisel PRIVATE Qt6::GuiPrivate)

# binaryen's optimiser, run once more on the linked wasm: after emcc's own
# pass it still folds about 0.4 % of the compressed size away.
find_program(VERTISEL_WASM_OPT wasm-opt)

# PAGE.html loads PROGRAM.js and PROGRAM.wasm through Qt's loader, and
# sets the scale in the program's environment (ENV) before it starts. The
# link optimises for size over speed (-Oz), and the script leaves out what
# only Node.js or a worker would run.
function(vertisel_web_page program page)
    set_property(TARGET ${program} PROPERTY QT_WASM_EXTRA_EXPORTED_METHODS ENV)
    target_link_options(${program} PRIVATE -Oz -sENVIRONMENT=web)
    if(VERTISEL_WASM_OPT)
        add_custom_command(TARGET ${program} POST_BUILD
            COMMAND "${VERTISEL_WASM_OPT}" -Oz --detect-features
                "$<TARGET_FILE_DIR:${program}>/${program}.wasm"
                -o "$<TARGET_FILE_DIR:${program}>/${program}.wasm"
            VERBATIM)
    endif()
    set(VERTISEL_WEB_PROGRAM ${program})
    configure_file(${PROJECT_SOURCE_DIR}/web/index.html.in ${CMAKE_BINARY_DIR}/${page}.html @ONLY)
endfunction()
vertisel_web_page(vertisel index)
