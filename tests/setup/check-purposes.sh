#!/usr/bin/env bash
# Usage: check-purposes.sh SETUP. Checks what each purpose of the set-up installs: running the
# program brings none of the tools of the tests or the packages, the tests bring what every other
# purpose does, and no package is listed twice.
set -uo pipefail
setup=$1
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}
list() { "$setup" --list "$1" | sort; }

for purpose in run bench screenshots package test; do
    [ -n "$(list $purpose)" ] || fail "$purpose installs nothing"
    repeated=$(list $purpose | uniq -d | xargs)
    [ -z "$repeated" ] || fail "$purpose lists $repeated more than once"
done
# The Windows toolchains, wine, the Debian roots and their tools, the compositors, the lint, the
# tests' libraries, the signing tools and the tests' token.
test_only='mingw|wine|qemu|debootstrap|mmdebstrap|bubblewrap|arch-test|sway|weston|lintian'
test_only+='|gtest|gmock|benchmark|xvfb|xdotool|osslsigncode|softhsm'
tools=$(list run | grep -E "$test_only" | xargs)
[ -z "$tools" ] || fail "running the program installs $tools"
for purpose in run bench screenshots package; do
    beyond=$(comm -23 <(list $purpose) <(list test) | xargs)
    [ -z "$beyond" ] || fail "the tests do not install $beyond, which $purpose does"
done
"$setup" --list nonsense >/dev/null 2>&1 && fail "an unknown purpose is taken"
exit $failed
