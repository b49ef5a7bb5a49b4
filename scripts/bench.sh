#!/usr/bin/env bash
# Builds the benchmark and runs it under Wine in a virtual display: a markdown table of the
# browser's user actions against the platform's own cost. Arguments go to the benchmark
# (--runs N, 5 by default).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
configure "$BUILD64" x86_64-w64-mingw32
cmake --build "$BUILD64" -j "$(nproc)" --target objbrowser_bench wineprefix >/dev/null
cd "$BUILD64/bin"
xvfb-run -a -s "$XVFB_SCREEN" "$BUILD64/wine/run" ./objbrowser_bench.exe "$@" </dev/null
