# Shared by the scripts that run Windows programs here: a wine prefix inside the build tree,
# made on first use, and a display of their own.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# Points wine at the prefix of the build tree that is or holds $1, makes it once, and keeps a
# wine server running for a while, as ctest starts one program after another. With
# IPVIEW_WINE_DPI set, the prefix is one of its own, set to that resolution.
use_wine_prefix_of() {
    local build
    build=$(realpath "$1")
    [ -d "$build" ] || build=$(dirname "$build")
    while [ ! -f "$build/CMakeCache.txt" ]; do
        if [ "$build" = / ]; then
            echo "$1 is not inside a build tree" >&2
            return 2
        fi
        build=$(dirname "$build")
    done
    export WINEPREFIX=$build/wineprefix${IPVIEW_WINE_DPI:+-${IPVIEW_WINE_DPI}dpi}
    export WINEDEBUG=-all LC_ALL=C.UTF-8
    # No Mono or Gecko installer dialogs: nothing here needs them.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    [ -f "$WINEPREFIX/.made" ] || make_wine_prefix "$build"
    # The server and the services it starts hold on to the output of the program that started
    # them, and ctest waits for that output to close: start them apart from it.
    if "$wineserver" -p30 </dev/null >/dev/null 2>&1; then
        "$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1
    fi
}

make_wine_prefix() {
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.made" ]; then
            # The first start of a prefix takes a while, longer still on a busy machine.
            DISPLAY='' timeout 180 "$wine" wineboot --init >/dev/null 2>&1
            if [ -n "${IPVIEW_WINE_DPI:-}" ]; then
                DISPLAY='' timeout 60 "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
                    /t REG_DWORD /d "$IPVIEW_WINE_DPI" /f >/dev/null 2>&1
            fi
            timeout 60 "$wineserver" -w
            touch "$WINEPREFIX/.made"
        fi
    ) 9>"$WINEPREFIX.lock"
}

# Starts Xvfb on a free display number and sets DISPLAY; on exit stops the wine server (whose
# desktop lives on that display) and then the display.
use_own_display() {
    local number attempt
    for attempt in $(seq 30); do
        number=$((RANDOM % 800 + 100))
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for attempt in $(seq 100); do
            [ -e "/tmp/.X11-unix/X$number" ] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -e "/tmp/.X11-unix/X$number" ]; then
            export DISPLAY=":$number"
            "$wineserver" -k 2>/dev/null || true
            trap stop_own_display EXIT
            return 0
        fi
        kill "$xvfb_pid" 2>/dev/null || true
    done
    echo "no free display for Xvfb" >&2
    return 1
}

stop_own_display() {
    "$wineserver" -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
}
