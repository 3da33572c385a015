# The 32-bit wine, outside every source and build tree: where its i386 Debian root, the emulator
# that runs the root's programs and the wine prefix that each run copies live, and the check that
# it is ready. Sourced by the scripts that make and use it.
wine32_cache=${IPVIEW_WINE32_CACHE:-/var/cache/ipview/wine32}
wine32_root=$wine32_cache/root
wine32_prefix=$wine32_root/prefix
wine32_emulator=$wine32_cache/qemu-i386
wine32_binfmt=/proc/sys/fs/binfmt_misc/ipview-i386

source "$(dirname "${BASH_SOURCE[0]}")/../../debian-root/lib.sh"
# Fails with one line saying what is missing of the 32-bit wine whose root is $1.
wine32_require() { root_require "the 32-bit wine" "$1" "$wine32_binfmt"; }
