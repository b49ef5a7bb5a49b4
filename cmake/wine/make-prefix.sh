#!/bin/sh
# Creates the Wine prefix of a build tree: make-prefix.sh ENV_FILE SETTINGS_REG STAMP
set -eu
. "$1"
settings=$2
stamp=$3

log="$(dirname "$WINEPREFIX")/make-prefix.log"
rm -rf "$WINEPREFIX" "$stamp"
mkdir -p "$(dirname "$WINEPREFIX")"
# The first Wine start on a freshly installed machine can fail once (seen on a bare CI machine right
# after the packages were installed); a second try from an empty prefix succeeds.
boot() {
    "$WINE" wineboot -i </dev/null >>"$log" 2>&1 && "$WINESERVER" -w
}
if ! boot; then
    echo "wineboot failed once (see $log); trying again" >&2
    "$WINESERVER" -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
    sleep 2
    boot
fi

# Virtual desktop, font replacements, no crash dialog.
"$WINE" regedit /S "Z:$(printf '%s' "$settings" | tr / '\\')" </dev/null >/dev/null 2>&1
"$WINESERVER" -w

# Debian's Wine does not look for its own fonts in the prefix; without them MS Sans Serif and
# Marlett fall back to other faces (dialogs too large, caption buttons drawn as letters).
for font in /usr/share/wine/fonts/*; do
    ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/$(basename "$font")"
done

touch "$stamp"
