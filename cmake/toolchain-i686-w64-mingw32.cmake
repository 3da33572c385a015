# Cross-compiles for 32-bit Windows with mingw-w64; test programs run under the 32-bit wine.
set(IPVIEW_MINGW_TRIPLE i686-w64-mingw32)
set(IPVIEW_WINE_RUN_OPTIONS --32-bit)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
