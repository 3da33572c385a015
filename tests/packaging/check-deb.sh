#!/usr/bin/env bash
# Checks the Debian package of ipview: its metadata files validate, it holds exactly the expected
# files and declares its dependencies, and the program it installs opens its window.
# Usage: check-deb.sh DEB CLOSE-WINDOW-HELPER [metadata|contents|fields|runs|installs]...
# Without checks named, runs all but "installs", which needs the Debian archive and two minutes.
set -euo pipefail
deb=$(realpath "$1")
export E2E_CLOSE_WINDOW=$2
shift 2
source "$(dirname "$0")/../e2e/lib.sh"

work=$(mktemp -d)
cleanup() {
    e2e_stop_display
    rm -rf "$work"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$work/unpacked"

check_metadata() {
    desktop-file-validate "$work"/unpacked/usr/share/applications/io.github.ipview.desktop
    # Also checks that the desktop entry the metadata names is there.
    appstreamcli validate-tree --no-net "$work/unpacked"
}

check_contents() {
    local expected actual
    expected='./usr/bin/ipview
./usr/share/applications/io.github.ipview.desktop
./usr/share/icons/hicolor/128x128/apps/ipview.png
./usr/share/icons/hicolor/scalable/apps/ipview.svg
./usr/share/metainfo/io.github.ipview.metainfo.xml'
    actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
    [ "$actual" = "$expected" ] || e2e_fail "the package holds:"$'\n'"$actual"
}

check_fields() {
    local depends recommends package
    depends=$(dpkg-deb -f "$deb" Depends)
    recommends=$(dpkg-deb -f "$deb" Recommends)
    echo "Depends: $depends"$'\n'"Recommends: $recommends"
    for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
        [[ ", $depends," == *", $package "* ]] || e2e_fail "no dependency on $package"
    done
    for package in fonts-arphic-uming fonts-arphic-ukai; do
        [[ ", $recommends," == *", $package,"* ]] || e2e_fail "$package is not recommended"
    done
}

# Starts the installed program with COMMAND..., finds its window and icon, and closes it.
check_window_of() {
    local window icon
    [ -n "${E2E_XVFB_PID:-}" ] || e2e_start_display
    e2e_start_app "$@"
    window=$(e2e_wait_window "Torvale - ip查看工具")
    icon=$(xprop -id "$window" -f _NET_WM_ICON 32c _NET_WM_ICON)
    [[ $icon == *"= 128, 128,"* ]] || e2e_fail "the window has no 128-pixel icon"
    e2e_close_window "$window"
    e2e_wait_app_exit
    [ "$E2E_APP_STATUS" = 0 ] || e2e_fail "exit status $E2E_APP_STATUS after a normal close"
}

# The unpacked program finds all it needs on the system, not in the build tree that made it.
check_runs() {
    local program=$work/unpacked/usr/bin/ipview
    ! readelf -d "$program" | grep -E 'R(UN)?PATH' || e2e_fail "the program has a library path"
    check_window_of "$program"
}

# Installs the package with apt into a fresh minimal Debian of this machine's release and runs
# it there; the chroot reaches the display through its abstract socket.
check_installs() {
    local debian=$work/debian release
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    debootstrap --variant=minbase "$release" "$debian" >"$work/debootstrap.log" ||
        e2e_fail "debootstrap failed: $(tail -n 5 "$work/debootstrap.log")"
    cp "$deb" "$debian/tmp/"
    chroot "$debian" sh -c "apt-get update -q && apt-get install -y -q /tmp/${deb##*/}" \
        </dev/null >"$work/apt.log" 2>&1 || e2e_fail "apt failed: $(tail -n 5 "$work/apt.log")"
    grep -E '^(Setting up ipview|[0-9]+ upgraded)' "$work/apt.log"
    check_window_of chroot "$debian" /usr/bin/ipview
}

for check in "${@:-metadata contents fields runs}"; do
    for name in $check; do
        echo "== $name"
        "check_$name"
    done
done
