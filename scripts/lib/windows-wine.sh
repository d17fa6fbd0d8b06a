# The Wine prefix the Windows build is tested in, made once per build folder.
# Sourced after common.sh.

# Creates the prefix (without the .NET and browser add-ons, which Wine would
# otherwise offer to download) and maps "Times New Roman" to its
# metric-compatible Liberation Serif, as the window's fonts expect.
prepare_wine_prefix() {
    local prefix=$1
    [ -f "$prefix/.vertisel-ready" ] && return 0
    echo "Wine: preparing the prefix $prefix"
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >"$prefix.log" 2>&1 \
        || { cat "$prefix.log" >&2; die "wineboot could not create the Wine prefix $prefix"; }
    WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /t REG_SZ /d 'Liberation Serif' /f >>"$prefix.log" 2>&1 \
        || { cat "$prefix.log" >&2; die "could not set the font replacement in the Wine prefix"; }
    wineserver -w
    touch "$prefix/.vertisel-ready"
    rm -f "$prefix.log"
}

# Starts the Wine session (server and system services) before CTest does:
# services started by the first test would hold that test's output pipe open,
# and CTest would wait for them until the test's time-out. The session ends
# by itself a few seconds after its last program.
start_wine_session() {
    wineserver -k >/dev/null 2>&1
    wineserver -w
    WINEDEBUG=-all wine wineboot >/dev/null 2>&1 </dev/null || die "Wine could not start its session"
}

# Starts a window manager on $DISPLAY and waits until it runs the screen, as
# every Windows desktop has one. Without it Wine waits two seconds for each
# closed window to be withdrawn, and nobody hands the activation on.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    local tries
    for tries in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    die "the window manager (openbox) did not start on the virtual display"
}
