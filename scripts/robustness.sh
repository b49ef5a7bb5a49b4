#!/usr/bin/env bash
# The robustness suite over more damaged files than ctest runs: scripts/robustness.sh [VARIANTS [FIRST-SEED]]
# (1000 variants from seed 1 by default; about 0.8 s a variant). It prints how many variants were
# tried, loaded, made the platform's own loader fault or hang in the probe, and were shown; it fails
# on any crash or hang of the browser, naming the seed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
configure "$BUILD64" x86_64-w64-mingw32
cmake --build "$BUILD64" -j "$(nproc)" --target robustness_tests robustness_child wineprefix >/dev/null
cd "$BUILD64/bin"
OBR_ROBUSTNESS_VARIANTS="${1:-1000}" OBR_ROBUSTNESS_SEED="${2:-1}" \
    xvfb-run -a -s "$XVFB_SCREEN" "$BUILD64/wine/run" ./robustness_tests.exe </dev/null
