# The Qt for WebAssembly that scripts/web links against: Debian's own
# qt6-base source, the host Qt tools' version, built once with Debian's
# emscripten into a cache outside the work tree and reused after that.
# Sourced after common.sh and windows-qt.sh (source download, mirror).

# Left out: everything the program does not use. OpenGL stays: Qt 6.4's
# wasm windows draw through WebGL. Threads off: a threaded build needs
# cross-origin isolation headers that a plain school web server lacks.
QT_WEB_FLAGS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=OFF -DFEATURE_thread=OFF
    -DFEATURE_png=ON -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_optimize_size=ON -DFEATURE_sessionmanager=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_imageformat_bmp=OFF -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
    # Reached from code the program does run (the accessibility factory
    # names every widget class, QWidget and QApplication reach the graphics
    # view, style sheets, message boxes), so the linker keeps them unless
    # they are configured out. The main window, menu bar, tool bar, message
    # box and button box stay: Qt 6.4's compatibility code and accessibility
    # factory include their headers unconditionally; the slider too, as the
    # task text's scroll bar is one.
    -DFEATURE_style_stylesheet=OFF -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF
    -DFEATURE_itemviews=OFF -DFEATURE_spinbox=OFF -DFEATURE_datetimeedit=OFF
    -DFEATURE_calendarwidget=OFF -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF
    -DFEATURE_tabbar=OFF -DFEATURE_tabwidget=OFF -DFEATURE_mdiarea=OFF -DFEATURE_dockwidget=OFF
    -DFEATURE_toolbox=OFF
    -DFEATURE_splitter=OFF -DFEATURE_textbrowser=OFF -DFEATURE_keysequenceedit=OFF
    -DFEATURE_commandlinkbutton=OFF -DFEATURE_progressbar=OFF -DFEATURE_stackedwidget=OFF
    -DFEATURE_rubberband=OFF -DFEATURE_sizegrip=OFF -DFEATURE_splashscreen=OFF
    -DFEATURE_wizard=OFF -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF -DFEATURE_filedialog=OFF
    -DFEATURE_inputdialog=OFF -DFEATURE_errormessage=OFF -DFEATURE_progressdialog=OFF
    -DFEATURE_syntaxhighlighter=OFF
    -DFEATURE_effects=OFF -DFEATURE_movie=OFF -DFEATURE_undocommand=OFF -DFEATURE_whatsthis=OFF
    -DFEATURE_scroller=OFF -DFEATURE_pdf=OFF
    -DFEATURE_jalalicalendar=OFF -DFEATURE_islamiccivilcalendar=OFF -DFEATURE_hijricalendar=OFF
    # QIcon looks a file's type up when its name has no suffix, which brings
    # in the whole MIME database (0.3 MB packed) and its XML reader.
    -DFEATURE_mimetype=OFF -DFEATURE_xmlstream=OFF
)

# The wasm platform plugin builds in three sans fonts (1 MB) that the program
# never shows: it brings its own serif. Without them Qt falls back to the
# program's font; their loader stops quietly at the first missing file.
drop_builtin_web_fonts() {
    local file=$1/src/plugins/platforms/wasm/CMakeLists.txt
    grep -q '^qt_internal_add_resource(QWasmIntegrationPlugin "wasmfonts"' "$file" \
        || die "the wasm plugin's font resource is not where this script expects it ($file)"
    sed -i '/^qt_internal_add_resource(QWasmIntegrationPlugin "wasmfonts"/,/^)/d' "$file"
}

# Without the item views, nothing brings QHash into the common style's
# private header, which uses it: the include it lacks.
complete_style_includes() {
    local file=$1/src/widgets/styles/qcommonstyle_p.h
    grep -q '^#include "qstyleanimation_p.h"$' "$file" \
        || die "the common style's header is not as this script expects it ($file)"
    sed -i 's|^#include "qstyleanimation_p.h"$|&\n#include <QtCore/qhash.h>|' "$file"
}

# The wasm plugin's drag code includes the MIME database's header, which it
# does not use and which is missing without the database.
drop_unused_mime_include() {
    local file=$1/src/plugins/platforms/wasm/qwasmdrag.cpp
    grep -q '^#include <QMimeDatabase>$' "$file" \
        || die "the wasm plugin's drag code is not as this script expects it ($file)"
    sed -i '/^#include <QMimeDatabase>$/d' "$file"
}

# QCryptographicHash is reached (program binary cache keys, UUIDs), and with
# it SHA-3, whose permutation is unrolled 24 times on 64-bit processors: two
# rounds per loop, as on 32-bit ones, is a tenth of the code.
roll_up_sha3() {
    local file=$1/src/3rdparty/sha3/KeccakF-1600-opt64-settings.h
    grep -q '^#define Unrolling 24$' "$file" \
        || die "SHA-3's settings are not as this script expects them ($file)"
    sed -i 's/^#define Unrolling 24$/#define Unrolling 2/' "$file"
}

EMSCRIPTEN_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Debian's emcc needs its node modules (acorn) from Debian's folder, which a
# node installed elsewhere does not search.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

qt_web_cache_prefix() {
    local version=${1%%+*} key
    key=$( {
        echo "$1"
        emcc --version 2>/dev/null | head -n1
        printf '%s\n' "${QT_WEB_FLAGS[@]}"
        declare -f drop_builtin_web_fonts complete_style_includes drop_unused_mime_include roll_up_sha3
    } | sha256sum | cut -c1-12)
    echo "$CACHE_ROOT/qt-$version-wasm-$key"
}

# CMake keeps the Qt a tree was first configured with: a tree made against
# another Qt for the browser (other flags) starts over.
forget_other_web_qt() {
    local tree=$1 qt=$2
    [ -f "$tree/CMakeCache.txt" ] || return 0
    grep -qxF "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" "$tree/CMakeCache.txt" \
        || rm -rf "$tree/CMakeCache.txt" "$tree/CMakeFiles"
}

# Qt's configure looks for an emsdk layout: a folder with .emscripten naming
# upstream/emscripten, where emcc lives. Debian's emcc, linked in, passes.
make_emsdk_shim() {
    local dir=$1
    mkdir -p "$dir/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$dir/.emscripten"
    ln -sf /usr/bin/emcc "$dir/upstream/emscripten/emcc"
    ln -sf /usr/bin/em++ "$dir/upstream/emscripten/em++"
    echo "$dir"
}

# Builds and installs Qt into PREFIX unless a finished build is there; the
# stamp file (with the configure and build times) is written last.
ensure_web_qt() {
    local prefix=$1 version
    version=$(qt_source_version)
    export EMSDK
    EMSDK=$(make_emsdk_shim "$CACHE_ROOT/emsdk")
    if [ -f "$prefix/.complete" ]; then
        echo "Qt $version for the browser: cached in $prefix"
        return 0
    fi
    local work="$prefix.work" start=$SECONDS
    echo "Qt $version for the browser: not cached, building it into $prefix (about 15 minutes on 2 cores)"
    fetch_qt_source "$work/src" "$version"
    drop_builtin_web_fonts "$work/src/qtbase"
    complete_style_includes "$work/src/qtbase"
    drop_unused_mime_include "$work/src/qtbase"
    roll_up_sha3 "$work/src/qtbase"
    rm -rf "$prefix" "$work/build"
    cmake -S "$work/src/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$EMSCRIPTEN_TOOLCHAIN" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${QT_WEB_FLAGS[@]}" >"$work/configure.log" 2>&1 \
        || { tail -n 40 "$work/configure.log" >&2; die "Qt's configure step failed (log: $work/configure.log)"; }
    local configured=$((SECONDS - start))
    echo "Qt configured in $configured s"
    cmake --build "$work/build" -j2 >"$work/build.log" 2>&1 \
        || { grep -A12 -m3 '^FAILED' "$work/build.log" >&2; die "the Qt build failed (log: $work/build.log)"; }
    cmake --install "$work/build" >"$work/install.log" 2>&1 \
        || { tail -n 20 "$work/install.log" >&2; die "the Qt install failed (log: $work/install.log)"; }
    echo "$version configure ${configured}s total $((SECONDS - start))s" >"$prefix/.complete"
    rm -rf "$work"
    echo "Qt $version for the browser: built in $((SECONDS - start)) s (configure $configured s)"
}

# The serif built into the browser build, from Debian's fonts-liberation2,
# unpacked into the cache instead of installed: installed, it would also
# become the desktop's Times New Roman, and change how every other program
# draws. Prints the font file.
ensure_web_font() {
    local dir="$CACHE_ROOT/fonts-liberation2" download
    local file="$dir/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf"
    if [ ! -f "$file" ]; then
        download=$(mktemp -d)
        local apt=(apt-get -q)
        [ "$(id -u)" -eq 0 ] && apt+=(-o APT::Sandbox::User=root)
        (cd "$download" && "${apt[@]}" download fonts-liberation2 >"$download/apt.log" 2>&1) \
            || { cat "$download/apt.log" >&2; die "apt-get could not download fonts-liberation2 (messages above)"; }
        rm -rf "$dir"
        dpkg-deb -x "$download"/fonts-liberation2_*.deb "$dir" || die "dpkg-deb could not unpack fonts-liberation2"
        rm -rf "$download"
        [ -f "$file" ] || die "fonts-liberation2 holds no $(basename "$file")"
    fi
    echo "$file"
}
