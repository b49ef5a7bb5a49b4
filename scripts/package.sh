#!/usr/bin/env bash
# Builds both bitnesses and writes the release archives dist/objbrowser-<version>-win64.zip and
# -win32.zip: each the installed SDK (bin, lib, include, lib/cmake), the C example host, README
# and CHANGES.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup.sh"
configure "$BUILD64" x86_64-w64-mingw32
configure "$BUILD32" i686-w64-mingw32
mkdir -p "$ROOT/dist"
for build in "$BUILD64:win64" "$BUILD32:win32"; do
    dir=${build%%:*} platform=${build##*:}
    echo "== Building $platform"
    cmake --build "$dir" -j "$(nproc)"
    cmake -DBUILD="$dir" -DSOURCE="$ROOT" -DPLATFORM="$platform" \
        -DDIST="$ROOT/dist" -P "$ROOT/cmake/Package.cmake"
done
