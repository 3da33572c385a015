# What the Debian roots of the tests share: the check that one is ready and, in their making, the
# archive and proxy of this machine's apt, a log, a lock, a static user-mode emulator from the
# backports' qemu-user and its registration with the kernel. Sourced by each root's lib.sh; its
# setup first sets root_name (what the root is, for messages), root_cache (its folder) and log
# (its log file).

# Usage: root_require WHAT ROOT ENTRY. Fails with one line saying what is missing of WHAT, whose
# root is ROOT and whose emulator's binfmt_misc entry is ENTRY.
root_require() {
    if [ ! -d "$2/usr" ]; then
        echo "$1 is not set up in $2: scripts/setup makes it" >&2
        exit 2
    elif [ ! -e "$3" ]; then
        echo "the emulator of $1 is not registered (as after a reboot): scripts/setup does it" >&2
        exit 2
    fi
}

root_fail() {
    echo "setup: $root_name cannot be set up: $* (log: $log)" >&2
    exit 1
}

# Readies the making of a root: as root only, one at a time, the log on fd 3; sets mirror.
root_begin() {
    [ "$(id -u)" -eq 0 ] || { echo "setup: setting up $root_name needs root" >&2; exit 1; }
    # The archive and the proxy that this machine's apt uses; debootstrap reads no apt settings.
    mirror=$("$(dirname "${BASH_SOURCE[0]}")/../../scripts/debian-mirror") || exit 1
    eval "$(apt-config shell http_proxy Acquire::http::Proxy)"
    [ -z "${http_proxy:-}" ] || export http_proxy
    mkdir -p "$root_cache"
    exec 3>>"$log"
    exec 9>"$root_cache.lock"
    flock 9
}

# Usage: root_take_emulator NAME FILE. Takes the static emulator NAME (qemu-i386, qemu-aarch64)
# out of the backports' qemu-user into FILE, without adding backports to the machine's sources.
# Debian 12's own (7.2) ignores MAP_FIXED_NOREPLACE, and wine's address-space reservation then
# takes minutes in every wine process; 8.1 and later honour it.
root_take_emulator() {
    local download deb version
    download=$(mktemp -d)
    trap 'rm -rf "$download"' RETURN
    deb=$("$(dirname "${BASH_SOURCE[0]}")/../../scripts/debian-download" qemu-user \
        bookworm-backports "$download" 2>&3) ||
        root_fail "cannot download qemu-user from bookworm-backports"
    dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/bin/$1" >"$2.new"
    chmod 755 "$2.new"
    version=$("$2.new" --version | sed -n "s/^$1 version \([0-9.]*\).*/\1/p")
    [ -n "$version" ] && dpkg --compare-versions "$version" ge 8.1 ||
        root_fail "the emulator in qemu-user is version \"$version\", not 8.1 or later"
    file -bL "$2.new" | grep -q 'static' || root_fail "the emulator in qemu-user is not static"
    mv "$2.new" "$2"
}

# Usage: root_registered ENTRY EMULATOR. Tells whether the binfmt_misc entry ENTRY hands its
# programs to EMULATOR, opened at registration.
root_registered() {
    grep -qx "interpreter $2" "$1" 2>/dev/null && grep -qx 'flags: F' "$1"
}

# Usage: root_register_emulator ENTRY EMULATOR MAGIC MASK. ELF programs whose header matches go
# to the emulator; F opens it now, so that it runs them inside a root too. The entry, under the
# project's own name, is lost at each boot.
root_register_emulator() {
    local binfmt
    binfmt=$(dirname "$1")
    [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt" >&3 2>&1 ||
        root_fail "cannot mount binfmt_misc on $binfmt"
    root_registered "$1" "$2" && return 0
    [ ! -e "$1" ] || echo -1 >"$1"
    printf '%s' ":$(basename "$1"):M::$3:$4:$2:F" >"$binfmt/register" 2>&3 ||
        root_fail "the kernel refuses to register the emulator"
}
