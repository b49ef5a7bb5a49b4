#!/bin/sh
# Creates the Wine prefix of a build tree: make-prefix.sh ENV_FILE SETTINGS_REG STAMP
set -eu
. "$1"
settings=$2
stamp=$3

rm -rf "$WINEPREFIX" "$stamp"
mkdir -p "$(dirname "$WINEPREFIX")"
"$WINE" wineboot -i </dev/null >/dev/null 2>&1
"$WINESERVER" -w

# Virtual desktop, font replacements, no crash dialog.
"$WINE" regedit /S "Z:$(printf '%s' "$settings" | tr / '\\')" </dev/null >/dev/null 2>&1
"$WINESERVER" -w

# Debian's Wine does not look for its own fonts in the prefix; without them MS Sans Serif and
# Marlett fall back to other faces (dialogs too large, caption buttons drawn as letters).
for font in /usr/share/wine/fonts/*; do
    ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/$(basename "$font")"
done

touch "$stamp"
