# Cross-compiles for 32-bit Windows with mingw-w64; test programs run under wine64.
set(IPVIEW_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
