#!/usr/bin/env bash
# Builds what is needed and shows the object browser's dialog under Wine.
# With an X display the dialog opens there; without one it opens in a virtual display, and a
# screenshot is written and its path printed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
configure "$BUILD64" x86_64-w64-mingw32
cmake --build "$BUILD64" -j "$(nproc)" --target objbrowser showdialog wineprefix

RUN="$BUILD64/wine/run"
PROGRAM="$BUILD64/bin/showdialog.exe"

if [[ -n "${DISPLAY:-}" ]]; then
    exec "$RUN" "$PROGRAM" "$@"
fi

shots="$ROOT/build/screenshots"
mkdir -p "$shots"
shot="$shots/objbrowser-$(date +%Y%m%d-%H%M%S).png"
export RUN PROGRAM shot
xvfb-run -a -s "$XVFB_SCREEN" bash -c '
    . "$(dirname "$RUN")/env.sh"
    "$RUN" "$PROGRAM" "$@" >/dev/null 2>&1 &
    program=$!
    # Wine starts its desktop first and the dialog a moment later.
    sleep "${OBR_SCREENSHOT_DELAY:-6}"
    import -window root "$shot"
    kill "$program" 2>/dev/null || true
    "$WINESERVER" -k 2>/dev/null || true
' run "$@"
echo "$shot"
