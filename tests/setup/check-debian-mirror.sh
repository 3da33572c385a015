#!/usr/bin/env bash
# Usage: check-debian-mirror.sh DEBIAN-MIRROR. Checks that the archive is the one this machine's
# apt sources name for its release, in either format of theirs, unless the environment names one.
set -uo pipefail
mirror=$1
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# Usage: case NAME EXPECTED [VARIABLE=VALUE...]: the mirror printed with the sources in $work/etc.
case_() {
    local name=$1 expected=$2 printed
    shift 2
    printf 'Dir::Etc::SourceList "%s";\nDir::Etc::SourceParts "%s";\n' \
        "$work/etc/sources.list" "$work/etc/sources.list.d" >"$work/apt.conf"
    printed=$(env APT_CONFIG="$work/apt.conf" "$@" "$mirror" 2>"$work/error")
    if [ "$printed" != "$expected" ]; then
        echo "FAIL: $name: printed \"$printed\", not \"$expected\" ($(cat "$work/error"))" >&2
        failed=1
    fi
}
sources() { # the one-line list, then the deb822 file
    rm -rf "$work/etc" && mkdir -p "$work/etc/sources.list.d"
    printf '%s' "$1" >"$work/etc/sources.list"
    printf '%s' "${2:-}" >"$work/etc/sources.list.d/debian.sources"
}

sources "deb [arch=amd64] http://one-line.example/debian/ $release main contrib
deb http://one-line.example/security $release-security main
"
case_ "a one-line list" http://one-line.example/debian

sources "" "Types: deb
URIs: http://security.example/debian-security
Suites: $release-security
Components: main

Types: deb-src deb
URIs: https://deb822.example/debian
Suites: $release $release-updates
Components: contrib main
"
case_ "a deb822 file, the archive after the security one" https://deb822.example/debian

sources "deb http://other-release.example/debian not-$release main
deb http://only-contrib.example/debian $release contrib
deb-src http://only-sources.example/debian $release main
"
case_ "no source of this release's main packages" ""
grep -q IPVIEW_DEBIAN_MIRROR "$work/error" ||
    { echo "FAIL: no source: the error does not name the variable that can" >&2; failed=1; }

case_ "the environment's archive wins" http://chosen.example/debian \
    IPVIEW_DEBIAN_MIRROR=http://chosen.example/debian
exit $failed
