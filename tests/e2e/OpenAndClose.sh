#!/usr/bin/env bash
# The program opens its window centred at its described size and, when the window is closed,
# exits with status 0.
# Usage: OpenAndClose.sh IPVIEW CLOSE-WINDOW-HELPER
set -euo pipefail
export E2E_CLOSE_WINDOW=$2
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_app "$1"
window=$(e2e_wait_window "Torvale - ip查看工具")

read -r x y width height <<<"$(e2e_client_geometry "$window")"
[ "$width x $height" = "334 x 219" ] || e2e_fail "client area is $width x $height"
# Centred on the 1280 x 1024 screen, to within the half pixel an odd difference leaves.
off_x=$((2 * x + width - 1280)) off_y=$((2 * y + height - 1024))
[ "${off_x#-}" -le 1 ] && [ "${off_y#-}" -le 1 ] || e2e_fail "window at $x,$y is not centred"

e2e_close_window "$window"
e2e_wait_app_exit
[ "$E2E_APP_STATUS" = 0 ] || e2e_fail "exit status $E2E_APP_STATUS after a normal close"
