#!/usr/bin/env bash
# Builds what is needed and starts the sample host under Wine: a macro editor whose Outils menu
# opens the object browser (F2) and the function browsers (Ctrl+F2, Shift+F2) and inserts the
# chosen text. With an X display it opens there (arguments go to the sample host, see --help);
# without one it opens in a virtual display with the object browser beside the editor, showing the Scripting
# runtime's Dictionary.Item, and a screenshot is written and its path printed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
configure "$BUILD64" x86_64-w64-mingw32
cmake --build "$BUILD64" -j "$(nproc)" --target samplehost wineprefix

RUN="$BUILD64/wine/run"
PROGRAM="$BUILD64/bin/samplehost.exe"

# The program writes its texts in code page 1252 to anything but a console: converted here for a
# terminal that reads UTF-8.
text_only=""
for argument in "$@"; do
    case "$argument" in --help|-h|/\?|--list-references) text_only=1 ;; esac
done
if [[ -n "${DISPLAY:-}" || -n "$text_only" ]]; then
    set +e
    "$RUN" "$PROGRAM" "$@" | iconv -f CP1252 -t UTF-8
    exit "${PIPESTATUS[0]}"
fi

shots="$ROOT/build/screenshots"
mkdir -p "$shots"
shot="$shots/objbrowser-$(date +%Y%m%d-%H%M%S).png"
export RUN PROGRAM shot
xvfb-run -a -s "$XVFB_SCREEN" bash -c '
    . "$(dirname "$RUN")/env.sh"
    "$RUN" "$PROGRAM" --start-browser 0 --select Scripting.Dictionary.Item "$@" >/dev/null 2>&1 &
    program=$!
    # Wine starts its desktop first, then the host and the browser.
    sleep "${OBR_SCREENSHOT_DELAY:-8}"
    import -window root "$shot"
    kill "$program" 2>/dev/null || true
    "$WINESERVER" -k 2>/dev/null || true
' run "$@"
echo "$shot"
