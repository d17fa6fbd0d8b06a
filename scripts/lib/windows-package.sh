# The zip and the installer of the Windows build. Sourced after common.sh;
# sets ZIP and SETUP to the files it made.

# Licence text: the project's LICENSE, else the same GPL-3 text from Debian.
license_text() {
    local file
    for file in "$ROOT/LICENSE" /usr/share/common-licenses/GPL-3; do
        [ -f "$file" ] && { cat "$file"; return 0; }
    done
    die "no licence text: neither LICENSE nor /usr/share/common-licenses/GPL-3 exists"
}

# Text files get Windows line ends, for Notepad and the installer's licence page.
crlf() { sed 's/\r$//; s/$/\r/'; }

make_windows_packages() {
    local build=$1 version stage
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    [ -n "$version" ] || die "no project version in $build/CMakeCache.txt"
    stage="$build/stage"
    rm -rf "$stage"
    mkdir -p "$stage"
    x86_64-w64-mingw32-strip -o "$stage/vertisel.exe" "$build/vertisel.exe" \
        || die "could not strip $build/vertisel.exe"
    # Self-contained: Windows' own DLLs only, no MinGW runtime, no Qt DLL.
    local imports
    imports=$(x86_64-w64-mingw32-objdump -p "$stage/vertisel.exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -f)
    [ -n "$imports" ] || die "could not read the imports of vertisel.exe"
    echo "$imports" | grep -qiE '^(lib|qt)' \
        && die "vertisel.exe needs DLLs that Windows does not have: $(echo "$imports" | grep -iE '^(lib|qt)' | tr '\n' ' ')"
    echo "vertisel.exe imports: $(echo "$imports" | tr '\n' ' ')"
    license_text | crlf >"$stage/LICENSE.txt"
    crlf <"$ROOT/packaging/windows/README.txt" >"$stage/README.txt"

    ZIP="$build/vertisel-$version-win64.zip"
    rm -f "$ZIP"
    (cd "$stage" && cmake -E tar cf "$ZIP" --format=zip vertisel.exe LICENSE.txt README.txt) \
        || die "could not make $ZIP"

    cp "$ROOT/content/vertisel.ico" "$stage/"
    SETUP="$build/vertisel-$version-win64-setup.exe"
    rm -f "$SETUP"
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$SETUP" \
        "$ROOT/packaging/windows/vertisel.nsi" >"$build/makensis.log" 2>&1 \
        || { cat "$build/makensis.log" >&2; die "makensis could not make the installer (messages above)"; }
    echo "Packaged: $(basename "$ZIP"), $(basename "$SETUP")"
}
