# The zip, the NSIS installer and the MSI of the Windows build. Sourced
# after common.sh; sets VERSION to the program's version and ZIP, SETUP and
# MSI to the files it made.

# Names every version's ProductCode: a name-based UUID of the version in
# this namespace, so that a rebuild of one version keeps its code.
readonly MSI_PRODUCT_CODE_NAMESPACE=A3CDD1A2-F45A-4B6C-819F-CD8E43D54FBA
# What msiexec says when a newer version is already installed.
readonly MSI_DOWNGRADE_REFUSAL="Вече е инсталирана по-нова версия на [ProductName]. За да инсталирате тази, първо премахнете по-новата."

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
    local build=$1 stage
    VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    [ -n "$VERSION" ] || die "no project version in $build/CMakeCache.txt"
    local version=$VERSION
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
    MSI="$build/vertisel-$version-win64.msi"
    make_msi "$stage" "$version" "$MSI"
    echo "Packaged: $(basename "$ZIP"), $(basename "$SETUP"), $(basename "$MSI")"
}

# One value of packaging/windows/product.nsh, which the NSIS script includes.
product_value() {
    local value
    value=$(sed -n "s/^!define $1 \"\(.*\)\"\r\?\$/\1/p" "$ROOT/packaging/windows/product.nsh")
    [ -n "$value" ] || die "packaging/windows/product.nsh defines no $1"
    echo "$value"
}

msi_product_code() {
    uuidgen --sha1 --namespace "$MSI_PRODUCT_CODE_NAMESPACE" --name "vertisel-$1" | tr a-f A-F
}

# Builds the MSI of the files in STAGE (vertisel.exe, the texts, the icon).
# Usage: make_msi STAGE VERSION OUTPUT.msi
make_msi() {
    local stage=$1 version=$2 output=$3 major minor build rest
    # Windows Installer reads a version as major.minor.build, at most
    # 255.255.65535; a larger field makes an MSI that cannot upgrade.
    IFS=. read -r major minor build rest <<<"$version"
    [[ "$version" =~ ^[0-9]+(\.[0-9]+){0,3}$ && ${major:-0} -le 255 && ${minor:-0} -le 255 && ${build:-0} -le 65535 ]] \
        || die "version $version does not fit an MSI (at most 255.255.65535 and a fourth field)"
    local work="$output.work"
    local log="$work/build.log" database="$work/$(basename "$output")"
    rm -rf "$output" "$work"
    mkdir -p "$work"
    # wixl finds the files named in the source relative to the current folder.
    (cd "$stage" && wixl -a x64 -D Version="$version" -D ProductCode="$(msi_product_code "$version")" \
        -D ProductName="$(product_value PRODUCT_NAME)" -D Publisher="$(product_value PUBLISHER)" \
        -D HelpLink="$(product_value HELP_LINK)" -o "$database" "$ROOT/packaging/windows/vertisel.wxs") \
        >"$log" 2>&1 || { cat "$log" >&2; die "wixl could not make $(basename "$output") (messages above)"; }
    # What wixl leaves out: the tables' code page, the Bulgarian refusal of a
    # downgrade, and the upgrade of an installed version that differs in the
    # fourth field alone (Windows Installer compares major.minor.build only,
    # and would install such a version beside it). Attributes 769: migrate
    # features, both ends inclusive.
    local upgrade_code
    upgrade_code=$(msiinfo export "$database" Property | sed -n 's/^UpgradeCode\t\(.*\)\r$/\1/p')
    printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
    msibuild "$database" -i "$work/_ForceCodepage.idt" \
        -q "UPDATE LaunchCondition SET Description = '$MSI_DOWNGRADE_REFUSAL' WHERE Condition = 'NOT WIX_DOWNGRADE_DETECTED'" \
        -q "INSERT INTO Upgrade (UpgradeCode, VersionMin, VersionMax, Attributes, ActionProperty)
            VALUES ('$upgrade_code', '$version', '$version', 769, 'WIX_UPGRADE_DETECTED')" \
        >>"$log" 2>&1 || { cat "$log" >&2; die "msibuild could not complete the tables of $(basename "$output")"; }
    # The package language in the summary, where wixl always writes 1033:
    # the same length, so replaced in place.
    perl -0777 -pi -e 's/x64;1033/x64;1026/' "$database"
    msiinfo suminfo "$database" | grep -q '^Template: x64;1026' \
        || die "$(basename "$output") did not get Bulgarian as its package language"
    mv "$database" "$output"
    rm -rf "$work"
}
