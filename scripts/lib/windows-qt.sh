# The static Qt for Windows that scripts/windows links against: Debian's own
# qt6-base source, the same version as the host's Qt tools, cross-built once
# with MinGW-w64 into a cache outside the work tree and reused after that.
# Sourced after common.sh.

# The host's moc, rcc and uic generate code for the Windows build, so the
# source must be exactly their version.
qt_source_version() {
    dpkg-query -W -f='${source:Version}' qt6-base-dev-tools 2>/dev/null \
        || die "qt6-base-dev-tools is not installed"
}

# Everything left out is unused by the program; print support is in, for
# the printer dialog and the printed page (linked into the program, which
# loads the print spooler's library when it starts); tablet events need the
# wintab header that Debian's source drops; DirectWrite goes off with
# Direct2D, which needs it, so fonts go through GDI (Qt 6.4's default).
# OpenGL goes through INPUT_opengl: with FEATURE_opengl alone, the windows
# plugin keeps dynamic OpenGL and fails to compile.
QT_WINDOWS_FLAGS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF -DFEATURE_printsupport=ON -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_png=ON -DFEATURE_jpeg=ON -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
)

CACHE_ROOT="${XDG_CACHE_HOME:-$HOME/.cache}/vertisel"

# The cache folder: a new one whenever the Qt version, the compiler, the
# toolchain file or the flags change.
qt_cache_prefix() {
    local version=${1%%+*} key
    key=$( {
        echo "$1"
        x86_64-w64-mingw32-g++-posix -dumpfullversion
        cat "$ROOT/cmake/toolchains/mingw-w64.cmake"
        printf '%s\n' "${QT_WINDOWS_FLAGS[@]}"
    } | sha256sum | cut -c1-12)
    echo "$CACHE_ROOT/qt-$version-mingw-static-$key"
}

# The Debian archive the machine already uses, for its deb-src line.
debian_mirror() {
    local uri
    uri=$(sed -n -e 's/^URIs:[[:space:]]*//p' -e 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\).*/\2/p' \
        /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null \
        | tr ' ' '\n' | grep -E '^https?://.*/debian/?$' | head -n1)
    echo "${uri:-http://deb.debian.org/debian}"
}

# Downloads the source package into DIR with apt-get, through a private
# sources list and state folder (the machine's apt set-up stays as it is),
# checks every file against the .dsc and unpacks it to DIR/qtbase.
fetch_qt_source() {
    local dir=$1 version=$2 codename apt
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || die "cannot tell this machine's Debian release (no VERSION_CODENAME in /etc/os-release)"
    rm -rf "$dir"
    mkdir -p "$dir/apt/lists/partial" "$dir/apt/cache/archives/partial" "$dir/apt/sources.list.d" "$dir/download"
    local mirror
    mirror=$(debian_mirror)
    # The point-release updates too, in case the host's Qt came from there.
    printf 'deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] %s %s main\n' \
        "$mirror" "$codename" "$mirror" "$codename-updates" >"$dir/apt/sources.list"
    apt=(apt-get -q -o "Dir::Etc::SourceList=$dir/apt/sources.list"
        -o "Dir::Etc::SourceParts=$dir/apt/sources.list.d" -o "Dir::State::Lists=$dir/apt/lists"
        -o "Dir::Cache=$dir/apt/cache" -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
    [ "$(id -u)" -eq 0 ] && apt+=(-o APT::Sandbox::User=root)
    "${apt[@]}" update >"$dir/apt.log" 2>&1 \
        || { cat "$dir/apt.log" >&2; die "apt-get could not read the source index of Debian $codename (messages above)"; }
    (cd "$dir/download" && "${apt[@]}" source --download-only "qt6-base=$version") >>"$dir/apt.log" 2>&1 \
        || { cat "$dir/apt.log" >&2; die "apt-get could not download qt6-base $version (messages above)"; }
    local dsc
    dsc=$(ls "$dir"/download/*.dsc 2>/dev/null | head -n1)
    [ -n "$dsc" ] || die "no .dsc file came with qt6-base $version"
    # Checksums-Sha256: one " sum size name" line per file of the package.
    local sums
    sums=$(awk '/^Checksums-Sha256:/ {on=1; next} /^[^ ]/ {on=0} on && NF==3 {print $1 "  " $3}' "$dsc")
    [ -n "$sums" ] || die "$(basename "$dsc") lists no SHA-256 checksums"
    (cd "$dir/download" && echo "$sums" | sha256sum --quiet -c -) \
        || die "qt6-base $version does not match the checksums in $(basename "$dsc")"
    dpkg-source -x "$dsc" "$dir/qtbase" >>"$dir/apt.log" 2>&1 \
        || { cat "$dir/apt.log" >&2; die "dpkg-source could not unpack $(basename "$dsc") (messages above)"; }
    echo "qt6-base $version: checksums match $(basename "$dsc")"
}

# Builds and installs Qt into PREFIX unless a finished build is there; the
# stamp file is written last, so an interrupted build is never reused.
ensure_windows_qt() {
    local prefix=$1 version
    version=$(qt_source_version)
    if [ -f "$prefix/.complete" ]; then
        echo "Qt $version for Windows: cached in $prefix"
        return 0
    fi
    local work="$prefix.work" start=$SECONDS
    echo "Qt $version for Windows: not cached, building it into $prefix (about 12 minutes on 2 cores)"
    fetch_qt_source "$work/src" "$version"
    rm -rf "$prefix" "$work/build"
    cmake -S "$work/src/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchains/mingw-w64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${QT_WINDOWS_FLAGS[@]}" >"$work/configure.log" 2>&1 \
        || { tail -n 40 "$work/configure.log" >&2; die "Qt's configure step failed (log: $work/configure.log)"; }
    cmake --build "$work/build" -j2 >"$work/build.log" 2>&1 \
        || { grep -A12 -m3 '^FAILED' "$work/build.log" >&2; die "the Qt build failed (log: $work/build.log)"; }
    cmake --install "$work/build" >"$work/install.log" 2>&1 \
        || { tail -n 20 "$work/install.log" >&2; die "the Qt install failed (log: $work/install.log)"; }
    echo "$version $((SECONDS - start))s" >"$prefix/.complete"
    rm -rf "$work"
    echo "Qt $version for Windows: built in $((SECONDS - start)) s"
}
