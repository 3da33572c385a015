#!/usr/bin/env bash
# The window on displays of 96, 144 and 192 dpi keeps its size in inches: the client area, the
# controls where a click finds them, and the fonts of the button's caption and of the box's text
# all grow with the resolution.
# Usage: ScalesWithTheDisplay.sh IPVIEW CLOSE-WINDOW-HELPER
set -euo pipefail
ipview=$1
export E2E_CLOSE_WINDOW=$2
source "$(dirname "$0")/lib.sh"

shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"' EXIT

# Prints the width of the dark ink in a rectangle of the screenshot (X Y WIDTH HEIGHT, in pixels at
# 96 dpi, scaled by SCALE): the width of the text drawn there.
ink_width() {
    local scale=$1 geometry
    geometry=$(awk -v s="$scale" '{ printf "%dx%d+%d+%d", $3 * s, $4 * s, $1 * s, $2 * s }' <<<"${*:2}")
    convert "$shot" -crop "$geometry" +repage -colorspace Gray -threshold 50% -negate -trim \
        -format %w info:
}

# On a display of DPI: checks the client area, puts 127.0.0.1 in the box with a click at the
# button's centre, and prints the ink widths of the caption and of the box's text.
use_at() {
    local dpi=$1 expected=$2 scale window x y width height text
    scale=$(awk -v d="$dpi" 'BEGIN { print d / 96 }')
    e2e_start_display "$dpi"
    e2e_start_app "$ipview"
    window=$(e2e_wait_window "$E2E_CAPTION")
    read -r x y width height <<<"$(e2e_client_geometry "$window")"
    [ "$width x $height" = "$expected" ] || e2e_fail "at $dpi dpi the client area is $width x $height"

    e2e_keys "$window" Tab ctrl+a BackSpace
    xdotool type --delay 20 localhost
    e2e_keys "$window" shift+Tab
    # The button's centre: 960 + 3015 / 2, 2160 + 615 / 2 twips.
    xdotool mousemove --window "$window" "$(awk -v s="$scale" 'BEGIN { print int(165 * s) }')" \
        "$(awk -v s="$scale" 'BEGIN { print int(165 * s) }')" click 1
    sleep 0.3
    import -window "$window" "$shot"
    # Inside the borders of the button (64, 144, 201, 41) and of the box (24, 48, 289, 41).
    echo "$(ink_width "$scale" 70 150 189 29) $(ink_width "$scale" 30 54 277 29)"
    text=$(e2e_copy_text "$window" Tab ctrl+a ctrl+c)
    [ "$text" = 127.0.0.1 ] || e2e_fail "at $dpi dpi a click at the button's centre left \"$text\""
    e2e_close_window "$window"
    e2e_wait_app_exit
    [ "$E2E_APP_STATUS" = 0 ] || e2e_fail "exit status $E2E_APP_STATUS at $dpi dpi"
}

# Each display lives in its own subshell, whose failure ends the test.
inks=$(use_at 96 "334 x 219") || exit 1
read -r caption_96 text_96 <<<"$inks"
echo "96 dpi: caption $caption_96, text $text_96 pixels wide"
for case in "144 501 x 329" "192 668 x 438"; do
    read -r dpi expected <<<"$case"
    inks=$(use_at "$dpi" "$expected") || exit 1
    read -r caption_ink text_ink <<<"$inks"
    echo "$dpi dpi: $expected, caption $caption_ink, text $text_ink pixels wide"
    # The ink grows as the resolution, to within hinting's pixel or two per glyph.
    awk -v d="$dpi" -v c="$caption_ink" -v c0="$caption_96" -v t="$text_ink" -v t0="$text_96" \
        'BEGIN { s = d / 96; exit !(c > 0.9 * s * c0 && c < 1.1 * s * c0 && t > 0.9 * s * t0 && t < 1.1 * s * t0) }' ||
        e2e_fail "at $dpi dpi the fonts are not scaled"
done
