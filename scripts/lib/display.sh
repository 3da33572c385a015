# A private X display, and the program and its windows on it, as a person uses them: for the
# end-to-end tests, the benchmarks, the screenshots and the Windows programs under wine. Source it;
# every function fails (non-zero status, a line on stderr) rather than hang.
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
        [ -z "${E2E_KEYBOARD_PID:-}" ] || kill "$E2E_KEYBOARD_PID"
        [ -z "${E2E_COMPOSITOR_PID:-}" ] || kill "$E2E_COMPOSITOR_PID"
        [ -z "${E2E_XVFB_PID:-}" ] || kill "$E2E_XVFB_PID"
        wait
        [ -z "${E2E_WAYLAND_DIR:-}" ] || rm -rf "$E2E_WAYLAND_DIR"
        [ -z "${E2E_DISPLAY_DIR:-}" ] || rm -rf "$E2E_DISPLAY_DIR"
    } 2>/dev/null || true
}

# Starts Xvfb and exports DISPLAY, and E2E_XVFB_DISPLAY as the same; it and the program are
# stopped at exit. Xvfb takes the first display number that is free as it binds it, and says which
# once it takes clients: no two displays, of parallel tests or of anyone else, meet on one. The
# display has 96 dpi, or DPI as a desktop sets it (Xft.dpi), which the toolkit reads to scale
# windows. With E2E_X_COOKIE=1 it takes only the clients that show its cookie, as a desktop's X
# server does: XAUTHORITY, exported, names the file that holds it, and a program started without
# XAUTHORITY is refused.
e2e_start_display() {
    local number said dpi=${1:-96} cookie='' auth=()
    trap e2e_stop_all EXIT
    if [ -n "${E2E_X_COOKIE:-}" ]; then
        E2E_DISPLAY_DIR=$(mktemp -d)
        # The server takes each cookie of its file whatever display it is filed under; the clients'
        # file needs the display, known once the server runs.
        cookie=$(mcookie)
        touch "$E2E_DISPLAY_DIR/server-cookie" "$E2E_DISPLAY_DIR/cookie"
        xauth -q -f "$E2E_DISPLAY_DIR/server-cookie" add :0 . "$cookie"
        auth=(-auth "$E2E_DISPLAY_DIR/server-cookie")
    fi
    # -noreset keeps the resources when their writer disconnects.
    exec {said}< <(exec Xvfb -displayfd 3 "${auth[@]}" -screen 0 1280x1024x24 -dpi "$dpi" -noreset \
        -nolisten tcp 3>&1 >/dev/null 2>&1)
    E2E_XVFB_PID=$!
    read -r -t "$E2E_TIMEOUT" number <&"$said" || number=
    exec {said}<&-
    [ -n "$number" ] || e2e_fail "Xvfb named no display"
    if [ -n "$cookie" ]; then
        xauth -q -f "$E2E_DISPLAY_DIR/cookie" add ":$number" . "$cookie"
        export XAUTHORITY=$E2E_DISPLAY_DIR/cookie
    fi
    export DISPLAY=":$number" E2E_XVFB_DISPLAY=":$number"
    echo "Xft.dpi: $dpi" | xrdb -nocpp -merge || e2e_fail "Xvfb on $DISPLAY did not answer"
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

# Prints the id of the visible window whose caption is exactly CAPTION, waiting for it.
e2e_wait_window() {
    local id
    id=$(timeout "$E2E_TIMEOUT" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
    [ -n "$id" ] || e2e_fail "no window \"$1\""
    echo "$id"
}

# Clicks WINDOW where it has no control, as a person does before typing into it, and waits until
# keys reach it: a desktop may give a window the keyboard only on a click (weston 16 does so for
# its Xwayland), and then a moment after the click. Shift alone, pressed until a watcher of the
# window's key events (xev) sees it, changes nothing in the window.
e2e_click_to_focus() {
    local events watcher line waited reached=false
    exec {events}< <(exec xev -id "$1" -event keyboard 2>/dev/null)
    watcher=$!
    xdotool mousemove --window "$1" 2 2 click 1 || e2e_fail "cannot click window $1"
    for waited in $(seq $((E2E_TIMEOUT * 5))); do
        xdotool key shift
        while read -r -t 0.2 line <&"$events"; do
            [[ $line != KeyPress* ]] || { reached=true; break 2; }
        done
    done
    kill "$watcher" 2>/dev/null || true
    exec {events}<&-
    $reached || e2e_fail "keys do not reach window $1 after a click on it"
}

# Clicks WINDOW and presses KEYS on it.
e2e_keys() {
    e2e_click_to_focus "$1"
    xdotool key --delay 50 "${@:2}"
}

# Closes a window as the close button of a window manager would; E2E_CLOSE_WINDOW names the helper.
e2e_close_window() {
    "$E2E_CLOSE_WINDOW" "$1" || e2e_fail "cannot ask window $1 to close"
}
