#!/usr/bin/env bash
# Usage: check-tarball.sh TARBALL DEB. Builds the program from the source release with CMake alone,
# as another distribution's packager would, and checks that `cmake --install` installs the Debian
# package's files less Debian's own: its copyright, changelog and lintian overrides.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar -xzf "$1" -C "$work"
# With flags of the distribution's own, as Arch's, which choose their level of fortification.
CXXFLAGS=-Wp,-D_FORTIFY_SOURCE=3 cmake -S "$work/$(basename "$1" .tar.gz)" -B "$work/build" \
    -G Ninja -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$work/build" --target ipview
DESTDIR="$work/installed" cmake --install "$work/build" >/dev/null
installed=$(cd "$work/installed" && find . -type f | sort)
expected=$(dpkg-deb -c "$2" | awk '$1 !~ /^d/ { print $6 }' |
    grep -v -e '^\./usr/share/doc/' -e '^\./usr/share/lintian/' | sort)
[ "$installed" = "$expected" ] || {
    echo "FAILED: cmake --install installs $(xargs <<<"$installed")," \
        "not $(xargs <<<"$expected")" >&2
    exit 1
}
