# The publishable folder of the browser build and its zip. Sourced after
# common.sh.

# What a web server must hand out: our page, Qt's loader, the program, the
# icon (favicon and title bar) and the licence texts.
WEB_SITE_FILES=(index.html qtloader.js vertisel.js vertisel.wasm vertisel.png copyright.txt LICENSE.txt)

# Puts the site files from BUILD into SITE (the old ones replaced, nothing
# else touched) and zips them as SITE/vertisel-<version>-web.zip (in ZIP).
# Prints each file's size as stored and as sent gzip-compressed.
make_web_site() {
    local build=$1 site=$2 version file
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    [ -n "$version" ] || die "no project version in $build/CMakeCache.txt"
    for file in index.html qtloader.js vertisel.js vertisel.wasm; do
        [ -f "$build/$file" ] || die "the build left no $file in $build"
        cp "$build/$file" "$site/$file"
    done
    cp "$ROOT/content/vertisel.png" "$site/vertisel.png"
    cp "$ROOT/packaging/copyright" "$site/copyright.txt"
    cp "$ROOT/LICENSE" "$site/LICENSE.txt"

    ZIP="$site/vertisel-$version-web.zip"
    local stage
    stage=$(mktemp -d)
    mkdir "$stage/vertisel-web"
    for file in "${WEB_SITE_FILES[@]}"; do
        cp "$site/$file" "$stage/vertisel-web/"
    done
    rm -f "$ZIP"
    (cd "$stage" && TZ=UTC zip -qrX "$ZIP" vertisel-web) || die "zip could not write $ZIP"
    rm -rf "$stage"

    local raw=0 packed=0 size gz
    echo "Site files in $site (bytes as stored / gzip -9 as a server sends them):"
    for file in "${WEB_SITE_FILES[@]}"; do
        size=$(stat -c %s "$site/$file")
        gz=$(gzip -9c "$site/$file" | wc -c)
        raw=$((raw + size)) packed=$((packed + gz))
        printf '  %-14s %9d / %9d\n' "$file" "$size" "$gz"
    done
    printf '  %-14s %9d / %9d\n' total "$raw" "$packed"
}
