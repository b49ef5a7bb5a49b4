# 64-bit Windows build with MinGW-w64; this build runs and is tested under Wine.
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
