# Shared by the scripts: where the builds live and how they are configured.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD64="$ROOT/build/x86_64-w64-mingw32"
BUILD32="$ROOT/build/i686-w64-mingw32"

# configure BUILD_DIR TRIPLE: configures a build tree once; later builds reconfigure by themselves.
configure() {
    local dir=$1 triple=$2
    [[ -f "$dir/CMakeCache.txt" ]] && return 0
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$triple.cmake" >/dev/null
}

XVFB_SCREEN="-screen 0 1024x768x24"
