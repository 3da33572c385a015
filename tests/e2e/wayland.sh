# Helpers for end-to-end tests on Wayland: a private headless sway and a private weston, and a
# person's way with windows on sway (its own commands to focus and close, a virtual keyboard, the
# clipboard). Source it after lib.sh; every function fails rather than hang.

# Prints an id that no user or group of this machine has. sway will not run as root, and root runs
# it as such an id rather than make a user for it: nothing of it stays on the machine, and it can
# reach nothing of anyone's.
e2e_unused_id() {
    local id
    for id in $(seq 4000000000 4000000099); do
        getent passwd "$id" >/dev/null || getent group "$id" >/dev/null || { echo "$id"; return 0; }
    done
    e2e_fail "no id is free for the compositor"
}

# Makes the folders of a private Wayland session in E2E_WAYLAND_DIR: compositor/ for the
# compositor, program/ for the program and the tools (XDG_RUNTIME_DIR); they go at exit. Exports
# what a desktop session has in its environment, and leaves the platform to the program.
e2e_wayland_session() {
    E2E_WAYLAND_DIR=$(mktemp -d)
    trap e2e_stop_all EXIT
    chmod 755 "$E2E_WAYLAND_DIR"
    mkdir -m 700 "$E2E_WAYLAND_DIR/compositor" "$E2E_WAYLAND_DIR/program"
    export XDG_RUNTIME_DIR=$E2E_WAYLAND_DIR/program XDG_SESSION_TYPE=wayland E2E_QT_PLATFORM=
}

# Makes a private Wayland session whose compositor has gone, as one that crashed leaves it:
# WAYLAND_DISPLAY, exported, names a socket that nobody listens on (made by Debian's essential
# Perl).
e2e_wayland_gone() {
    e2e_wayland_session
    export WAYLAND_DISPLAY=$E2E_WAYLAND_DIR/compositor/wayland-1
    perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 1) or die' \
        "$WAYLAND_DISPLAY" || e2e_fail "cannot leave a socket at $WAYLAND_DISPLAY"
}

# Fills E2E_WITHOUT_QT_WAYLAND with a command that runs a program as where Qt's Wayland platform
# (a package of its own) is not installed: in a mount namespace of bubblewrap's (in a user
# namespace where this is not root), Qt's folder of platform plugins holds the others only, so
# that Qt finds no Wayland one. The program goes with the command.
e2e_without_qt_wayland() {
    local platforms plugin
    platforms=$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms
    E2E_WITHOUT_QT_WAYLAND=(bwrap --dev-bind / / --die-with-parent --tmpfs "$platforms")
    for plugin in "$platforms"/*.so; do
        [[ ${plugin##*/} == libqwayland* ]] || E2E_WITHOUT_QT_WAYLAND+=(--ro-bind "$plugin" "$plugin")
    done
}

# Starts sway with one 1280 x 1024 output and Xwayland, exports WAYLAND_DISPLAY, SWAYSOCK and
# DISPLAY for the program and the tools; it, the program and their files go at exit.
e2e_start_wayland() {
    local dir compositor_dir as_user=() id attempt
    e2e_wayland_session
    dir=$E2E_WAYLAND_DIR
    compositor_dir=$dir/compositor
    if [ "$(id -u)" -eq 0 ]; then
        id=$(e2e_unused_id)
        chown "$id:$id" "$compositor_dir"
        as_user=(setpriv --reuid="$id" --regid="$id" --clear-groups)
    fi
    printf '%s\n' 'output HEADLESS-1 resolution 1280x1024' 'xwayland enable' \
        "exec echo \$DISPLAY >$compositor_dir/display" >"$dir/sway.conf"
    "${as_user[@]}" env -i PATH="$PATH" HOME="$compositor_dir" XDG_RUNTIME_DIR="$compositor_dir" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$dir/sway.conf" >"$dir/sway.log" 2>&1 &
    E2E_COMPOSITOR_PID=$!
    for attempt in $(seq 50); do
        WAYLAND_DISPLAY=$(find "$compositor_dir" -maxdepth 1 -type s -name 'wayland-?' | head -n 1)
        SWAYSOCK=$(find "$compositor_dir" -maxdepth 1 -type s -name 'sway-ipc.*.sock' | head -n 1)
        DISPLAY=$(cat "$compositor_dir/display" 2>/dev/null || true)
        export WAYLAND_DISPLAY SWAYSOCK DISPLAY
        if [ -n "$WAYLAND_DISPLAY" ] && [ -n "$SWAYSOCK" ] && [ -n "$DISPLAY" ] &&
            swaymsg -t get_version >/dev/null 2>&1; then
            e2e_hold_keyboard
            return 0
        fi
        sleep 0.1
    done
    cat "$dir/sway.log" >&2
    e2e_fail "sway did not start"
}

# Gives sway's seat a keyboard for the whole session, as a desktop's seat has one: a virtual
# keyboard that types nothing. Without it, the headless seat has a keyboard only while a wtype
# runs; a program that is busy as one starts takes up that new keyboard too late, and the keys
# that wtype sends before then reach no one.
e2e_hold_keyboard() {
    local attempt
    wtype -s 1000000 &
    E2E_KEYBOARD_PID=$!
    for attempt in $(seq 50); do
        # The seat's capabilities: pointer 1, keyboard 2, touch 4.
        swaymsg -t get_seats | jq -e 'any(.[]; .capabilities / 2 | floor % 2 == 1)' >/dev/null &&
            return 0
        sleep 0.1
    done
    e2e_fail "sway's seat has no keyboard"
}

# Starts weston, as a desktop that leaves the frames of Wayland windows to the program, with
# Xwayland and one 1280 x 1024 output at SCALE (1 when not given). Its X11 backend, on a private
# Xvfb, gives it the seat that its headless one lacks, without which it focuses no window; XTest
# on its Xwayland, exported as DISPLAY, then reaches the focused X11 window. The --debug
# protocol lets weston-screenshooter take pictures. With E2E_X_COOKIE=1 its Xvfb, E2E_XVFB_DISPLAY, takes only
# clients that show the cookie, as weston does. It, the program and their files go at exit.
e2e_start_weston() {
    local dir attempt
    e2e_start_display
    e2e_wayland_session
    dir=$E2E_WAYLAND_DIR
    env -i PATH="$PATH" HOME="$dir/compositor" XDG_RUNTIME_DIR="$dir/compositor" DISPLAY="$DISPLAY" \
        ${XAUTHORITY:+XAUTHORITY="$XAUTHORITY"} \
        weston --backend=x11-backend.so --use-pixman --width=1280 --height=1024 --scale="${1:-1}" \
        --xwayland --debug --no-config --socket=wayland-1 >"$dir/weston.log" 2>&1 &
    E2E_COMPOSITOR_PID=$!
    export WAYLAND_DISPLAY=$dir/compositor/wayland-1
    for attempt in $(seq 50); do
        # Until weston has made its log, sed fails, and the loop goes on.
        DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\)$/\1/p' "$dir/weston.log" 2>/dev/null || true)
        export DISPLAY
        [ -z "$DISPLAY" ] || ! [ -S "$WAYLAND_DISPLAY" ] || ! xdpyinfo >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    cat "$dir/weston.log" >&2
    e2e_fail "weston did not start"
}

# Saves a picture of weston's whole output as the PNG file OUTPUT.
e2e_wl_screenshot() {
    local shots
    shots=$(mktemp -d -p "$E2E_WAYLAND_DIR")
    (cd "$shots" && timeout "$E2E_TIMEOUT" weston-screenshooter) || e2e_fail "no screenshot"
    mv "$shots"/*.png "$1"
    rmdir "$shots"
}

# Prints "X Y WIDTH HEIGHT" of the part of weston's output painted in the colour COLOUR (as
# ImageMagick writes colours), without the specks of it that anti-aliased text leaves around, once
# that part is at least WIDTH x HEIGHT: the client area of a window whose background it is.
e2e_wl_wait_area_of_colour() {
    local shot=$E2E_WAYLAND_DIR/screen.png area waited
    for waited in $(seq $((E2E_TIMEOUT * 4))); do
        e2e_wl_screenshot "$shot"
        area=$(convert "$shot" -fill black +opaque "$1" -fill white -opaque "$1" \
            -morphology Open Square:1 -format %@ info: 2>/dev/null | awk -F '[x+]' '{ print $3, $4, $1, $2 }')
        read -r _ _ width height <<<"$area"
        if [ "${width:-0}" -ge "$2" ] && [ "${height:-0}" -ge "$3" ]; then
            echo "$area"
            return 0
        fi
        sleep 0.25
    done
    e2e_fail "weston shows nothing of colour $1 as large as $2 x $3"
}

# Prints, as JSON, the window whose caption is exactly CAPTION, waiting for it.
e2e_wl_wait_window() {
    local window waited
    for waited in $(seq $((E2E_TIMEOUT * 10))); do
        window=$(swaymsg -t get_tree |
            jq -c --arg caption "$1" 'first(.. | objects | select(.app_id? and .name == $caption))')
        [ -z "$window" ] || { echo "$window"; return 0; }
        sleep 0.1
    done
    e2e_fail "no window \"$1\""
}

# Waits until no window is captioned exactly CAPTION.
e2e_wl_wait_window_gone() {
    local waited
    for waited in $(seq $((E2E_TIMEOUT * 10))); do
        swaymsg -t get_tree | jq -e --arg caption "$1" \
            'any(.. | objects; .app_id? and .name == $caption)' >/dev/null || return 0
        sleep 0.1
    done
    e2e_fail "window \"$1\" is still open"
}

# Focuses the window with sway id ID and presses keys on it: wtype's arguments, such as
# -k Tab, -M ctrl -k a -m ctrl, or a text. Each run of wtype brings a virtual keyboard of its own,
# whose key map sway hands the program just before its first key.
e2e_wl_keys() {
    swaymsg "[con_id=$1] focus" >/dev/null || e2e_fail "cannot focus window $1"
    wtype "${@:2}" -s 100 || e2e_fail "cannot type on window $1"
}

# Prints the whole text of the focused text box in window ID: select all, copy, read the clipboard,
# emptied first so that nothing copied before is read.
e2e_wl_copy_text() {
    wl-copy --clear
    e2e_wl_keys "$1" -M ctrl -k a -k c -m ctrl
    e2e_first_text wl-paste --no-newline
}

# Closes window ID as its close button would.
e2e_wl_close_window() {
    swaymsg "[con_id=$1] kill" >/dev/null || e2e_fail "cannot ask window $1 to close"
}

# Presses KEYS (xdotool's names) on the Wayland window that has weston's keyboard, through the X
# display that weston runs on, once its output's window has that display's keyboard. Weston gives a
# window the keyboard as it shows it. No click: a click on a window just shown could reach the
# desktop behind it, which then took the keyboard (seen after slow starts, mostly under
# AddressSanitizer: the program got no pointer event at all, and lost the keyboard after the first
# key).
e2e_weston_keys() {
    local output
    output=$(DISPLAY=$E2E_XVFB_DISPLAY xdotool search --class '^weston' | head -n 1)
    DISPLAY=$E2E_XVFB_DISPLAY xdotool windowfocus --sync "$output" key --delay 50 "$@" ||
        e2e_fail "cannot press $*"
}

# Prints the whole text of the focused text box in the Wayland window that has weston's keyboard:
# select all, copy, and read the clipboard, which weston hands on to its Xwayland a moment later,
# as UTF-8 text only; nothing where it stays empty.
e2e_weston_copy_text() {
    e2e_weston_keys ctrl+a ctrl+c
    e2e_first_text xclip -o -selection clipboard -t UTF8_STRING
}
