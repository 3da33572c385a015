# What both Windows toolchains share: the compilers of IPVIEW_MINGW_TRIPLE, a static runtime and
# wine as the emulator through which ctest runs Windows programs (IPVIEW_WINE_RUN_OPTIONS: which
# wine).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${IPVIEW_MINGW_TRIPLE})

# The posix thread model gives the standard library its threads and mutexes (GoogleTest needs
# them); linked statically, its winpthread adds no DLL.
set(CMAKE_C_COMPILER ${IPVIEW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${IPVIEW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${IPVIEW_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${IPVIEW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")
# The shipping build keeps each function and datum in a section of its own, so that the linker
# drops what the program never uses.
set(CMAKE_C_FLAGS_MINSIZEREL_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_MINSIZEREL_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s -Wl,--gc-sections")
# The wrapper keeps its wine prefix in the build tree of the program it runs.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../toolchain/wine-run
    ${IPVIEW_WINE_RUN_OPTIONS})
