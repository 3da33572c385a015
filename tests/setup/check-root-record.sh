#!/usr/bin/env bash
# Usage: check-root-record.sh ENTER. Checks that a Debian root of the tests (ENTER: the arm64
# build root's enter) made otherwise than the set-up makes it now, by an older set-up that kept no
# record or with other packages, is neither taken as ready nor entered, and that one line says so.
set -uo pipefail
enter=$1
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}
cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
export IPVIEW_ARM64_CACHE=$cache
mkdir -p "$cache/root/usr"
for record in none --include=cmake; do
    [ $record = none ] || echo $record >"$cache/made-with"
    ! "$(dirname "$enter")/setup" --check ||
        fail "the set-up takes a root made with $record as ready"
    out=$("$enter" true 2>&1) && fail "a root made with $record is entered"
    [[ $out == *"scripts/setup makes it again" && $(wc -l <<<"$out") == 1 ]] ||
        fail "no one line says that the set-up makes the root made with $record again: $out"
done
exit $failed
