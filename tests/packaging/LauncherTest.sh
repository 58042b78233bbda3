#!/bin/sh
# The launcher of a system install gives each user an installation folder of
# their own: a copy of the shared folder made at the first start, whose
# program, help file and skin follow the shared ones while the user's
# drawings, catalog and settings stay as the user left them. Root works in
# the shared folder. Runs the user's starts as the user nobody when run as
# root (as CI does), so the copy is made by a user who cannot write into the
# shared folder.
#
# Usage: LauncherTest.sh CMAKE CONFIGURE-LAUNCHER.cmake
set -eu

cmake=$1
configure=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
# shellcheck source=../support/Checks.sh
. "$(dirname "$0")/../support/Checks.sh"

# A shared installation folder whose program only says which file it is.
shared=$work/shared
mkdir -p "$shared/drawn" "$shared/skins/XFactor"
packagedProgram() {
    printf '#!/bin/sh\necho "%s $0"\n' "$1" >"$shared/stellaform"
    chmod 755 "$shared/stellaform"
}
packagedProgram version1
echo 'help, first edition' >"$shared/help.chm"
echo 'USA|Powerball PB 5-53|53|5|1|' >"$shared/Game.Txt"
echo '8/27/2005 8 22 31 39 44 11' >"$shared/drawn/PowerballPB553.Txt"
echo '[Skin]' >"$shared/skins/XFactor/skin.ini"

launcher=$work/quorvane-stellaform
"$cmake" -D "STELLAFORM_SHARED_FOLDER=$shared" -D "LAUNCHER=$launcher" -P "$configure"
chmod 755 "$launcher"

home=$work/home
mkdir -p "$home"
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$home"
    asUser() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
else
    asUser() { "$@"; }
fi
start() { asUser env -u XDG_DATA_HOME "HOME=$home" "$launcher"; }
own=$home/.local/share/quorvane-stellaform

# First start: a copy of the shared folder, and the program started there.
check "the first start runs the program of the user's own folder" \
    test "$(start)" = "version1 $own/stellaform"
check "the user's folder is a copy of the shared folder" diff -r "$shared" "$own"
check "no half-made copy is left beside the user's folder" \
    test "$(ls "$home/.local/share")" = quorvane-stellaform

# The user works; a newer package brings other sample data.
asUser sh -c "
    echo '[Option]' >'$own/SystemSet.ini'
    echo 'LotteryName=DailyPick545' >>'$own/SystemSet.ini'
    echo 'Westmark|Daily Pick 5-45|45|5|0|' >>'$own/Game.Txt'
    echo '9/3/2005 1 2 3 4 5 6' >>'$own/drawn/PowerballPB553.Txt'
    echo 'my report' >'$own/Data.ini'"
cp -R "$own" "$work/user-data"
echo 'Canada|Lotto 6-49|49|6|1|' >"$shared/Game.Txt"
echo '1/1/2010 1 1 1 1 1 1' >"$shared/drawn/PowerballPB553.Txt"

check "a second start runs the same program" test "$(start)" = "version1 $own/stellaform"
check "a second start leaves the user's drawings, catalog and settings alone" diff -r "$work/user-data" "$own"

# An update of the package: a newer program, help file and skin.
packagedProgram version2
echo 'help, second edition' >"$shared/help.chm"
echo '[Skin] 2' >"$shared/skins/XFactor/skin.ini"

check "after an update the newer program runs from the user's folder" \
    test "$(start)" = "version2 $own/stellaform"
check "the user's program file is the packaged one" cmp -s "$shared/stellaform" "$own/stellaform"
check "the user's program file stays executable" test -x "$own/stellaform"
check "the user's help file is the packaged one" cmp -s "$shared/help.chm" "$own/help.chm"
check "the user's skin is the packaged one" cmp -s "$shared/skins/XFactor/skin.ini" "$own/skins/XFactor/skin.ini"
for file in SystemSet.ini Data.ini Game.Txt drawn/PowerballPB553.Txt; do
    check "an update leaves the user's $file alone" cmp -s "$work/user-data/$file" "$own/$file"
done
check "no temporary file is left in the user's folder" test -z "$(find "$own" -name '*.new.*')"

# XDG_DATA_HOME names the place of the user's folder.
mkdir -p "$work/data"
[ "$(id -u)" -ne 0 ] || chown 65534:65534 "$work/data"
check "with XDG_DATA_HOME the user's folder lies there" \
    test "$(asUser env "HOME=$home" "XDG_DATA_HOME=$work/data" "$launcher")" = \
    "version2 $work/data/quorvane-stellaform/stellaform"

if [ "$(id -u)" -eq 0 ]; then
    check "root runs the program of the shared folder" \
        test "$(env -u XDG_DATA_HOME "HOME=$work/root-home" "$launcher")" = "version2 $shared/stellaform"
    check "root gets no folder of its own" test ! -e "$work/root-home"
else
    echo "not run as root: the start by root is not tried"
fi

checksPassed
