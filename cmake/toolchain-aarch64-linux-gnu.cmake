# Cross-compiles the Linux program for arm64 with Debian's cross compiler and the arm64 (multiarch)
# packages of the arm64 build root (toolchain/arm64-root), where it runs; the kernel hands the arm64 test
# programs to the root's user-mode emulator.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# The arm64 libraries, their headers and package files are the multiarch ones; programs, Qt's
# moc and rcc among them, are this machine's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(QT_HOST_PATH /usr)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
# CPack would name the package after this machine's dpkg.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
