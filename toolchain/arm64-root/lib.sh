# The arm64 build root, outside every source and build tree: an amd64 Debian root whose own dpkg
# knows arm64, where it lives, what it is made of, and the emulator and the kernel's entry that run
# its arm64 programs. Sourced by the scripts that make and use it.
root_name="the arm64 build root"
root_cache=${IPVIEW_ARM64_CACHE:-/var/cache/ipview/arm64}
root_arch=arm64 root_qemu=qemu-aarch64 root_binfmt=/proc/sys/fs/binfmt_misc/ipview-aarch64
# The cross compiler, the build tools and Qt's own (moc, rcc) for this machine; the arm64 libraries
# the program, its tests and their end-to-end helper link to, and the plugins Qt loads; what
# dpkg-shlibdeps and CPack read the package's dependencies with; a private X display driven as a
# person would, and network namespaces, for the tests.
root_making=(--variant=minbase --architectures=amd64,arm64
    --include=crossbuild-essential-arm64,cmake,ninja-build,pkg-config,qt6-base-dev-tools
    --include=qt6-base-dev:arm64,libgl-dev:arm64,libfontconfig-dev:arm64,libwayland-dev:arm64
    --include=qt6-wayland:arm64,qt6-qpa-plugins:arm64,libidn2-0:arm64,libgtest-dev:arm64
    --include=libgmock-dev:arm64,libx11-dev:arm64,dpkg-dev,file,xvfb,xauth,x11-utils
    --include=x11-xserver-utils,xdotool,xclip,iproute2)

source "$(dirname "${BASH_SOURCE[0]}")/../debian-root/lib.sh"
