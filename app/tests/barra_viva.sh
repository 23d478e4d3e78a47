#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real binary in a real X display (Xvfb, xcb platform, openbox when installed), with real
# input through xdotool: while a scroll bar's thumb is still held, its read-out and the picture
# already follow it; a vector's tip dragged on the picture moves the vector while the button is
# down. Usage: barra_viva.sh TRAZALIA
set -u
bin="$1"
if [ -z "${TRAZALIA_IN_XVFB:-}" ]; then
    export TRAZALIA_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
pid=
WM_PID=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null; rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"
fails=0
check() {  # check NAME COMMAND...
    local name=$1
    shift
    "$@" || { echo "FAIL: $name"; fails=$((fails + 1)); }
}

. "$(dirname "$0")/x_ventanas.sh"
# Managing the screen before the program maps its first window, which it then focuses.
command -v openbox >/dev/null && window_manager

# Whether a pixel within 2 of (x, y) of the picture (logical pixels from its corner PX, PY) is
# within 90 of R G B.
near() {
    convert "$work/shot.png" -crop "5x5+$((X + PX + $1 - 2))+$((Y + PY + $2 - 2))" +repage \
        -depth 8 txt:- |
        awk -v r="$3" -v g="$4" -v b="$5" -F'[(),]' '
            NR > 1 { dr = $3 - r; dg = $4 - g; db = $5 - b
                     if ((dr < 0 ? -dr : dr) + (dg < 0 ? -dg : dg) + (db < 0 ? -db : db) < 90) ok = 1 }
            END { exit !ok }'
}
red() { near "$1" "$2" 255 0 0; }
# Label5, the read-out of HScroll1 (3000, 240 twips; 73 × 25 pixels), as it is now.
readout() { convert "$work/shot.png" -crop "73x25+$((X + 200))+$((Y + 16))" +repage "$work/$1.png"; }
differs() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" != 0 ]; }
readout_changed() { readout now && differs before now; }
at() { xdotool mousemove $((X + $1)) $((Y + $2)); }

"$bin" >"$work/log" 2>&1 &
pid=$!
check "start window" window 'Trazalia\.'
at 156 432 && xdotool click 1  # "Paralelogramo"
check "parallelogram window" window 'Método del Paralelogramo\.'
# Where the window's inside is: under a window manager's frame, xdotool's geometry may count the
# title bar twice.
eval "$(xwininfo -id "$W" | awk '/Absolute upper-left X/ { print "X=" $4 } /Absolute upper-left Y/ { print "Y=" $4 }')"
PX=16 PY=112  # Picture1 at 240, 1680 twips; its origin at (233, 200)

# HScroll1's thumb at 0 lies just right of its left arrow (1200, 240 twips; 97 × 25 pixels).
import -window root "$work/shot.png"
readout before
at 106 28 && xdotool mousedown 1
for x in 112 118 124 130; do at "$x" 28 && sleep 0.05; done
# Magnitude 1 alone: the red vector reaches along +x whatever its length.
check "thumb held: the picture follows it" eventually red 300 200
check "thumb held: the read-out follows it" readout_changed
xdotool mouseup 1
readout held
check "released: the picture stays" eventually red 300 200
readout after
check "released: the read-out is the one shown while held" eval '! differs held after'

# Vector 1's tip (at the end of the axis, 0.45 of the width right of the origin) dragged upwards:
# while the button is down, the vector points up.
at $((PX + 443)) $((PY + 200)) && xdotool mousedown 1
for y in 180 140 100 60; do at $((PX + 233)) $((PY + y)) && sleep 0.05; done
check "tip held: the vector points up" eventually red 233 100
xdotool mouseup 1
check "tip released: the vector stays up" eventually red 233 100
check "tip released: nothing along +x" eval '! red 400 200'

[ "$fails" -eq 0 ] || { cp "$work/shot.png" "${TMPDIR:-/tmp}/trazalia-barra-viva-failed.png"; exit 1; }
