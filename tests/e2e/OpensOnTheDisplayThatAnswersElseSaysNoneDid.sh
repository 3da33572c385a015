#!/usr/bin/env bash
# Where the Wayland display is gone (WAYLAND_DISPLAY names a socket that nobody listens on) and X
# answers, the program opens an X11 window with no word on standard error; Space on the focused
# button shows this machine's address, and closing the window ends it with status 0. Where no
# display answers (X refuses a program without the cookie, the Wayland socket is gone or cannot
# be found without XDG_RUNTIME_DIR or at libwayland's default) or none is named, it ends at once
# with status 1, the toolkit's reasons and then one line that names the displays, every value
# quoted on that line whatever it holds; so it does where the toolkit has no screen. A library
# that crashes inside the toolkit's start has its last words on standard error.
# Usage: OpensOnTheDisplayThatAnswersElseSaysNoneDid.sh IPVIEW CLOSE-WINDOW-HELPER CRASHING-LIBRARY
set -euo pipefail
ipview=$1
export E2E_CLOSE_WINDOW=$2
crashing_library=$3
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
gone="WAYLAND_DISPLAY=\"$WAYLAND_DISPLAY\""
e2e_expect_status_1_and_line "$none DISPLAY=\"$DISPLAY\", $gone" env -u XAUTHORITY "$ipview"
e2e_expect_status_1_and_line "$none DISPLAY is not set, WAYLAND_DISPLAY is not set" \
    env -u DISPLAY -u WAYLAND_DISPLAY "$ipview"
e2e_expect_status_1_and_line "$none DISPLAY is not set, WAYLAND_DISPLAY=\"wayland-1\"" \
    env -u DISPLAY -u XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-1 "$ipview"
e2e_expect_status_1_and_line "$none DISPLAY=\"$DISPLAY\\x0a\\\"\", $gone" \
    env DISPLAY="$DISPLAY"$'\n"' "$ipview"
echo '{ "screens": [] }' >"$E2E_WAYLAND_DIR/no-screen.json"
e2e_expect_status_1_and_line "ipview: there is no screen to show the window on" \
    env QT_QPA_PLATFORM="offscreen:configfile=$E2E_WAYLAND_DIR/no-screen.json" "$ipview"

# The library is preloaded ahead of the sanitizers' runtime where the program has one.
status=0
env LD_PRELOAD="$crashing_library" ASAN_OPTIONS=verify_asan_link_order=0 "$ipview" \
    2>"$errors" || status=$?
grep -qx "crashing library: its last words" "$errors" && [ "$status" != 0 ] ||
    e2e_fail "a crash in the toolkit's start: status $status, standard error: $(cat "$errors")"
echo "a crash in the toolkit's start: status $status, the library's last line on standard error"
