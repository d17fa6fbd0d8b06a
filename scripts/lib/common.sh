# Shared set-up for the scripts: package installs, configure and build.
# Sourced, never run directly. Every failure ends in one "error:" line.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$ROOT" || exit 1

# Packages every build needs: compiler, build tools, Qt 6 Widgets, Qt's own
# Bulgarian translation (built into the program), Boost's headers (exact
# rationals) and the metric-compatible serif font that stands in for Times
# New Roman.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libboost-dev
    fonts-liberation fontconfig)
# What reads the exported documents in the tests: pdflatex with babel's
# Bulgarian, T2A and TikZ, and pdftotext and pdfinfo.
EXPORT_PACKAGES=(texlive-latex-base texlive-lang-cyrillic texlive-pictures poppler-utils)
# The running program under a real AT-SPI client and by keys alone: session
# bus, at-spi bus, the Python client, a virtual X server and key presses.
A11Y_PACKAGES=(at-spi2-core python3-pyatspi dbus xvfb xauth xdotool)
# A real screen reader whose speech goes to a file: Orca and speech-dispatcher
# (its generic module runs a shell command; ALSA's null device stands in for sound);
# espeak-ng shows how its Bulgarian voice says the spoken explanations.
SCREEN_READER_PACKAGES=(orca speech-dispatcher espeak-ng)

die() {
    echo "error: $*" >&2
    exit 1
}

# Installs the named Debian packages that are missing: apt-get as root,
# sudo otherwise, else prints the exact install line and stops.
ensure_packages() {
    command -v dpkg-query >/dev/null 2>&1 \
        || die "this set-up needs a Debian or Ubuntu system (dpkg-query not found); install: $*"
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local line="apt-get install -y --no-install-recommends ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo="sudo"
        else
            die "missing packages; run: sudo apt-get update && sudo $line"
        fi
    fi
    echo "Installing: ${missing[*]}"
    # Another script's install may hold the package lock: wait for it.
    local wait=(-o DPkg::Lock::Timeout=900)
    # The package lists' lock has no timeout of its own: a few tries.
    local try
    for try in 1 2 3 4 5 6; do
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get "${wait[@]}" update -qq >/dev/null 2>&1 && break
        [ "$try" -eq 6 ] && die "apt-get update failed; check the network and run: $line"
        sleep 20
    done
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get "${wait[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null \
        || die "package install failed; run by hand to see why: $line"
}

# Configures (once) and builds one build folder with CMake + Ninja; with
# BUILD_TARGET set, only that target.
# Usage: build_tree DIR [extra cmake arguments...]
build_tree() {
    local dir=$1
    shift
    # In CI a warning fails the build, so that none slips in unseen.
    cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        ${CI:+-DCMAKE_COMPILE_WARNING_AS_ERROR=ON} "$@" >"$ROOT/$dir/configure.log" 2>&1 \
        || { cat "$ROOT/$dir/configure.log" >&2; die "cmake could not configure $dir (messages above)"; }
    cmake --build "$ROOT/$dir" -j2 ${BUILD_TARGET:+--target "$BUILD_TARGET"} \
        || die "the build in $dir failed (compiler messages above)"
}

# A folder holding only Boost's headers, for a cross build: the include
# path then brings none of the build machine's C library headers along.
# Usage: boost_include_dir BUILD_DIR  (prints the folder)
boost_include_dir() {
    local dir="$ROOT/$1/boost-include"
    mkdir -p "$dir" && ln -sfn /usr/include/boost "$dir/boost" && echo "$dir"
}
