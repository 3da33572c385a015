#!/usr/bin/env bash
# The window on a Wayland desktop, twenty times in a row: it opens at its described size with its
# desktop entry's id, Space on the focused button shows this machine's address, a name that cannot
# be resolved brings the message and stays, and closing the window ends the program with status 0.
# Usage: UseTheWindowOnWayland.sh IPVIEW DESKTOP-ENTRY
set -euo pipefail
ipview=$1
app_id=$(basename "$2" .desktop)
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wayland.sh"

unknown=no-such-host.invalid

# The text of the box: Tab from the button into it, copy it all, Shift+Tab back.
box_text() {
    e2e_wl_keys "$id" -k Tab >/dev/null
    e2e_wl_copy_text "$id"
    e2e_wl_keys "$id" -M shift -k Tab -m shift >/dev/null
}

expect_text() {
    local text
    text=$(box_text)
    [ "$text" = "$1" ] || e2e_fail "round $round: the box holds \"$text\", not \"$1\""
}

e2e_start_wayland
own_address=$(e2e_own_address)
for round in $(seq 20); do
    e2e_start_app "$ipview"
    window=$(e2e_wl_wait_window "$E2E_CAPTION")
    id=$(jq -r .id <<<"$window")
    [ "$(jq -r .app_id <<<"$window")" = "$app_id" ] || e2e_fail "app id $(jq .app_id <<<"$window")"
    size=$(jq -r '"\(.geometry.width) x \(.geometry.height)"' <<<"$window")
    [ "$size" = "334 x 219" ] || e2e_fail "round $round: the window is $size"

    e2e_wl_keys "$id" -k space
    expect_text "$own_address"

    e2e_wl_keys "$id" -k Tab -M ctrl -k a -m ctrl -k BackSpace "$unknown" -M shift -k Tab -m shift \
        -k space
    box=$(e2e_wl_wait_window "$E2E_TITLE")
    e2e_wl_keys "$(jq -r .id <<<"$box")" -k Return
    e2e_wl_wait_window_gone "$E2E_TITLE"
    expect_text "$unknown"

    e2e_wl_close_window "$id"
    e2e_wait_app_exit
    [ "$E2E_APP_STATUS" = 0 ] || e2e_fail "round $round: exit status $E2E_APP_STATUS after a close"
    echo "round $round: $size, $own_address, message, status 0"
done
