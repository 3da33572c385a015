#!/usr/bin/env bash
# Usage: check-deb.sh DEB CLOSE-WINDOW-HELPER [--chroot]. Checks the package as one who installs it
# finds it; --chroot also installs it with apt into a fresh minimal Debian of the package's
# architecture, once with apt's defaults and once without recommends, and runs it there.
set -euo pipefail
deb=$(realpath "$1")
export E2E_CLOSE_WINDOW=$2
source "$(dirname "$0")/../e2e/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"

desktop-file-validate "$work"/root/usr/share/applications/io.github.ipview.desktop
appstreamcli validate-tree --no-net "$work/root" # also finds the desktop entry it names
appstreamcli validate --pedantic --no-net "$work"/root/usr/share/metainfo/io.github.ipview.metainfo.xml
# Tags it keeps are listed with their reasons in the package's overrides. The sanitizers' build is
# unoptimised, and the C library checks buffers only where the compiler optimises.
unfortified=()
! dpkg-deb -f "$deb" Depends | grep -q libasan ||
    unfortified=(--suppress-tags hardening-no-fortify-functions)
lintian --fail-on error,warning,info,pedantic --display-info --pedantic "${unfortified[@]}" "$deb"
[ -z "$(zcat "$work/root/usr/share/man/man1/ipview.1.gz" | groff -ww -z -man -Tutf8 2>&1)" ] ||
    e2e_fail "the manual page has warnings"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort | xargs)
[ "$files" = "$(printf './usr/%s\n' bin/ipview share/applications/io.github.ipview.desktop \
    share/doc/ipview/{changelog.gz,copyright} \
    share/icons/hicolor/{128x128/apps/ipview.png,scalable/apps/ipview.svg} \
    share/lintian/overrides/ipview share/man/man1/ipview.1.gz \
    share/metainfo/io.github.ipview.metainfo.xml | xargs)" ] || e2e_fail "it holds: $files"
fields=$(dpkg-deb -f "$deb" Depends Recommends)
grep -q '^Depends: .*libqt6widgets6 ' <<<"$fields" || e2e_fail "no Qt Widgets in: $fields"
grep -q '^Depends: .*fonts-arphic-ukai | fonts-noto-cjk | fonts-wqy-zenhei' <<<"$fields" ||
    e2e_fail "no Chinese font in: $fields"
grep -qx 'Recommends: fonts-arphic-uming, fonts-arphic-ukai, qt6-wayland' <<<"$fields" ||
    e2e_fail "not the window's faces and Qt's Wayland platform in: $fields"
! readelf -d "$work/root/usr/bin/ipview" | grep -E 'R(UN)?PATH' || e2e_fail "it uses the build tree"

# Runs COMMAND... on a display of its own: a window with a 128-pixel icon, status 0 after a close.
opens_and_closes() (
    e2e_start_display
    e2e_start_app "$@"
    window=$(e2e_wait_window "$E2E_CAPTION")
    [[ $(xprop -id "$window" -f _NET_WM_ICON 32c _NET_WM_ICON) == *"= 128, 128,"* ]] ||
        e2e_fail "the window has no 128-pixel icon"
    e2e_close_window "$window"
    e2e_wait_app_exit
    [ "$E2E_APP_STATUS" = 0 ] || e2e_fail "exit status $E2E_APP_STATUS after a normal close"
)
# A package of another architecture (arm64) runs in the build root of its architecture, under its
# emulator; the helper that closes the window is this machine's.
arch=$(dpkg-deb -f "$deb" Architecture)
where=()
[ "$arch" = "$(dpkg --print-architecture)" ] ||
    where=(env IPVIEW_ROOT_SHARE="$work" "$(dirname "$0")/../../toolchain/$arch-root/enter")
opens_and_closes "${where[@]}" "$work/root/usr/bin/ipview"

[ "${3:-}" = --chroot ] || exit 0
[ "$(id -u)" -eq 0 ] || e2e_fail "installing the package into a fresh Debian needs root (mmdebstrap, chroot)"
# The chroot reaches the display through its abstract socket. Two copies of one fresh Debian take
# the package, the one without recommends first; the other then downloads only what they add.
# The emulator of another architecture is the kernel's concern, as for the roots of the tests.
mmdebstrap --variant=minbase --architectures="$arch" --skip=check/qemu \
    "$(. /etc/os-release && echo "$VERSION_CODENAME")" "$work/no-recommends" \
    "$("$(dirname "$0")/../../scripts/debian-mirror")"
cp "$deb" "$work/no-recommends/tmp/"
chroot "$work/no-recommends" apt-get update </dev/null
cp -a "$work/no-recommends" "$work/defaults"
# Usage: installs_and_runs ROOT [APT-OPTION...]
installs_and_runs() {
    chroot "$1" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${@:2}" "/tmp/${deb##*/}" \
        </dev/null
    opens_and_closes chroot "$1" /usr/bin/ipview
}
installs_and_runs "$work/no-recommends" --no-install-recommends
cp "$work"/no-recommends/var/cache/apt/archives/*.deb "$work/defaults/var/cache/apt/archives/"
installs_and_runs "$work/defaults"
installed() { chroot "$1" dpkg-query -W -f '${Package}\n' | sort; }
recommended=$(comm -13 <(installed "$work/no-recommends") <(installed "$work/defaults") | xargs)
echo "apt's defaults brought also: $recommended"
[[ " $recommended " == *" qt6-wayland "* ]] ||
    e2e_fail "qt6-wayland is not among what the recommends brought"
