# What the project's Debian roots share: the check that one is ready and its making: by
# mmdebstrap, from the archive and through the proxy of this machine's apt, recorded with what it
# was made of, with a log and a lock, and a static user-mode emulator from the backports'
# qemu-user, registered with the kernel only where the kernel cannot run the emulated programs
# itself. Sourced by each root's lib.sh, which sets root_name (what the root is, for messages),
# root_cache (its folder), root_arch (the Debian architecture whose programs may need the
# emulator), root_qemu (qemu-user's emulator of it), root_binfmt (the kernel's entry for them) and
# root_making (mmdebstrap's options), and may set root_suite (the Debian release: bookworm unless
# set).
root_dir=$root_cache/root
root_record=$root_cache/made-with
root_emulator=$root_cache/$root_qemu
# The folders and files that the machine's fonts and name resolution are seen at (./enter).
root_making+=(
    --customize-hook='mkdir -p "$1/usr/share/fonts" && touch "$1/etc/hosts" "$1/etc/resolv.conf"')

# The record of a root made now: mmdebstrap's options, so that a root made of other packages or
# in another way is made again.
root_recipe() { printf '%s\n' "${root_making[@]}"; }

# Tells whether the root is made as it would be made now.
root_made() {
    [ -d "$root_dir/usr" ] && [ "$(cat "$root_record" 2>/dev/null)" = "$(root_recipe)" ]
}

# Tells whether the kernel runs the root's emulated programs: itself (arch-test -n runs a static
# program of that architecture in a way that no emulator passes), or through the project's entry.
root_runs() {
    grep -qx enabled "$root_binfmt" 2>/dev/null || arch-test -n "$root_arch" >/dev/null
}

# Fails with one line saying what is missing of the root.
root_require() {
    if [ ! -d "$root_dir/usr" ]; then
        echo "$root_name is not set up in $root_cache: scripts/setup makes it" >&2
        exit 2
    elif ! root_made; then
        echo "$root_name in $root_cache was made otherwise than the set-up makes it now:" \
            "scripts/setup makes it again" >&2
        exit 2
    elif ! root_runs; then
        echo "the emulator of $root_name is not registered (as after a reboot):" \
            "scripts/setup does it" >&2
        exit 2
    fi
}

root_fail() {
    echo "setup: $root_name cannot be set up: $* (log: $root_cache/setup.log)" >&2
    exit 1
}

# Takes the static emulator out of the backports' qemu-user, without adding backports to the
# machine's sources. Debian 12's own (7.2) ignores MAP_FIXED_NOREPLACE, and wine's address-space
# reservation then takes minutes in every wine process; 8.1 and later honour it.
root_take_emulator() (
    local download deb version
    download=$(mktemp -d)
    trap 'rm -rf "$download"' EXIT
    deb=$("$(dirname "${BASH_SOURCE[0]}")/../../scripts/debian-download" qemu-user \
        bookworm-backports "$download" 2>&3) ||
        root_fail "cannot download qemu-user from bookworm-backports"
    dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/bin/$root_qemu" >"$root_emulator.new"
    chmod 755 "$root_emulator.new"
    version=$("$root_emulator.new" --version | sed -n "s/^$root_qemu version \([0-9.]*\).*/\1/p")
    [ -n "$version" ] && dpkg --compare-versions "$version" ge 8.1 ||
        root_fail "the emulator in qemu-user is version \"$version\", not 8.1 or later"
    file -bL "$root_emulator.new" | grep -q 'static' ||
        root_fail "the emulator in qemu-user is not static"
    mv "$root_emulator.new" "$root_emulator"
)

# Usage: root_register_emulator MAGIC MASK. ELF programs whose header matches go to the
# emulator; F opens it now, so that it runs them inside a root too. The entry, under the
# project's own name, is lost at each boot.
root_register_emulator() {
    local binfmt
    binfmt=$(dirname "$root_binfmt")
    [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt" >&3 2>&1 ||
        root_fail "cannot mount binfmt_misc on $binfmt"
    [ -x "$root_emulator" ] || root_take_emulator
    [ ! -e "$root_binfmt" ] || echo -1 >"$root_binfmt"
    printf '%s' ":${root_binfmt##*/}:M::$1:$2:$root_emulator:F" >"$binfmt/register" 2>&3 ||
        root_fail "the kernel refuses to register the emulator"
}

# Root makes the root in its folder, runs programs of it, and registers the emulator there: only in
# a folder that no other user made or can change (as one in /tmp that another user made first),
# every folder on the way root's and writable by root alone, or by all in a sticky one (/tmp) only.
# Checked before root makes the folder, and then with it.
root_own_cache() {
    local folder=$root_cache owner mode
    until [ -e "$folder" ]; do folder=$(dirname "$folder"); done
    folder=$(realpath "$folder")
    while :; do
        read -r owner mode < <(stat -c '%u %a' "$folder")
        if [ "$owner" != 0 ] || { [ $((8#$mode & 8#022)) -ne 0 ] && [ ! -k "$folder" ]; }; then
            echo "setup: $root_name is not set up in $root_cache: $folder is not root's own" \
                "folder, or others than root can change it" >&2
            exit 1
        fi
        [ "$folder" != / ] || return 0
        folder=$(dirname "$folder")
    done
}

# Usage: root_setup MAGIC MASK [--check]. Makes the root unless it is made as it would be now,
# and registers the emulator for ELF programs whose header matches MAGIC under MASK where the
# kernel runs them neither itself nor through the entry; then says what it left on the machine.
# --check: only tells, by its status, whether the root is ready.
root_setup() {
    if root_made && root_runs; then
        return 0
    elif [ "${3:-}" = --check ]; then
        return 1
    fi
    [ "$(id -u)" -eq 0 ] || { echo "setup: setting up $root_name needs root" >&2; exit 1; }
    root_own_cache
    mkdir -p "$root_cache"
    root_own_cache
    rm -f "$root_cache.lock" # an older set-up's, beside the folder
    exec 3>>"$root_cache/setup.log" 9>"$root_cache/lock"
    flock 9
    local started=$SECONDS
    root_runs || root_register_emulator "$1" "$2"
    root_made || root_make
    echo "setup: $root_name is ready ($((SECONDS - started)) s)" >&3
    echo "setup: left on this machine: $root_name in $root_cache," \
        "$(du -sh "$root_cache" | cut -f1) (to remove it, as root: rm -rf $root_cache)"
    [ ! -e "$root_binfmt" ] || echo "setup: left on this machine until the next boot: the" \
        "kernel's entry ${root_binfmt##*/}, which hands every $root_arch program of the machine" \
        "to $(sed -n 's/^interpreter //p' "$root_binfmt") (to remove it, as root:" \
        "echo -1 >$root_binfmt)"
}

# Makes the root anew, in the archive and through the proxy that this machine's apt uses.
root_make() {
    local mirror new=$root_dir.new
    mirror=$("$(dirname "${BASH_SOURCE[0]}")/../../scripts/debian-mirror") || exit 1
    eval "$(apt-config shell http_proxy Acquire::http::Proxy)"
    [ -z "${http_proxy:-}" ] || export http_proxy
    rm -rf "$new" "$root_record"
    # The emulator is the kernel's concern: mmdebstrap looks only for its own names of it.
    mmdebstrap --mode=root --skip=check/qemu "${root_making[@]}" "${root_suite:-bookworm}" \
        "$new" "$mirror" >&3 2>&1 || root_fail "mmdebstrap cannot make it"
    rm -rf "$root_dir"
    mv "$new" "$root_dir"
    root_recipe >"$root_record"
}
