#!/usr/bin/env bash
# Takes the picture of the window, with an address typed in, that docs/window-linux.png shows.
# Usage: screenshot.sh IPVIEW CLOSE-WINDOW-HELPER OUTPUT.png
set -euo pipefail
export E2E_CLOSE_WINDOW=$2
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_app "$1"
window=$(e2e_wait_window "Torvale - ip查看工具")
e2e_keys "$window" Tab
xdotool type --delay 50 "192.168.1.20"
e2e_keys "$window" Tab
sleep 0.5
import -window "$window" "$3"
e2e_close_window "$window"
e2e_wait_app_exit
