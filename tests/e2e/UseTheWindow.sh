#!/usr/bin/env bash
# A person's way with the window: it opens centred at its described size; the first click shows
# this machine's address, a typed name is replaced by its address, a name that cannot be resolved
# brings the message and stays; closing the window ends the program with status 0. Its X11 class
# is the one its desktop entry names, by which a dock ties the window to the entry.
# Usage: UseTheWindow.sh IPVIEW CLOSE-WINDOW-HELPER DESKTOP-ENTRY
set -euo pipefail
ipview=$1
export E2E_CLOSE_WINDOW=$2
desktop_entry=$3
source "$(dirname "$0")/lib.sh"

# Clicks the button with the mouse, at its centre (960 + 3015 / 2, 2160 + 615 / 2 twips).
click_button() {
    xdotool mousemove --window "$window" 165 165 click 1
    sleep 0.3
}

expect_text() {
    local text
    text=$(e2e_box_text "$window")
    [ "$text" = "$1" ] || e2e_fail "the box holds \"$text\", not \"$1\""
    echo "box: $text"
}

e2e_start_display
e2e_start_app "$ipview"
window=$(e2e_wait_window "$E2E_CAPTION")

read -r x y width height <<<"$(e2e_client_geometry "$window")"
[ "$width x $height" = "334 x 219" ] || e2e_fail "client area is $width x $height"
# Centred on the 1280 x 1024 screen, to within the half pixel an odd difference leaves.
off_x=$((2 * x + width - 1280)) off_y=$((2 * y + height - 1024))
[ "${off_x#-}" -le 1 ] && [ "${off_y#-}" -le 1 ] || e2e_fail "window at $x,$y is not centred"

e2e_check_class "$window" "$desktop_entry"

# Space on the focused button, as the window opens: this machine's own address.
e2e_keys "$window" space
sleep 0.3
expect_text "$(e2e_own_address)"

e2e_type_name "$window" localhost
click_button
expect_text 127.0.0.1

# A shown address resolves to itself.
click_button
expect_text 127.0.0.1

e2e_type_name "$window" no-such-host.invalid
click_button
box=$(e2e_wait_window "$E2E_TITLE")
echo "message box: $(xdotool getwindowname "$box")"
e2e_press_ok "$E2E_TITLE"
e2e_wait_window_gone "$E2E_TITLE"
expect_text no-such-host.invalid

e2e_close_window "$window"
e2e_wait_app_exit
[ "$E2E_APP_STATUS" = 0 ] || e2e_fail "exit status $E2E_APP_STATUS after a normal close"
