# 32-bit Windows build with MinGW-w64; compiled as a check, it cannot run here.
set(MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
