#!/usr/bin/env bash
# Usage: check-root-view.sh ENTER. Checks the view in which a program runs in a Debian root of the
# tests (ENTER: the arm64 build root's enter; skipped where that root is not set up): entering
# takes nothing from /tmp, not even a folder that another user planted there under a name that an
# older view took, the program runs in the working folder, even one in a folder that the root has
# entries in (as a clone in /var/tmp or in root's home is), and a folder that cannot be shared
# stops it with one line naming it.
set -uo pipefail
enter=$1
# In a /tmp of the check's own, which another user may have written to.
if [ "${2:-}" != --own-tmp ]; then
    if ! "$(dirname "$enter")/setup" --check; then
        echo "the arm64 build root is not set up: skipped"
        exit 77
    fi
    namespaces=(--mount)
    [ "$(id -u)" -eq 0 ] || namespaces=(--user --map-root-user "${namespaces[@]}")
    exec unshare "${namespaces[@]}" "$0" "$enter" --own-tmp
fi
# The checkout and the working folder, where they lie in the machine's /tmp, stay where they are:
# the machine's /tmp is still reached through a descriptor once the check's own covers it (by the
# descriptor itself: its link's name leads into the check's own).
needed=("$(realpath "$(dirname "$enter")/../..")" "$(pwd -P)")
exec 8</tmp
mount -t tmpfs -o mode=1777 tmpfs /tmp || { echo "FAIL: no /tmp of the check's own" >&2 && exit 1; }
for dir in "${needed[@]}"; do
    [[ $dir == /tmp/* ]] || continue
    mkdir -p "$dir" && mount --no-canonicalize --rbind "/proc/self/fd/8/${dir#/tmp/}" "$dir" ||
        { echo "FAIL: $dir is not seen again in the check's own /tmp" >&2 && exit 1; }
done
exec 8<&-
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

# Another user's folder where an older view and the root's /tmp were, linked to a folder of that
# user's choosing (/etc, say).
chosen=$(mktemp -d -p /tmp) && chmod 755 "$chosen"
planted=$(dirname "$chosen")/ipview-arm64-$(id -u)
mkdir "$planted" && ln -s "$chosen" "$planted/tmp" && ln -s "$chosen" "$planted/view"
tmp() { find /tmp -xdev -printf '%p %M %u\n' | sort; } # not in what is seen again
before=$(tmp)
"$enter" true || fail "a program cannot run in the root"
after=$(tmp)
[ "$after" = "$before" ] ||
    fail "entering the root changed /tmp: $(diff <(echo "$before") <(echo "$after"))"

[ "$(IPVIEW_ROOT_SHARE=$chosen "$enter" pwd)" = "$PWD" ] ||
    fail "the program does not run in $PWD, its working folder"
elsewhere=$(mktemp -d -p /var/tmp)
trap 'rm -rf "$elsewhere"' EXIT
[ "$(cd "$elsewhere" && "$enter" pwd)" = "$elsewhere" ] ||
    fail "the program does not run in $elsewhere, in a folder that the root has entries in"
out=$(IPVIEW_ROOT_SHARE=$chosen/missing "$enter" true 2>&1) &&
    fail "the program runs without the folder that it was to see"
[[ $out == *$chosen/missing* && $(wc -l <<<"$out") == 1 ]] ||
    fail "no one line names the folder that cannot be shared: $out"
exit $failed
