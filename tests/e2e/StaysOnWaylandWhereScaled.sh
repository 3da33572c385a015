#!/usr/bin/env bash
# On a desktop that leaves frames to the program but runs its output at scale 2, the window stays
# a Wayland window, drawn at the output's scale, sharp, where an X11 window would be upscaled: no
# X11 window of its caption appears on the desktop's Xwayland, and weston shows it at twice its
# size; so it does where the session leaves WAYLAND_DISPLAY to libwayland's default. Where the
# user names an X display with -display, or Qt's Wayland platform is not installed, the window is
# an X11 window through Xwayland; without that platform and without X, the program ends with
# status 1 and one line after the toolkit's reasons.
# Usage: StaysOnWaylandWhereScaled.sh IPVIEW
set -euo pipefail
ipview=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wayland.sh"

# The background of the toolkit's windows, which the program keeps.
background="srgb(239,239,239)"

# Checks that the program, started WHERE as the arguments after it say, shows its window on weston
# at twice its size and none on X11, then stops it.
expect_wayland_window() {
    local area width height
    e2e_start_app "${@:2}"
    # Weston shows the window's background over at least its client area, twice over.
    area=$(e2e_wl_wait_area_of_colour "$background" 668 438)
    read -r _ _ width height <<<"$area"
    kill -0 "$E2E_APP_PID" || e2e_fail "the program has ended"
    ! xdotool search --name "^$E2E_CAPTION\$" >/dev/null || e2e_fail "the window is an X11 window"
    kill "$E2E_APP_PID" && e2e_wait_app_exit
    echo "$1: a Wayland window, shown at $width x $height"
}

# Checks that the program, started WHERE as the arguments after it say, shows its window on X11,
# then stops it.
expect_x11_window() {
    e2e_start_app "${@:2}"
    e2e_wait_window "$E2E_CAPTION" >/dev/null
    kill "$E2E_APP_PID" && e2e_wait_app_exit
    echo "$1: an X11 window"
}

e2e_start_weston 2
e2e_without_qt_wayland
expect_wayland_window "as it is" "$ipview"
ln -s "$WAYLAND_DISPLAY" "$XDG_RUNTIME_DIR/wayland-0"
expect_wayland_window "at wayland-0, WAYLAND_DISPLAY and X unset" env -u WAYLAND_DISPLAY -u DISPLAY "$ipview"
expect_x11_window "with -display" "$ipview" -display "$DISPLAY"
expect_x11_window "without Qt's Wayland platform" "${E2E_WITHOUT_QT_WAYLAND[@]}" "$ipview"

e2e_expect_status_1_and_line "ipview: no display could be opened: DISPLAY is not set, \
WAYLAND_DISPLAY=\"$WAYLAND_DISPLAY\"" \
    env -u DISPLAY "${E2E_WITHOUT_QT_WAYLAND[@]}" "$ipview"
