#!/bin/sh
# Builds the Debian package from this build tree and checks it as a packager
# would: lintian must report no error or warning, and AppStream's composer
# must list the program with its icon. Usage: check-package.sh BUILD_DIR
set -u
build=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; echo "FAIL: cpack could not build the package"; exit 1; }
deb=$(ls "$work"/package/*.deb)

lintian --pedantic --display-info --display-experimental --fail-on error,warning "$deb" \
    >"$work/lintian.log" 2>&1
status=$?
grep -v '^running with root privileges' "$work/lintian.log"
if [ $status -ne 0 ] || grep -q '^[EW]: ' "$work/lintian.log"; then
    echo "FAIL: lintian reports errors or warnings (above)"
    exit 1
fi

mkdir "$work/tree"
dpkg-deb -x "$deb" "$work/tree"
appstreamcli compose --no-color --print-report=full --origin=vertisel --prefix=/usr \
    --result-root="$work/catalogue" "$work/tree" >"$work/compose.log" 2>&1
status=$?
cat "$work/compose.log"
catalogue=$(find "$work/catalogue" -name '*.xml.gz' 2>/dev/null)
if [ $status -ne 0 ] || [ -z "$catalogue" ] || grep -q ' E: ' "$work/compose.log" \
    || ! zcat "$catalogue" | grep -q '<icon type="cached" width="64"'; then
    echo "FAIL: appstreamcli compose gives no catalogue entry with a 64-pixel icon"
    exit 1
fi
echo "package checks passed: $(basename "$deb")"
