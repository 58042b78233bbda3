#!/bin/sh
# Reads the compiled help file with Debian's CHM reader (libchm-bin): it
# opens, holds every page its project lists, and every page comes out as
# written, with its heading, and with links that lead to pages and places
# that exist.
#
# Usage: HelpFileCheck.sh HELP.chm HELP-SOURCE-FOLDER
set -eu

chm=$1
sources=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! enum_chmLib "$chm" >"$work/listing"; then
    echo "FAIL: $chm does not open as a CHM file"
    exit 1
fi
grep -q '[[:space:]]/#SYSTEM$' "$work/listing" || fail "$chm has no system header"

# The project's [FILES], then its contents and index files.
sed -n '/^\[FILES\]/,/^\[/{/^\[/d;/^$/d;p}' "$sources/help.hhp" >"$work/files"
sed -n 's/^\(Contents\|Index\) file=//p' "$sources/help.hhp" >>"$work/files"
[ "$(wc -l <"$work/files")" -ge 10 ] || fail "the project lists only $(wc -l <"$work/files") files"

for page in "$sources"/*.html; do
    grep -qx "$(basename "$page")" "$work/files" || fail "$(basename "$page") is not listed in help.hhp"
done

while IFS= read -r file; do
    grep -q "normal file[[:space:]]*/$file\$" "$work/listing" || fail "$file is missing from $chm"
done <"$work/files"

extract_chmLib "$chm" "$work/out" >/dev/null
for page in "$sources"/*.html; do
    name=$(basename "$page")
    extracted="$work/out/$name"
    if ! cmp -s "$page" "$extracted"; then
        fail "$name does not come out of $chm as written"
        continue
    fi
    title=$(sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$extracted")
    grep -q "<h1>$title</h1>" "$extracted" || fail "$name has no heading '$title'"
done

grep -q '<h1>Quorvane Stellaform Help</h1>' "$work/out/index.html" || fail "index.html lacks its heading"
grep -q '<h1>How the prediction works</h1>' "$work/out/prediction.html" || fail "prediction.html lacks its heading"
grep -q 'No method can predict a fair lottery' "$work/out/prediction.html" ||
    fail "prediction.html does not say that no method can predict a fair lottery"

# Every link of the pages, the contents and the index, to a page and a place.
for file in "$work"/out/*.html "$work"/out/*.hhc "$work"/out/*.hhk; do
    grep -o -e 'href="[^"]*"' -e 'name="Local" value="[^"]*"' "$file" | sed 's/.*="\([^"]*\)"$/\1/' |
        while IFS= read -r link; do
            case $link in
            http:* | https:* | mailto:*) continue ;;
            esac
            target=${link%%#*}
            [ -n "$target" ] || target=$(basename "$file")
            if [ ! -f "$work/out/$target" ]; then
                echo "FAIL: $(basename "$file") links to $link, which is not in the help file"
            elif [ "$target" != "$link" ] && ! grep -q "id=\"${link#*#}\"" "$work/out/$target"; then
                echo "FAIL: $(basename "$file") links to $link, which names no place in $target"
            fi
        done
done >"$work/links"
if [ -s "$work/links" ]; then
    cat "$work/links"
    failures=$((failures + $(wc -l <"$work/links")))
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures failures"
    exit 1
fi
echo "help file: $(wc -l <"$work/files") files, every page and link in place"
