# Helpers for end-to-end tests on Wayland: a private headless sway, and a person's way with windows
# on it (sway's own commands to focus and close, a virtual keyboard, the clipboard). Source it
# after lib.sh; every function fails rather than hang.

# sway will not run as root; root runs it as this system user, made on first use.
E2E_COMPOSITOR_USER=ipview-e2e

# Starts sway with one 1280 x 1024 output and no X server, exports WAYLAND_DISPLAY and SWAYSOCK
# for the program and the tools; it, the program and their files go at exit.
e2e_start_wayland() {
    local dir compositor_dir as_user=() attempt
    dir=$(mktemp -d)
    E2E_WAYLAND_DIR=$dir
    trap '{ [ -z "${E2E_APP_PID:-}" ] || kill "$E2E_APP_PID"; kill "$E2E_SWAY_PID"; wait; rm -rf "$E2E_WAYLAND_DIR"; } 2>/dev/null || true' EXIT
    chmod 755 "$dir"
    compositor_dir=$dir/compositor
    mkdir -m 700 "$compositor_dir" "$dir/program"
    if [ "$(id -u)" -eq 0 ]; then
        id -u "$E2E_COMPOSITOR_USER" >/dev/null 2>&1 ||
            useradd --system --no-create-home --shell /usr/sbin/nologin "$E2E_COMPOSITOR_USER" ||
            id -u "$E2E_COMPOSITOR_USER" >/dev/null # made meanwhile by another test
        chown "$E2E_COMPOSITOR_USER" "$compositor_dir"
        as_user=(setpriv --reuid="$E2E_COMPOSITOR_USER" --regid="$(id -g "$E2E_COMPOSITOR_USER")"
            --clear-groups)
    fi
    printf '%s\n' 'output HEADLESS-1 resolution 1280x1024' 'xwayland disable' >"$dir/sway.conf"
    "${as_user[@]}" env -i PATH="$PATH" HOME="$compositor_dir" XDG_RUNTIME_DIR="$compositor_dir" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$dir/sway.conf" >"$dir/sway.log" 2>&1 &
    E2E_SWAY_PID=$!
    unset DISPLAY
    export XDG_RUNTIME_DIR=$dir/program E2E_QT_PLATFORM=wayland
    for attempt in $(seq 50); do
        WAYLAND_DISPLAY=$(find "$compositor_dir" -maxdepth 1 -type s -name 'wayland-?' | head -n 1)
        SWAYSOCK=$(find "$compositor_dir" -maxdepth 1 -type s -name 'sway-ipc.*.sock' | head -n 1)
        export WAYLAND_DISPLAY SWAYSOCK
        [ -z "$WAYLAND_DISPLAY" ] || [ -z "$SWAYSOCK" ] || ! swaymsg -t get_version >/dev/null 2>&1 ||
            return 0
        sleep 0.1
    done
    cat "$dir/sway.log" >&2
    e2e_fail "sway did not start"
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
# -k Tab, -M ctrl -k a -m ctrl, or a text. Each run of wtype brings a new virtual keyboard,
# whose key map the program takes in before the first key.
e2e_wl_keys() {
    swaymsg "[con_id=$1] focus" >/dev/null || e2e_fail "cannot focus window $1"
    wtype -s 200 "${@:2}" -s 100 || e2e_fail "cannot type on window $1"
}

# Prints the whole text of the focused text box in window ID: select all, copy, read the clipboard.
e2e_wl_copy_text() {
    e2e_wl_keys "$1" -M ctrl -k a -k c -m ctrl
    wl-paste --no-newline 2>/dev/null || true
}

# Closes window ID as its close button would.
e2e_wl_close_window() {
    swaymsg "[con_id=$1] kill" >/dev/null || e2e_fail "cannot ask window $1 to close"
}
