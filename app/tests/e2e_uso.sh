#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real binary in a real X display (Xvfb, xcb platform) under a real window manager (openbox),
# used as a student would: mouse and keyboard through xdotool, the clipboard through xclip. Checked on screenshots and on the files
# saved. What the copied and saved pictures hold is checked off-screen (exportar_test.cpp); here,
# that real input reaches them. Usage: e2e_uso.sh TRAZALIA CERRAR_VENTANA
set -u
bin="$1"
cerrar="$2"
if [ -z "${TRAZALIA_IN_XVFB:-}" ]; then
    export TRAZALIA_IN_XVFB=1
    # -noreset: the server must not restart between the two programs this test runs.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
# shown TITLE: waits for that window; sets W, X and Y. window TITLE: and for its keyboard focus.
. "$(dirname "$0")/x_ventanas.sh"
comenzar e2e
window_manager || { echo "FAIL: openbox did not start"; exit 1; }

# The X server takes the move before the click; --sync would hang when the pointer is there.
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click "${3:-1}"; }

# Whether a pixel within 2 of (x, y) of IMAGE is within 90 (summed over r, g, b) of R G B.
near_in() {
    local image=$1 x=$2 y=$3
    convert "$image" -crop "5x5+$((x - 2))+$((y - 2))" +repage -depth 8 txt:- |
        awk -v r="$4" -v g="$5" -v b="$6" -F'[(),]' '
            NR > 1 { dr = $3 - r; dg = $4 - g; db = $5 - b
                     if ((dr < 0 ? -dr : dr) + (dg < 0 ? -dg : dg) + (db < 0 ? -db : db) < 90) ok = 1 }
            END { exit !ok }'
}
# The same at a point of the drawing area (logical pixels of the picture) in the screenshot.
near() { near_in "$work/shot.png" $((X + PX + $1)) $((Y + PY + $2)) "$3" "$4" "$5"; }

red() { near "$1" "$2" 255 0 0; }
blue() { near "$1" "$2" 0 0 255; }
green() { near "$1" "$2" 0 255 0; }
black() { near "$1" "$2" 0 0 0; }

# Waits for a file to be written by the program.
file_appears() {
    local end=$((SECONDS + 10))
    until [ -s "$1" ]; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.1
    done
}

# Answers the save dialog with a path typed over the name offered. The window manager places the
# dialog apart: W, X and Y stay the window's.
save_as() {
    local w=$W x=$X y=$Y
    window "Guardar imagen" &&
        xdotool key ctrl+a && xdotool type --delay 5 "$1" && xdotool key Return
    W=$w X=$x Y=$y
    file_appears "$1"
}

clipboard() { timeout 5 xclip -selection clipboard -o -t "$1"; }

# Whatever the save dialog starts in stays inside the test's folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"
"$bin" >"$work/log" 2>&1 &
pid=$!

# --- The parallelogram window --------------------------------------------------------------
check "start window" window 'Trazalia\.'
click 156 432  # "Paralelogramo"
check "parallelogram window opened by a click" window 'Método del Paralelogramo\.'
PX=16 PY=112  # Picture1 at 240, 1680 twips; its origin is at (233.3, 200)

xdotool key Tab End  # Picture1 has the focus first; Tab reaches HScroll1
check "End on HScroll1: red shaft along +x" eventually red 300 200
click 609 356  # "Graficar Paralelogramo"
check "the black resultant covers vector 1" eventually black 300 200
# Backwards from the button: Regresar, then HScroll4 (18 large steps of 5: 90°), then HScroll3
# and HScroll2 (to 100).
xdotool key shift+Tab shift+Tab
xdotool key --delay 20 --repeat 18 Next
xdotool key shift+Tab shift+Tab End
click 609 356
parallelogram() { red 300 200 && black 307 136 && red 300 73; }
check "red shaft along +x and black resultant" eventually parallelogram
check "blue shaft upwards" blue 233 150
cp "$work/shot.png" "$work/before.png"

# Ctrl+C and Ctrl+S from a button: the shortcuts belong to the whole window.
xdotool key ctrl+c
offers_png() { clipboard TARGETS | grep -qx image/png; }
check "Ctrl+C: the clipboard offers an image" offers_png
xdotool key ctrl+s
check "Ctrl+S saves a PNG" save_as "$work/figura.png"

click $((PX + 100)) $((PY + 350))  # focuses the drawing area
xdotool key shift+F10
# A second shown window of the program that is not a tooltip (the buttons have them); then a
# moment for the menu to take the keyboard.
menu_open() {
    local n=0 w type
    for w in $(xdotool search --onlyvisible --class trazalia 2>/dev/null); do
        type=$(xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null) || continue  # gone meanwhile
        [[ $type == *_NET_WM_WINDOW_TYPE_TOOLTIP* ]] || n=$((n + 1))
    done
    [ "$n" -ge 2 ] && sleep 0.3
}
check "Shift+F10 opens the menu" eventually menu_open
xdotool key Down Down Return
check "its second entry saves a PDF" save_as "$work/figura.pdf"

printf 'vacío' | xclip -selection clipboard
click $((PX + 100)) $((PY + 350)) 3  # right-click
check "right-click opens the menu" eventually menu_open
xdotool key Down Return  # "Copiar imagen"
copied() { [ "$(clipboard UTF8_STRING)" != vacío ]; }
check "its first entry copies" eventually copied

click 608 468  # "Regresar"
check "back at the start window" window 'Trazalia\.'
click 156 432
check "parallelogram window again" window 'Método del Paralelogramo\.'
inner="459x392+$((X + PX + 4))+$((Y + PY + 4))"
same_picture() {
    convert "$work/before.png" -crop "$inner" "$work/a.png"
    convert "$work/shot.png" -crop "$inner" "$work/b.png"
    [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" = 0 ]
}
check "the picture is still there" eventually same_picture

# --- The polygon window -----------------------------------------------------------------
click 608 468
check "start window again" window 'Trazalia\.'
click 572 432  # "Polígono"
check "polygon window opened" window 'Método del Polígono\.'
PX=16 PY=120  # Picture1 at 240, 1800 twips
# Three magnitudes of 100 at 0°, 120° and 200°; Command1 (Regresar) comes before HScroll7.
xdotool key Tab End Tab End Tab End Tab Tab
xdotool key --delay 20 --repeat 24 Next
xdotool key Tab
xdotool key --delay 20 --repeat 40 Next
xdotool key Tab Tab
xdotool key --delay 50 --repeat 6 Right  # HScroll7 from step 1 to step 7
# Scale 153.2: only step 7 has all of vector 1 and vector 3 from the origin, vector 2 from the
# tip of vector 1 and the resultant.
all_six_orders() { red 300 200 && green 169 220 && blue 336 149 && black 203 169; }
check "step 7: all three colours and the resultant" eventually all_six_orders
xdotool key ctrl+s
window "Guardar imagen"
xdotool key Return  # the name offered, in the folder saved to last
check "the file offered names the step" file_appears "$work/poligono-paso-7.png"

# --- Full screen and zoom: the same picture redrawn larger ---------------------------------
size_is() { geometry "$W" && [ "${WIDTH}x$HEIGHT" = "$1" ]; }
# The window's client area is at X Y and WIDTH x HEIGHT, as "X Y WIDTH HEIGHT".
geometry_is() { geometry "$W" && [ "$X $Y $WIDTH $HEIGHT" = "$1" ]; }
# Whether the window manager holds the window in its full-screen state.
full_screen() { xprop -id "$W" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
not_full_screen() { ! full_screen; }
wider_than() { geometry "$W" && [ "$WIDTH" -gt "$1" ]; }
# The window with its frame (the extents the window manager drew) inside the 1024 x 768 screen.
frame_on_screen() {
    geometry "$W" || return 1
    local e
    e=$(xprop -id "$W" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top bottom <<<"$e"
    [ -n "$bottom" ] && [ $((X - left)) -ge 0 ] && [ $((Y - top)) -ge 0 ] &&
        [ $((X + WIDTH + right)) -le 1024 ] && [ $((Y + HEIGHT + bottom)) -le 768 ]
}
# The step-7 points at a zoom of N/100000, Picture1's origin at (PX, PY).
zoomed() { z=$1 && red $((300 * z / 100000)) $((200 * z / 100000)) &&
    green $((169 * z / 100000)) $((220 * z / 100000)) && blue $((336 * z / 100000)) $((149 * z / 100000)) &&
    black $((203 * z / 100000)) $((169 * z / 100000)); }
window 'Método del Polígono\.'
click 700 500  # the window takes the keys again after the dialog
normal="$X $Y $WIDTH $HEIGHT"
xdotool key F11
check "F11: the window manager's full-screen state" eventually full_screen
check "F11: the window is the whole screen" eventually geometry_is "0 0 1024 768"
# 1024 / 725 = 141.241 %; the content 753 high, 7 from the top; Picture1 from (23, 169 + 7).
PX=23 PY=176
check "full screen: the picture fills it, redrawn" eventually zoomed 141241
xdotool key Escape
check "Esc leaves the full-screen state" eventually not_full_screen
check "Esc gives back the size and the place" eventually geometry_is "$normal"
check "Esc in full screen stays in the window" window 'Método del Polígono\.'
xdotool key F11
check "F11 again: full screen" eventually geometry_is "0 0 1024 768"
xdotool key F11
check "F11 leaves it" eventually geometry_is "$normal"
check "F11 leaves the full-screen state" not_full_screen

# Full screen goes with the user to the next window, and each leaves it at its own size.
xdotool key F11
check "F11 once more" eventually geometry_is "0 0 1024 768"
click 860 550  # "Regresar", 141.241 % larger, 7 from the top
check "Regresar in full screen: the start window" window 'Trazalia\.'
check "the start window in full screen" eventually full_screen
xdotool key Escape
check "Esc: the start window at its own size" eventually size_is 725x533
check "the start window out of the full-screen state" not_full_screen
check "the start window on the screen" frame_on_screen
click 572 432  # "Polígono"
check "polygon window out of full screen, where it was" window 'Método del Polígono\.'
check "polygon window at its size and place" eventually geometry_is "$normal"
check "polygon window not in the full-screen state" not_full_screen

PX=16 PY=120
xdotool key ctrl+plus
check "Ctrl++: 110 %" eventually size_is 798x586
PX=18 PY=132
check "at 110 %: the picture redrawn" eventually zoomed 110000
# Growing stops where the window, frame included, still fits the screen, and it stays on it.
xdotool key --delay 300 ctrl+plus ctrl+plus ctrl+plus ctrl+plus ctrl+plus
check "Ctrl++ up to the screen's limit: larger" eventually wider_than 1000
check "at the limit the frame is on the screen" frame_on_screen
xdotool key ctrl+0
check "Ctrl+0: 100 %" eventually size_is 725x533
check "at 100 % on the screen" frame_on_screen
xdotool key ctrl+plus
check "Ctrl++: 110 % again" eventually size_is 798x586

# --- Closing through the window system ----------------------------------------------------
ends_with_status_0() {
    local end=$((SECONDS + 10))
    while kill -0 "$pid" 2>/dev/null; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.05
    done
    wait "$pid"
    local status=$?
    pid=
    [ "$status" -eq 0 ] || { echo "status $status"; cat "$work/log"; return 1; }
}
shown 'Método del Polígono\.'
check "close request to the polygon window" "$cerrar" "$W"
check "program ends with status 0" ends_with_status_0

"$bin" >"$work/log" 2>&1 &
pid=$!
shown 'Trazalia\.'
check "the next run opens at the zoom left: 110 %" eventually size_is 798x586
# Its frame against the top left corner, where a wrong guess of the frame's size would show.
window 'Trazalia\.'
read -r left _ top _ <<<"$(xprop -id "$W" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
xdotool windowmove "$W" "$left" "$top"
check "the window moved to the top left" eventually geometry_is "$left $top 798 586"
xdotool key F11
check "F11 in a window just opened: full screen" eventually geometry_is "0 0 1024 768"
xdotool key Escape
check "Esc: back in the corner" eventually geometry_is "$left $top 798 586"
check "close request to the start window" "$cerrar" "$W"
check "program ends with status 0 again" ends_with_status_0

echo "$passes passed, $fails failed"
[ "$fails" -eq 0 ]
