#!/usr/bin/env bash
# The real binary in a real X display (Xvfb) with real input: a click on "Paralelogramo" must
# bring up the parallelogram window.
set -eu
bin="$1"
if [ -z "${TRAZALIA_IN_XVFB:-}" ]; then
    export TRAZALIA_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
# The zoom a user saved must not move the controls.
export XDG_CONFIG_HOME="$work"
"$bin" >"$work/log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb

win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Trazalia\.$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$win")"
# Centre of Command1 ("Paralelogramo"): twips 960 + 2775 / 2, 6120 + 735 / 2, at 15 per pixel.
xdotool mousemove --sync $((X + 156)) $((Y + 432)) click 1

form2=$(timeout 20 xdotool search --sync --onlyvisible --name '^Método del Paralelogramo\.$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$form2")"
sleep 0.5
import -window root "$work/shot.png"
# The drawing area (from 16, 112 to 482, 512) is white, the window's own background is not.
pixel() { convert "$work/shot.png" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" \
    -crop "1x1+$1+$2" info:; }
inside=$(pixel $((X + 250)) $((Y + 150)))
outside=$(pixel $((X + 600)) $((Y + 500)))
if [ "$inside" = "255,255,255" ] && [ "$outside" != "255,255,255" ]; then
    echo "1 passed, 0 failed"
else
    echo "drawing area pixel $inside, window pixel $outside"
    echo "0 passed, 1 failed"
    exit 1
fi
