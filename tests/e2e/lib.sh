# Helpers for end-to-end tests: a private X display, and a person's way with windows on it.
# Source it; every function fails (non-zero status, a line on stderr) rather than hang.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/display.sh"

# Runs COMMAND... to its end with the program's own choice of platform, and checks that it ends
# with status 1 and that LINE is the last on standard error, after the toolkit's own words.
e2e_expect_status_1_and_line() {
    local errors status=0
    errors=$(timeout "$E2E_TIMEOUT" env -u QT_QPA_PLATFORM "${@:2}" 2>&1 >/dev/null) || status=$?
    [ "$status" = 1 ] && [ "$(tail -n 1 <<<"$errors")" = "$1" ] ||
        e2e_fail "status $status, standard error: $errors"
    echo "status 1: $1"
}

# Prints the address of the interface that carries the default route, else loopback: the address
# that the program shows for this machine.
e2e_own_address() {
    local device
    device=$(ip -4 route show default | awk '{ for (i = 1; i < NF; i++) if ($i == "dev") print $(i + 1); exit }')
    [ -n "$device" ] || { echo 127.0.0.1; return; }
    ip -4 -o addr show dev "$device" | awk '{ split($4, a, "/"); print a[1]; exit }'
}

# Prints "X Y WIDTH HEIGHT" of a window's client area, X and Y on the screen.
e2e_client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }'
}

# Checks that WINDOW's X11 class is the one that the desktop entry DESKTOP-ENTRY names, by which a
# dock ties the window to the entry.
e2e_check_class() {
    local class
    class=$(xprop -id "$1" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
    grep -qx "StartupWMClass=$class" "$2" || e2e_fail "the desktop entry does not name class \"$class\""
}

# Checks that WINDOW is fixed at WIDTH x HEIGHT (its least and its largest size) and asks the window
# manager for neither a minimise nor a maximise button.
e2e_check_fixed_without_minimise_or_maximise() {
    local hints functions decorations
    hints=$(xprop -id "$1" WM_NORMAL_HINTS)
    grep -q "minimum size: $2 by $3\$" <<<"$hints" && grep -q "maximum size: $2 by $3\$" <<<"$hints" ||
        e2e_fail "not fixed at $2 x $3: $hints"
    # _MOTIF_WM_HINTS: flags, functions (minimise 8, maximise 16), decorations (32, 64).
    read -r _ functions decorations _ <<<"$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.* = //p' | tr -d ,)"
    [ $((functions & 24)) = 0 ] && [ $((decorations & 96)) = 0 ] ||
        e2e_fail "minimise or maximise asked for: functions $functions, decorations $decorations"
}

# Prints what COMMAND... prints, once it prints anything: run again until then, and nothing after
# E2E_TIMEOUT seconds. The clipboard is filled a moment after the keys that copy.
e2e_first_text() {
    local text waited
    for waited in $(seq $((E2E_TIMEOUT * 10))); do
        text=$("$@" 2>/dev/null) || true
        [ -z "$text" ] || break
        sleep 0.1
    done
    echo "$text"
}

# Presses KEYS on WINDOW, which copy a text, and prints the text: read from the clipboard, emptied
# first so that nothing copied before is read.
e2e_copy_text() {
    xclip -selection clipboard -i /dev/null >/dev/null 2>&1
    e2e_keys "$@"
    e2e_first_text xclip -o -selection clipboard
}

# Dismisses the message box captioned CAPTION with its OK button (the box's default).
e2e_press_ok() {
    local box
    box=$(e2e_wait_window "$1") || exit 1
    e2e_keys "$box" Return
}

# Waits until no visible window is captioned exactly CAPTION.
e2e_wait_window_gone() {
    local waited
    for waited in $(seq $((E2E_TIMEOUT * 10))); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0
        sleep 0.1
    done
    e2e_fail "window \"$1\" is still open"
}

# Prints the text of the box of the window $1: Tab from the button into it, copy it all,
# Shift+Tab back.
e2e_box_text() {
    e2e_copy_text "$1" Tab ctrl+a ctrl+c shift+Tab
}

# Types the name $2 into the box of the window $1 in place of its text, and goes back to the
# button.
e2e_type_name() {
    e2e_keys "$1" Tab ctrl+a BackSpace
    xdotool type --delay 20 "$2"
    xdotool key shift+Tab
}
