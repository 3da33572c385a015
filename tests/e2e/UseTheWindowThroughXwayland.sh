#!/usr/bin/env bash
# The window on a Wayland desktop that leaves frames to the program (weston here, GNOME's way),
# ten times in a row, and once where the compositor is busy for 1.5 s as the program starts: it is
# an X11 window through Xwayland, so the desktop frames it; it shows centred, at its described
# size inside that frame, fixed, with no minimise or maximise button, its icon and the class its
# desktop entry names; Space on the focused button shows this machine's address, a name that
# cannot be resolved brings the message and stays, and closing the window ends the program with
# status 0.
# Usage: UseTheWindowThroughXwayland.sh IPVIEW CLOSE-WINDOW-HELPER DESKTOP-ENTRY
set -euo pipefail
ipview=$1
export E2E_CLOSE_WINDOW=$2
desktop_entry=$3
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wayland.sh"

unknown=no-such-host.invalid

expect_text() {
    local text
    text=$(e2e_box_text "$window")
    [ "$text" = "$1" ] || e2e_fail "round $round: the box holds \"$text\", not \"$1\""
}

# Where weston shows the window, which is not its X11 position: its client area, found in a
# screenshot by the colour of the window's background, is the described size, and its centre is
# off the screen's by no more than the desktop's frame around it, about a title bar's height.
expect_centred_in_the_frame() {
    local background area x y width height off_x off_y
    import -window "$window" "$E2E_WAYLAND_DIR/window.png"
    background=$(convert "$E2E_WAYLAND_DIR/window.png" -format '%[pixel:p{0,0}]' info:)
    area=$(e2e_wl_wait_area_of_colour "$background" 334 219)
    read -r x y width height <<<"$area"
    [ "$width x $height" = "334 x 219" ] || e2e_fail "the desktop shows a client area of $width x $height"
    off_x=$((2 * x + width - 1280)) off_y=$((2 * y + height - 1024))
    [ "${off_x#-}" -le 64 ] && [ "${off_y#-}" -le 64 ] ||
        e2e_fail "the desktop shows the window at $x,$y, not centred"
    echo "shown at $x,$y, $width x $height"
}

e2e_start_weston
own_address=$(e2e_own_address)

# A compositor that is busy as the program starts, as on a loaded machine at log-in, is waited for:
# the window is an X11 window all the same.
kill -STOP "$E2E_COMPOSITOR_PID"
e2e_start_app "$ipview"
sleep 1.5
kill -CONT "$E2E_COMPOSITOR_PID"
e2e_wait_window "$E2E_CAPTION" >/dev/null
kill "$E2E_APP_PID" && e2e_wait_app_exit
echo "the compositor busy for 1.5 s at the start: an X11 window"
for round in $(seq 10); do
    e2e_start_app "$ipview"
    window=$(e2e_wait_window "$E2E_CAPTION")
    read -r _ _ width height <<<"$(e2e_client_geometry "$window")"
    [ "$width x $height" = "334 x 219" ] || e2e_fail "round $round: client area $width x $height"
    if [ "$round" = 1 ]; then
        expect_centred_in_the_frame
        e2e_check_fixed_without_minimise_or_maximise "$window" 334 219
        e2e_check_class "$window" "$desktop_entry"
        # grep -c reads xprop's picture of the icon to its end, where -q would cut xprop off.
        [ "$(xprop -id "$window" _NET_WM_ICON | grep -c 'Icon (')" -gt 0 ] || e2e_fail "the window has no icon"
    fi

    e2e_keys "$window" space
    expect_text "$own_address"

    e2e_type_name "$window" "$unknown"
    e2e_keys "$window" space
    e2e_press_ok "$E2E_TITLE"
    expect_text "$unknown"

    e2e_close_window "$window"
    e2e_wait_app_exit
    [ "$E2E_APP_STATUS" = 0 ] || e2e_fail "round $round: exit status $E2E_APP_STATUS after a close"
    echo "round $round: X11 window $width x $height, $own_address, message, status 0"
done
