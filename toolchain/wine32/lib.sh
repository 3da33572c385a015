# The 32-bit wine, outside every source and build tree: an i386 Debian root with wine32 inside,
# where it lives, what it is made of, the wine prefix that each run copies, and the emulator and
# the kernel's entry that run its programs. Sourced by the scripts that make and use it.
root_name="the 32-bit wine"
root_cache=${IPVIEW_WINE32_CACHE:-/var/cache/ipview/wine32}
root_arch=i386 root_qemu=qemu-i386 root_binfmt=/proc/sys/fs/binfmt_misc/ipview-i386
# Wine and the X libraries it loads, and the prefix that each run copies, made once (no display,
# and no offer to install .NET or a browser engine: the programs need neither); users copy it too.
root_making=(--variant=minbase --architectures=i386
    --include=wine,wine32,fonts-wine,libxrender1,libxrandr2,libxcursor1,libxi6,libxfixes3
    --include=libxinerama1,libxcomposite1,libxxf86vm1
    --customize-hook='chroot "$1" env WINEPREFIX=/prefix WINEDEBUG=-all DISPLAY= \
        WINEDLLOVERRIDES="mscoree,mshtml=" sh -c "wine wineboot --init && wineserver -w"'
    --customize-hook='chmod -R a+rX "$1/prefix"')

source "$(dirname "${BASH_SOURCE[0]}")/../debian-root/lib.sh"
wine32_prefix=$root_dir/prefix
