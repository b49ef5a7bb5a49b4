#!/usr/bin/env bash
# Builds the 64-bit and 32-bit modules and runs every test under Wine in a virtual X display.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"

configure "$BUILD64" x86_64-w64-mingw32
configure "$BUILD32" i686-w64-mingw32
jobs=$(nproc)

echo "== Building x86_64 (run and tested under Wine)"
# The build needs no display: the tests are listed when ctest runs them, under Xvfb.
cmake --build "$BUILD64" -j "$jobs"
echo "== Building i686 (compile check)"
cmake --build "$BUILD32" -j "$jobs"
echo "== The C example host against the installed i686 SDK (compile check)"
cmake --install "$BUILD32" --prefix "$BUILD32/sdk-check/install" > /dev/null
cmake -S "$ROOT/examples/c-host" -B "$BUILD32/sdk-check/c-host" > /dev/null \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-w64-mingw32.cmake" \
    -DCMAKE_PREFIX_PATH="$BUILD32/sdk-check/install"
cmake --build "$BUILD32/sdk-check/c-host"

echo "== Testing"
cd "$BUILD64"
xvfb-run -a -s "$XVFB_SCREEN" ctest --output-on-failure --timeout 120 -j "$jobs" "$@"
