# The publishable folder of the browser build and its zip. Sourced after
# common.sh.

# What a web server must hand out: our page and its two scripts (unpacking
# the packed files, offline use), Qt's loader, the program packed (.gz) and
# plain (for browsers that cannot unpack), the icons, the manifest, the
# licence texts, and the service worker, which lists all the others.
WEB_PROGRAM_FILES=(vertisel.js vertisel.wasm)
WEB_SITE_FILES=(index.html packed-fetch.js offline.js manifest.json qtloader.js
    vertisel.js vertisel.js.gz vertisel.wasm vertisel.wasm.gz
    vertisel.png vertisel-192.png vertisel-512.png vertisel-maskable-512.png
    copyright.txt LICENSE.txt service-worker.js)

# Writes FILE.gz beside each FILE at the best ratio a gzip stream allows
# (zopfli; any gzip reader unpacks it), unless it already holds FILE.
pack_web_files() {
    local file
    for file in "$@"; do
        [ -f "$file.gz" ] && gzip -dc "$file.gz" 2>/dev/null | cmp -s - "$file" && continue
        zopfli --gzip -c "$file" >"$file.gz.part" && mv "$file.gz.part" "$file.gz" \
            || die "zopfli could not pack $file"
    done
}

# Writes SITE/service-worker.js from web/service-worker.js.in: the SHA-256
# of every other site file, and the build's name, a digest of those.
write_service_worker() {
    local site=$1 file digests="" build
    for file in "${WEB_SITE_FILES[@]}"; do
        [ "$file" = service-worker.js ] && continue
        digests+="  \"$file\": \"$(sha256sum "$site/$file" | cut -d' ' -f1)\","$'\n'
    done
    build=$(printf '%s' "$digests" | sha256sum | cut -c1-16)
    local template="$ROOT/web/service-worker.js.in"
    {
        sed '/@VERTISEL_DIGESTS@/,$d' "$template"
        printf '%s' "$digests"
        sed '1,/@VERTISEL_DIGESTS@/d' "$template"
    } | sed "s/@VERTISEL_BUILD@/$build/" >"$site/service-worker.js"
}

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
    pack_web_files "${WEB_PROGRAM_FILES[@]/#/$site/}"
    cp "$ROOT/content/vertisel.png" "$ROOT"/content/web/*.png "$site/"
    cp "$ROOT/web/packed-fetch.js" "$ROOT/web/offline.js" "$ROOT/web/manifest.json" "$site/"
    cp "$ROOT/packaging/copyright" "$site/copyright.txt"
    cp "$ROOT/LICENSE" "$site/LICENSE.txt"
    write_service_worker "$site"

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

    # A visit moves every file but the plain program files, which only a
    # browser that cannot unpack asks for.
    local raw=0 packed=0 size gz
    echo "Site files in $site (bytes as stored / gzip -9 as a compressing server sends them):"
    for file in "${WEB_SITE_FILES[@]}"; do
        size=$(stat -c %s "$site/$file")
        gz=$(gzip -9c "$site/$file" | wc -c)
        printf '  %-26s %9d / %9d\n' "$file" "$size" "$gz"
        [ -f "$site/$file.gz" ] && continue
        raw=$((raw + size)) packed=$((packed + gz))
    done
    printf '  %-26s %9d / %9d\n' "a visit moves" "$raw" "$packed"
}
