#!/usr/bin/env bash
# On a desktop that leaves frames to the program but runs its output at scale 2, the window stays
# a Wayland window, drawn at the output's scale, sharp, where an X11 window would be upscaled: no
# X11 window of its caption appears on the desktop's Xwayland, and weston shows it at twice its
# size.
# Usage: StaysOnWaylandWhereScaled.sh IPVIEW
set -euo pipefail
ipview=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wayland.sh"

# The background of the toolkit's windows, which the program keeps.
background="srgb(239,239,239)"

e2e_start_weston 2
e2e_start_app "$ipview"
# Weston shows the window's background over at least its client area, twice over.
area=$(e2e_wl_wait_area_of_colour "$background" 668 438)
read -r _ _ width height <<<"$area"
kill -0 "$E2E_APP_PID" || e2e_fail "the program has ended"
! xdotool search --name "^$E2E_CAPTION\$" >/dev/null || e2e_fail "the window is an X11 window"
echo "a Wayland window, shown at $width x $height"
