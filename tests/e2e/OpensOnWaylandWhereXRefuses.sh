#!/usr/bin/env bash
# On a desktop that leaves frames to the program (weston here, GNOME's way), started without the
# session's cookie (XAUTHORITY), as sudo, su or a cleaned environment leave it: the X display
# refuses the program, and the toolkit opens it on Wayland instead, with nothing of the program's
# own on standard error. Weston shows the window and no X display has it; Space on the focused
# button shows this machine's address. (Its close on Wayland is the sway tests'; weston here drops
# clicks on Qt's frame now and then.) Where Qt's Wayland platform is not installed either, the
# program ends with status 1 and one line after the toolkit's reasons.
# Usage: OpensOnWaylandWhereXRefuses.sh IPVIEW
set -euo pipefail
ipview=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wayland.sh"

# The background of the toolkit's windows, and of the frame it draws around them on Wayland.
background="srgb(239,239,239)"

E2E_X_COOKIE=1 e2e_start_weston
errors=$E2E_WAYLAND_DIR/errors
DISPLAY=$E2E_XVFB_DISPLAY e2e_start_app env -u XAUTHORITY "$ipview" 2>"$errors"
area=$(e2e_wl_wait_area_of_colour "$background" 334 219)
read -r x y width height <<<"$area"
kill -0 "$E2E_APP_PID" || e2e_fail "the program has ended"
for display in "$DISPLAY" "$E2E_XVFB_DISPLAY"; do
    ! DISPLAY=$display xdotool search --name "^$E2E_CAPTION\$" >/dev/null ||
        e2e_fail "the window is an X11 window on $display"
done

e2e_weston_keys space Tab
text=$(e2e_weston_copy_text)
[ "$text" = "$(e2e_own_address)" ] || e2e_fail "the box holds \"$text\" after Space"

kill -0 "$E2E_APP_PID" || e2e_fail "the program has ended"
! grep -q '^ipview:' "$errors" || e2e_fail "standard error: $(cat "$errors")"
echo "a Wayland window, shown at $x,$y, $width x $height; $text"
kill "$E2E_APP_PID" && e2e_wait_app_exit

e2e_without_qt_wayland
e2e_expect_status_1_and_line "ipview: no display could be opened: DISPLAY=\"$E2E_XVFB_DISPLAY\", \
WAYLAND_DISPLAY=\"$WAYLAND_DISPLAY\"" \
    env -u XAUTHORITY DISPLAY="$E2E_XVFB_DISPLAY" "${E2E_WITHOUT_QT_WAYLAND[@]}" "$ipview"
