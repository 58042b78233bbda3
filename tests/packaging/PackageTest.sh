#!/bin/sh
# Builds the Debian package with CPack, unpacks it into a temporary root with
# dpkg -x, checks that every file is where a system install puts it, and
# starts the unpacked program on a virtual display until its main window
# shows.
#
# Usage: PackageTest.sh CPACK CPackConfig.cmake VERSION
set -eu

cpack=$1
config=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=../support/Checks.sh
. "$(dirname "$0")/../support/Checks.sh"
contains() { case $1 in *"$2"*) return 0 ;; esac; return 1; }
# The width and height in a PNG file's header.
pngSize() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }

if ! "$cpack" --config "$config" -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack did not build the package"
    exit 1
fi
deb=$(ls "$work"/package/*.deb)
check "the package file is named after the package, version and architecture" \
    test "$(basename "$deb")" = "quorvane-stellaform_${version}_$(dpkg --print-architecture).deb"
check "the package is quorvane-stellaform" test "$(dpkg-deb -f "$deb" Package)" = quorvane-stellaform
check "the package has the project's version" test "$(dpkg-deb -f "$deb" Version)" = "$version"
check "the package names its maintainer" contains "$(dpkg-deb -f "$deb" Maintainer)" "Quorvane Software Works <"
check "the package's description says that no method can predict a fair lottery" \
    contains "$(dpkg-deb -f "$deb" Description)" "No method can predict"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 qt6-qpa-plugins; do
    check "the package depends on $package" contains "$depends" "$package"
done

root=$work/root
dpkg -x "$deb" "$root"
folder=$root/opt/quorvane-stellaform
for file in stellaform help.chm Game.Txt PROVENANCE.md drawn/PowerballPB553.Txt drawn/Lotto649.Txt \
    skins/XFactor/skin.ini skins/XFactor/XFactor.qss; do
    check "the installation folder holds $file" test -f "$folder/$file"
done
check "the program file is executable" test -x "$folder/stellaform"
check "the launcher is executable" test -x "$root/usr/bin/quorvane-stellaform"
check "the launcher starts the program of /opt/quorvane-stellaform" \
    grep -q "^shared='/opt/quorvane-stellaform'$" "$root/usr/bin/quorvane-stellaform"
entry=$root/usr/share/applications/quorvane-stellaform.desktop
check "the menu entry is a valid desktop entry" desktop-file-validate "$entry"
for line in "Name=Quorvane Stellaform" "Exec=quorvane-stellaform" "Icon=quorvane-stellaform" "Type=Application"; do
    check "the menu entry holds $line" grep -qx "$line" "$entry"
done
icons=$root/usr/share/icons/hicolor
check "the icon is there as SVG" grep -q '<svg' "$icons/scalable/apps/quorvane-stellaform.svg"
for size in 16 22 24 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/quorvane-stellaform.png
    check "the icon is there as a ${size} by ${size} PNG" test "$(pngSize "$png" 2>/dev/null)" = "${size}x${size}"
done
check "the package puts files only in its folder, the launcher, the menu and the icon theme" \
    test -z "$(cd "$root" && find . ! -type d | grep -v -e '^\./opt/quorvane-stellaform/' \
        -e '^\./usr/bin/quorvane-stellaform$' -e '^\./usr/share/applications/quorvane-stellaform\.desktop$' \
        -e '^\./usr/share/icons/hicolor/[^/]*/apps/quorvane-stellaform\.\(png\|svg\)$')"
check "every library the program needs is found" test -z "$(ldd "$folder/stellaform" | grep 'not found')"

# The unpacked program on a virtual display: its main window shows, and it is
# the program's own window. The program is then ended by its process id.
cat >"$work/start.sh" <<'START'
program=$1
"$program" &
pid=$!
window=
tries=0
while [ -z "$window" ] && [ "$tries" -lt 150 ] && kill -0 "$pid" 2>/dev/null; do
    sleep 0.2
    tries=$((tries + 1))
    window=$(xdotool search --onlyvisible --name '^Quorvane Stellaform 6$' 2>/dev/null | head -n 1)
done
owner=
[ -z "$window" ] || owner=$(xdotool getwindowpid "$window")
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
if [ -z "$window" ]; then
    echo "no window titled 'Quorvane Stellaform 6' showed"
    exit 1
fi
[ "$owner" = "$pid" ] || { echo "the window belongs to process $owner, not to $pid"; exit 1; }
START
mkdir -m 700 "$work/runtime"
check "the unpacked program shows its main window 'Quorvane Stellaform 6'" \
    env -u QT_QPA_PLATFORM "XDG_RUNTIME_DIR=$work/runtime" xvfb-run -a -s '-screen 0 1024x768x24' sh "$work/start.sh" "$folder/stellaform"

checksPassed
