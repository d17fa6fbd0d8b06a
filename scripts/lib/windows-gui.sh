#!/usr/bin/env bash
# Tries the Windows build as a person would, under Wine on a virtual display
# (run by scripts/windows through xvfb-run):
#   1. the stripped vertisel.exe of the zip: title, client size, a click
#      that clears the photo, four clicked points, "Изчисли", and the
#      construction in the screenshot BUILD/vertisel-wine.png;
#   2. the installer: silent install, the Start-menu entry and the uninstall
#      entry, a start of the installed program, silent uninstall;
#   3. the MSI: as 2., and a newer MSI over it leaves one entry, the older
#      one is then refused, msiexec /x leaves nothing.
#   windows-gui.sh BUILD SETUP.exe MSI NEWER.msi MSI_PREFIX
#                                       (WINEPREFIX and DISPLAY set)
set -u
die() {
    echo "error: $*" >&2
    exit 1
}
build=$1
setup=$2
msi=$3 newer_msi=$4 msi_prefix=$5
export WINEDEBUG=-all

readonly TITLE="Аналитична геометрия - пресечна точка"
readonly UNINSTALL_KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\Vertisel'
# Layout in client pixels: the drawing area starts inside the canvas's
# 2-pixel border at (8, 32); "Изчисли" is at (8, 0), 65 x 25.
readonly AREA_X=10 AREA_Y=34
readonly INK="220 0 0" PAPER="255 255 255"

source "$(dirname "$0")/windows-wine.sh"
start_window_manager
wm=$!
trap 'kill $wm 2>/dev/null; wineserver -k 2>/dev/null' EXIT

# Waits for the program's window and prints its X id (its die ends only the
# command substitution: hence "|| exit 1").
find_window() {
    local id
    id=$(timeout 60 xdotool search --sync --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -n1)
    [ -n "$id" ] || die "no window titled \"$TITLE\" appeared within 60 s"
    echo "$id"
}

# Window-relative pixel as "R G B" from the last screenshot.
pixel() {
    convert "$shot" -crop "1x1+$((wx + $1))+$((wy + $2))" -depth 8 txt:- \
        | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | head -n1
}
screenshot() {
    sleep 1
    import -window root "$shot" || die "could not take a screenshot of the virtual display"
}
expect_pixel() { # X Y "R G B" what
    local got
    got=$(pixel "$1" "$2")
    [ "$got" = "$3" ] || die "$4: pixel ($1, $2) of the window is ($got), expected ($3)"
}
# Some pixel of the 3 x 3 block around a drawing-area point has the ink colour.
expect_ink() { # X Y what
    local dx dy
    for dx in -1 0 1; do
        for dy in -1 0 1; do
            [ "$(pixel $((AREA_X + $1 + dx)) $((AREA_Y + $2 + dy)))" = "$INK" ] && return 0
        done
    done
    die "$3: no ink around ($1, $2) of the drawing area"
}
click() { # window-relative X Y
    xdotool mousemove --window "$win" "$1" "$2" click 1
    sleep 0.5
}

readonly UNINSTALL_ROOT='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
entry_value() { # KEY below UNINSTALL_ROOT, NAME
    wine reg query "$UNINSTALL_ROOT\\$1" /v "$2" 2>/dev/null | sed -n "s/.*$2[[:space:]]*REG_[A-Z_]*[[:space:]]*//p" | tr -d '\r'
}
# Both installers' entries give the publisher and help link of product.nsh.
expect_product_entry() { # KEY below UNINSTALL_ROOT
    local product="$(dirname "$0")/../../packaging/windows/product.nsh" expected got
    expected=$(sed -n 's/^!define \(PUBLISHER\|HELP_LINK\) "\(.*\)"\r\?$/\2/p' "$product" | tr '\n' ' ')
    got="$(entry_value "$1" Publisher) $(entry_value "$1" HelpLink) "
    [ "$got" = "$expected" ] || die "the uninstall entry $1 gives publisher and help link \"$got\", expected \"$expected\""
}

# 1. The window.
shot="$build/vertisel-wine.png"
wine "$build/stage/vertisel.exe" >/dev/null 2>&1 &
win=$(find_window) || exit 1
# Wine's X window is the client area; xwininfo gives its place on the screen.
info=$(xwininfo -id "$win")
wx=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
wy=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
size="$(sed -n 's/^ *Width: *//p' <<<"$info") x $(sed -n 's/^ *Height: *//p' <<<"$info")"
[ "$size" = "487 x 424" ] || die "client area is $size pixels, expected 487 x 424"
sleep 2
screenshot
[ "$(pixel $((AREA_X + 100)) $((AREA_Y + 20)))" != "$PAPER" ] || die "the start-up photo is not on the canvas"

# The first click only clears the photo; the next four set the points of
# line 1, (30, 30)-(170, 160), and line 2, (30, 160)-(170, 40).
click $((AREA_X + 100)) $((AREA_Y + 20))
for point in "30 30" "170 160" "30 160" "170 40"; do
    set -- $point
    click $((AREA_X + $1)) $((AREA_Y + $2))
done
click 40 12
screenshot

expect_pixel $((AREA_X + 100)) $((AREA_Y + 20)) "$PAPER" "the clicked-away photo"
expect_pixel $((AREA_X + 185)) $((AREA_Y + 100)) "$PAPER" "blank canvas beside the figure"
expect_ink 30 30 "point 1"
expect_ink 170 40 "point 4"
expect_ink 65 62 "segment of line 1"
expect_ink 135 70 "segment of line 2"
# The lines cross at (102.8, 97.6); the ring of radius 2 surrounds it.
expect_ink 103 95 "ring around the intersection"
echo "Window under Wine: \"$TITLE\", client 487 x 424, photo cleared, points and construction drawn"
expect_pixel 11 20 "0 255 0" "the face of \"Изчисли\""
expect_pixel 427 20 "255 0 0" "the face of \"Изчисти\""
echo "  buttons: \"Изчисли\" ($(pixel 12 8)), \"Изчисти\" ($(pixel 430 8)); screenshot $shot"

# Ends the program with its session: xdotool's windowclose would destroy the
# X window only and leave the program running.
wineserver -k
wineserver -w

# 2. The installer. Wine's user counts as an administrator, so this is the
# all-users install: Program Files, HKLM and the common Start menu.
wine "$setup" /S || die "the silent install failed"
wineserver -w
folder=$(wine reg query "HKLM\\$UNINSTALL_KEY" /v InstallLocation 2>/dev/null \
    | sed -n 's/.*InstallLocation[[:space:]]*REG_SZ[[:space:]]*//p' | tr -d '\r')
[ -n "$folder" ] || die "the installer registered no uninstall entry"
unix_folder=$(winepath -u "$folder" 2>/dev/null)
for file in vertisel.exe uninstall.exe LICENSE.txt README.txt; do
    [ -f "$unix_folder/$file" ] || die "the installer left no $file in $folder"
done
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vertisel.lnk"
[ -f "$link" ] || die "the installer made no Start-menu entry"
expect_product_entry Vertisel

wine "$unix_folder/vertisel.exe" >/dev/null 2>&1 &
win=$(find_window) || exit 1
wineserver -k
wineserver -w

wine "$unix_folder/uninstall.exe" /S || die "the silent uninstall failed"
wineserver -w
[ ! -e "$unix_folder" ] || die "the uninstaller left $folder behind"
[ ! -e "$link" ] || die "the uninstaller left the Start-menu entry"
wine reg query "HKLM\\$UNINSTALL_KEY" >/dev/null 2>&1 && die "the uninstaller left its uninstall entry"
echo "Installer under Wine: silent install into $folder, Start-menu entry, start, silent uninstall"

# 3. The MSI, in a fresh prefix of its own, as a deployment tool runs it.
export WINEPREFIX=$msi_prefix
property() { msiinfo export "$1" Property | sed -n "s/^$2\t\(.*\)\r\$/\1/p"; }
# Returns msiexec's own exit code (1618: another install still running).
msiexec() {
    local code=0
    wine msiexec "$1" "$(winepath -w "$2")" /qn || code=$?
    wineserver -w
    return $code
}
# "code version" of each MSI-installed entry: the fresh prefix has none but ours.
entries() {
    local key
    for key in $(wine reg query "$UNINSTALL_ROOT" 2>/dev/null | tr -d '\r' | grep -o '{[-0-9A-F]*}$'); do
        echo "$key $(entry_value "$key" DisplayVersion)"
    done
}
# Wine's msiexec puts the shortcut into the user's Start menu; Windows puts
# it into the all-users one, as ALLUSERS=1 tells it.
[ "$(property "$msi" ALLUSERS)" = 1 ] || die "the MSI does not install per machine (ALLUSERS is not 1)"
links() { find "$WINEPREFIX/drive_c/users" "$WINEPREFIX/drive_c/ProgramData" -name Vertisel.lnk 2>/dev/null; }
folder="$WINEPREFIX/drive_c/Program Files/Vertisel"
first="$(property "$msi" ProductCode) $(property "$msi" ProductVersion)"
newer="$(property "$newer_msi" ProductCode) $(property "$newer_msi" ProductVersion)"

# The fresh prefix's session (its services, its first-start work) is up
# before the first install, which would otherwise meet it half started.
start_wine_session
msiexec /i "$msi" || die "the silent install of $(basename "$msi") failed (msiexec exit $?)"
[ "$(ls "$folder" 2>/dev/null | tr '\n' ' ')" = "LICENSE.txt README.txt vertisel.exe " ] \
    || die "Program Files\\Vertisel holds \"$(ls "$folder" 2>/dev/null | tr '\n' ' ')\" after the install"
[ -n "$(links)" ] || die "the MSI made no Start-menu entry"
[ "$(entries)" = "$first" ] || die "after the install the uninstall entries are \"$(entries)\", expected \"$first\""
expect_product_entry "${first% *}"
wine reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | grep -q 'ProductIcon.*vertisel\.ico' \
    || die "the MSI registered no product icon"
wine "$folder/vertisel.exe" >/dev/null 2>&1 &
win=$(find_window) || exit 1
wineserver -k && wineserver -w

msiexec /i "$newer_msi" || die "the install of the newer $(basename "$newer_msi") failed (msiexec exit $?)"
[ "$(entries)" = "$newer" ] || die "after the upgrade the uninstall entries are \"$(entries)\", expected \"$newer\" alone"
msiexec /i "$msi" && die "the older $(basename "$msi") installed over the newer one"
[ "$(entries)" = "$newer" ] || die "the refused downgrade changed the entries to \"$(entries)\""
msiexec /x "$newer_msi" || die "msiexec /x failed"
left="$(ls -d "$folder" 2>/dev/null)$(links)$(entries)"
[ -z "$left" ] || die "msiexec /x left behind: $left"
echo "MSI under Wine: silent install of ${first#* } (files, Start-menu entry, uninstall entry, start)," \
    "upgrade to ${newer#* } leaving one entry, downgrade refused, msiexec /x leaving nothing"
