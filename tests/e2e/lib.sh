# Helpers for end-to-end tests: a private X display, and a person's way with windows on it.
# Source it; every function fails (non-zero status, a line on stderr) rather than hang.
E2E_TIMEOUT=${E2E_TIMEOUT:-10}
# A desktop's locale, whatever the caller's: in the C locale the toolkit writes the caption in the
# window's legacy name as bytes that the tools read as Latin-1, and never find the window by it.
export LC_ALL=C.UTF-8
# The window's caption, and the title of its message boxes.
E2E_CAPTION="Torvale - ip查看工具"
E2E_TITLE="Torvaleip查看工具"

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Stops the program and what the helpers started for it, and removes their files; run at exit.
e2e_stop_all() {
    {
        [ -z "${E2E_APP_PID:-}" ] || kill "$E2E_APP_PID"
        [ -z "${E2E_COMPOSITOR_PID:-}" ] || kill "$E2E_COMPOSITOR_PID"
        [ -z "${E2E_XVFB_PID:-}" ] || kill "$E2E_XVFB_PID"
        wait
        [ -z "${E2E_WAYLAND_DIR:-}" ] || rm -rf "$E2E_WAYLAND_DIR"
        [ -z "${E2E_XAUTHORITY:-}" ] || rm -f "$E2E_XAUTHORITY"
    } 2>/dev/null || true
}

# Starts Xvfb on a free display in 100..899 and exports DISPLAY, and E2E_XVFB_DISPLAY as the
# same; it and the program are stopped at exit. The display has 96 dpi, or DPI as a desktop sets
# it (Xft.dpi), which the toolkit reads to scale windows. With E2E_X_COOKIE=1 it takes only the
# clients that show its cookie, as a desktop's X server does: XAUTHORITY, exported, names the file
# that holds it, and a program started without XAUTHORITY is refused.
e2e_start_display() {
    local number attempt dpi=${1:-96} auth=()
    for attempt in $(seq 20); do
        number=$((RANDOM % 800 + 100))
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
    done
    if [ -n "${E2E_X_COOKIE:-}" ]; then
        E2E_XAUTHORITY=$(mktemp)
        xauth -q -f "$E2E_XAUTHORITY" add ":$number" . "$(mcookie)"
        export XAUTHORITY=$E2E_XAUTHORITY
        auth=(-auth "$E2E_XAUTHORITY")
    fi
    # -noreset keeps the resources when their writer disconnects.
    Xvfb ":$number" "${auth[@]}" -screen 0 1280x1024x24 -dpi "$dpi" -noreset -nolisten tcp \
        >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    trap e2e_stop_all EXIT
    export DISPLAY=":$number" E2E_XVFB_DISPLAY=":$number"
    for attempt in $(seq 50); do
        if xdpyinfo >/dev/null 2>&1; then
            echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "Xvfb on $DISPLAY did not answer"
}

# Starts a program on the display in the background; its process id goes to E2E_APP_PID. Its Qt
# platform is E2E_QT_PLATFORM, xcb when that is unset, and the program's own choice when it is
# empty.
e2e_start_app() {
    local platform=${E2E_QT_PLATFORM-xcb}
    if [ -n "$platform" ]; then
        QT_QPA_PLATFORM=$platform "$@" &
    else
        env -u QT_QPA_PLATFORM "$@" &
    fi
    E2E_APP_PID=$!
}

# Waits for the program to exit and puts its status in E2E_APP_STATUS. Call it directly, not in
# $(...): only this shell can collect the status of its child.
e2e_wait_app_exit() {
    local waited
    for waited in $(seq $((E2E_TIMEOUT * 10))); do
        if ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
            E2E_APP_STATUS=0
            wait "$E2E_APP_PID" || E2E_APP_STATUS=$?
            E2E_APP_PID=
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "the program did not exit"
}

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

# Prints the id of the visible window whose caption is exactly CAPTION, waiting for it.
e2e_wait_window() {
    local id
    id=$(timeout "$E2E_TIMEOUT" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
    [ -n "$id" ] || e2e_fail "no window \"$1\""
    echo "$id"
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

# Gives WINDOW the keyboard focus and presses KEYS. Without a window manager it takes the focus
# itself; a window manager, such as weston's for Xwayland, takes it back from such a window, and
# gives it on a request to activate the window instead (E2E_X11_WINDOW_MANAGER=1).
e2e_keys() {
    local focus=windowfocus
    [ -z "${E2E_X11_WINDOW_MANAGER:-}" ] || focus=windowactivate
    xdotool "$focus" --sync "$1" || e2e_fail "cannot focus window $1"
    xdotool key --delay 50 "${@:2}"
}

# Prints the whole text of the focused text box in WINDOW: select all, copy, read the clipboard.
e2e_copy_text() {
    e2e_keys "$1" ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard 2>/dev/null || true
}

# Dismisses the message box captioned CAPTION with its OK button (the box's default).
e2e_press_ok() {
    local box
    box=$(e2e_wait_window "$1") || exit 1
    e2e_keys "$box" Return
}

# Closes a window as the close button of a window manager would; E2E_CLOSE_WINDOW names the helper.
e2e_close_window() {
    "$E2E_CLOSE_WINDOW" "$1" || e2e_fail "cannot ask window $1 to close"
}

# Prints the text of the box of the window $1: Tab from the button into it, copy it all,
# Shift+Tab back.
e2e_box_text() {
    e2e_keys "$1" Tab >/dev/null
    e2e_copy_text "$1"
    e2e_keys "$1" shift+Tab >/dev/null
}

# Types the name $2 into the box of the window $1 in place of its text, and goes back to the
# button.
e2e_type_name() {
    e2e_keys "$1" Tab ctrl+a BackSpace
    xdotool type --delay 20 "$2"
    e2e_keys "$1" shift+Tab
}
