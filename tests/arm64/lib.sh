# The arm64 build root, outside every source and build tree: where its Debian root, the emulator
# that runs its arm64 programs and the kernel's entry for them live, and the check that it is
# ready. Sourced by the scripts that make and use it.
arm64_cache=${IPVIEW_ARM64_CACHE:-/var/cache/ipview/arm64}
arm64_root=$arm64_cache/root
arm64_emulator=$arm64_cache/qemu-aarch64
arm64_binfmt=/proc/sys/fs/binfmt_misc/ipview-aarch64

source "$(dirname "${BASH_SOURCE[0]}")/../debian-root/lib.sh"
# Fails with one line saying what is missing of the arm64 build root whose root is $1.
arm64_require() { root_require "the arm64 build root" "$1" "$arm64_binfmt"; }
