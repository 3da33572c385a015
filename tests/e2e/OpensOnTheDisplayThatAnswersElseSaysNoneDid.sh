#!/usr/bin/env bash
# Where the Wayland display is gone (WAYLAND_DISPLAY names a socket that nobody listens on) and X
# answers, the program opens an X11 window with no word on standard error; Space on the focused
# button shows this machine's address, and closing the window ends it with status 0. Where no
# display answers (X refuses a program without the cookie, the Wayland socket is gone or cannot
# be found without XDG_RUNTIME_DIR or at libwayland's default) or none is named, it ends at once
# with status 1 and one line on standard error that says which it tried and what came of each,
# every value quoted on that line whatever it holds; only the X server that turns the program
# away has refused it.
# Usage: OpensOnTheDisplayThatAnswersElseSaysNoneDid.sh IPVIEW CLOSE-WINDOW-HELPER
set -euo pipefail
ipview=$1
export E2E_CLOSE_WINDOW=$2
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wayland.sh"

E2E_X_COOKIE=1 e2e_start_display
e2e_wayland_gone
errors=$E2E_WAYLAND_DIR/errors

e2e_start_app "$ipview" 2>"$errors"
window=$(e2e_wait_window "$E2E_CAPTION")
e2e_keys "$window" space
text=$(e2e_box_text "$window")
[ "$text" = "$(e2e_own_address)" ] || e2e_fail "the box holds \"$text\" after Space"
e2e_close_window "$window"
e2e_wait_app_exit
[ "$E2E_APP_STATUS" = 0 ] || e2e_fail "exit status $E2E_APP_STATUS after a close"
[ ! -s "$errors" ] || e2e_fail "standard error: $(cat "$errors")"
echo "an X11 window where Wayland is gone: $text, status 0"

none="ipview: no display could be opened:"
gone="WAYLAND_DISPLAY=\"$WAYLAND_DISPLAY\" could not be reached"
e2e_expect_status_1_and_line "$none DISPLAY=\"$DISPLAY\" refused the connection, $gone" \
    env -u XAUTHORITY "$ipview"
e2e_expect_status_1_and_line \
    "$none DISPLAY is not set, WAYLAND_DISPLAY's default \"wayland-0\" could not be reached" \
    env -u DISPLAY -u WAYLAND_DISPLAY "$ipview"
e2e_expect_status_1_and_line "$none DISPLAY is not set, WAYLAND_DISPLAY=\"wayland-1\" could not be reached" \
    env -u DISPLAY -u XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-1 "$ipview"
e2e_expect_status_1_and_line "$none DISPLAY=\"$DISPLAY\\n\\\"\" could not be reached, $gone" \
    env DISPLAY="$DISPLAY"$'\n"' "$ipview"
