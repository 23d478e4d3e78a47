#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The windows on real screens under openbox, where the window manager's frame and placement
# count: a laptop at 150 % (1366 x 768 at a scale of 1.5, a 911 x 512 logical screen) and a
# 3840 x 2160 screen. Usage: pantallas.sh TRAZALIA
set -u
bin="$1"
if [ -z "${TRAZALIA_IN_XVFB:-}" ]; then
    export TRAZALIA_IN_XVFB=1
    status=0
    TRAZALIA_PANTALLA=portatil xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$@" || status=1
    TRAZALIA_PANTALLA=4k xvfb-run -a -s "-screen 0 3840x2160x24" "$0" "$@" || status=1
    exit $status
fi
. "$(dirname "$0")/x_ventanas.sh"
ETIQUETA=$TRAZALIA_PANTALLA
comenzar pantallas
window_manager || { echo "FAIL: openbox did not start"; exit 1; }
read -r screen_w screen_h <<<"$(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')"

# The window $W with the frame openbox drew around it (device pixels) inside the screen.
frame_on_screen() {
    geometry "$W" || return 1
    local left right top bottom
    read -r left right top bottom <<<"$(xprop -id "$W" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    [ -n "$bottom" ] && [ $((X - left)) -ge 0 ] && [ $((Y - top)) -ge 0 ] &&
        [ $((X + WIDTH + right)) -le "$screen_w" ] && [ $((Y + HEIGHT + bottom)) -le "$screen_h" ]
}
size_is() { geometry "$W" && [ "${WIDTH}x$HEIGHT" = "$1" ]; }
taller_than() { geometry "$W" && [ "$HEIGHT" -gt "$1" ]; }

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"
case "$TRAZALIA_PANTALLA" in
    portatil)
        QT_SCALE_FACTOR=1.5 "$bin" >"$work/log" 2>&1 &
        pid=$!
        check "start window" window 'Trazalia\.'
        check "the start window fits the screen" frame_on_screen
        start_height=$HEIGHT
        xdotool key Return  # "Paralelogramo" has the focus
        check "parallelogram window" window 'Método del Paralelogramo\.'
        xdotool key --delay 300 ctrl+plus ctrl+plus ctrl+plus ctrl+plus ctrl+plus
        check "Ctrl++ up to the screen's limit: larger" eventually taller_than "$start_height"
        check "at the limit the frame is on the screen" frame_on_screen
        xdotool key Escape
        check "Esc: the start window" window 'Trazalia\.'
        check "the start window at the zoom left" eventually taller_than "$start_height"
        check "the start window, frame and all, still on the screen" eventually frame_on_screen
        ;;
    4k)
        "$bin" >"$work/log" 2>&1 &
        pid=$!
        check "start window" window 'Trazalia\.'
        # 250 %, the largest step at which a window and its frame take two thirds of 2160.
        check "a first run opens at 250 %" eventually size_is 1813x1333
        check "the start window on the screen" frame_on_screen
        ;;
esac

echo "$TRAZALIA_PANTALLA: $passes passed, $fails failed"
[ "$fails" -eq 0 ]
