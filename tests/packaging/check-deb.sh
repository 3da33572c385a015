#!/usr/bin/env bash
# Checks the Debian package of ipview as one who installs it finds it: valid metadata, exactly the
# expected files, its dependencies, and a program that opens its window with its icon.
# Usage: check-deb.sh DEB CLOSE-WINDOW-HELPER [--chroot]
#   --chroot  also installs it with apt into a fresh minimal Debian and runs it there
set -euo pipefail
deb=$(realpath "$1")
export E2E_CLOSE_WINDOW=$2
source "$(dirname "$0")/../e2e/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"

desktop-file-validate "$work"/root/usr/share/applications/io.github.ipview.desktop
# Also checks that the desktop entry the metadata names is there.
appstreamcli validate-tree --no-net "$work/root"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[ "$files" = "./usr/bin/ipview
./usr/share/applications/io.github.ipview.desktop
./usr/share/icons/hicolor/128x128/apps/ipview.png
./usr/share/icons/hicolor/scalable/apps/ipview.svg
./usr/share/metainfo/io.github.ipview.metainfo.xml" ] || e2e_fail "the package holds: $files"

fields=$(dpkg-deb -f "$deb" Depends Recommends)
echo "$fields"
grep -q '^Depends: .*libqt6widgets6 ' <<<"$fields" || e2e_fail "no dependency on Qt Widgets"
grep -qx 'Recommends: fonts-arphic-uming, fonts-arphic-ukai' <<<"$fields" ||
    e2e_fail "the Chinese fonts are not recommended"

# Starts the installed program with COMMAND... on a display of its own, finds its window and
# icon, and closes it.
opens_and_closes() (
    e2e_start_display
    e2e_start_app "$@"
    local window
    window=$(e2e_wait_window "Torvale - ip查看工具")
    [[ $(xprop -id "$window" -f _NET_WM_ICON 32c _NET_WM_ICON) == *"= 128, 128,"* ]] ||
        e2e_fail "the window has no 128-pixel icon"
    e2e_close_window "$window"
    e2e_wait_app_exit
    [ "$E2E_APP_STATUS" = 0 ] || e2e_fail "exit status $E2E_APP_STATUS after a normal close"
)

# Unpacked, it must find all it needs on the system rather than in the build tree that made it.
! readelf -d "$work/root/usr/bin/ipview" | grep -E 'R(UN)?PATH' || e2e_fail "it has a library path"
opens_and_closes "$work/root/usr/bin/ipview"

[ "${3:-}" = --chroot ] || exit 0
# The chroot reaches the display through its abstract socket.
debootstrap --variant=minbase "$(. /etc/os-release && echo "$VERSION_CODENAME")" \
    "$work/debian" >"$work/log" || e2e_fail "debootstrap failed: $(tail -n 3 "$work/log")"
cp "$deb" "$work/debian/tmp/"
chroot "$work/debian" env DEBIAN_FRONTEND=noninteractive sh -c \
    "apt-get update && apt-get install -y /tmp/${deb##*/}" </dev/null \
    >"$work/log" 2>&1 || e2e_fail "apt failed: $(tail -n 3 "$work/log")"
grep -E '^(Setting up ipview|[0-9]+ upgraded)' "$work/log"
opens_and_closes chroot "$work/debian" /usr/bin/ipview
