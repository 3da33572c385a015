# Cross-compiles for 64-bit Windows with mingw-w64; test programs run under wine64.
set(IPVIEW_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
