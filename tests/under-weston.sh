#!/bin/sh
# Runs a command as a client of a fresh headless weston (pixman renderer) on
# its own socket. Exit status 77 (a skipped test) when weston cannot start.
set -u
runtime=$(mktemp -d) || exit 1
chmod 700 "$runtime"
socket=vertisel-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --no-config \
    --socket=$socket --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
i=0
while [ ! -S "$runtime/$socket" ]; do
    i=$((i + 1))
    if [ $i -gt 200 ] || ! kill -0 $weston 2>/dev/null; then
        echo "SKIP: weston could not start a headless compositor:"
        tail -5 "$runtime/weston.log"
        exit 77
    fi
    sleep 0.1
done
# The headless backend has no seat, and Qt 6.4's Wayland text input reaches
# for the missing seat when a field is clicked: no input method here.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
    QT_IM_MODULE=none "$@"
