#!/bin/sh
# Makes a copy of the build's Wine prefix at another display scale: make-dpi-prefix.sh ENV_FILE DPI
# STAMP. The copy (PREFIX-dpiDPI) shares the prefix's files by hard links; only the registry, which
# Wine rewrites whole, is copied, with the dots per inch and a virtual desktop as much larger.
set -eu
. "$1"
dpi=$2
stamp=$3
copy="$WINEPREFIX-dpi$dpi"

rm -rf "$copy" "$stamp"
cp -al "$WINEPREFIX" "$copy"
hex=$(printf '%08x' "$dpi")
width=$((1024 * dpi / 96))
height=$((768 * dpi / 96))
for hive in user.reg system.reg userdef.reg; do
    [ -f "$WINEPREFIX/$hive" ] || continue
    rm -f "$copy/$hive"
    sed -e "s/^\"LogPixels\"=dword:[0-9a-f]*/\"LogPixels\"=dword:$hex/" \
        -e "s/^\"Default\"=\"1024x768\"/\"Default\"=\"${width}x$height\"/" \
        "$WINEPREFIX/$hive" >"$copy/$hive"
done
grep -q "\"LogPixels\"=dword:$hex" "$copy/user.reg"
touch "$stamp"
