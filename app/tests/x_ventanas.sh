# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the real-display tests.

# The common start of a test under Xvfb: the xcb platform, a work folder ($work), a trap that ends
# the program ($pid) and the window manager ($WM_PID), and check NAME COMMAND..., which counts
# passes and failures; a failing check's screenshot is kept under the test's name, and its line
# names $ETIQUETA, if set.
comenzar() {
    NOMBRE_DE_PRUEBA=$1
    export QT_QPA_PLATFORM=xcb
    work=$(mktemp -d)
    pid=
    WM_PID=
    trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$WM_PID" ] && kill "$WM_PID"; rm -rf "$work"' EXIT
    passes=0
    fails=0
    check() {
        local name=$1
        shift
        if "$@"; then
            passes=$((passes + 1))
        else
            echo "FAIL${ETIQUETA:+ ($ETIQUETA)}: $name"
            [ -f "$work/shot.png" ] &&
                cp "$work/shot.png" "${TMPDIR:-/tmp}/trazalia-$NOMBRE_DE_PRUEBA-failed.png"
            fails=$((fails + 1))
        fi
    }
}

# Retries a check on a fresh screenshot ($work/shot.png) for up to 10 s: repaints land when they land.
eventually() {
    local end=$((SECONDS + 10))
    while :; do
        import -window root "$work/shot.png"
        "$@" && return 0
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.1
    done
}

# Starts openbox on the display, as a classroom's desktop has a window manager, and waits up to
# 10 s until it manages windows. Sets WM_PID.
window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    local end=$((SECONDS + 10))
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.05
    done
}

# Sets X, Y, WIDTH and HEIGHT: where window $1's client area is on the screen. xwininfo, as
# xdotool adds the frame's offset twice under a window manager.
geometry() {
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    X=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info")
    Y=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")
    WIDTH=$(awk '/Width:/ { print $2 }' <<<"$info")
    HEIGHT=$(awk '/Height:/ { print $2 }' <<<"$info")
}

# Waits up to 20 s for a shown window of that exact title; sets W, X, Y, WIDTH and HEIGHT.
# Polled, not --sync: a tooltip that goes away while xdotool walks the windows ends xdotool with
# BadWindow.
shown() {
    local end=$((SECONDS + 20))
    until W=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$W" ] &&
        geometry "$W"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.05
    done
}

# The same, and waits up to 10 s more until it has the keyboard focus.
window() {
    shown "$1" || return 1
    local end=$((SECONDS + 10))
    until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$W" ]; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.05
    done
}
