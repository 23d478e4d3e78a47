#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader hears the result of "Graficar Paralelogramo" and of a new step without moving
# the focus: a real AT-SPI client (pyatspi) on its own accessibility bus, the real binary under
# Xvfb and openbox, real clicks and keys.
set -eu
bin="$1"
if [ -z "${TRAZALIA_IN_XVFB:-}" ]; then
    export TRAZALIA_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
/usr/bin/python3 - >"$work/oido" 2>&1 <<'PY' &
import pyatspi
def oir(e):
    try:
        if e.type.startswith("object:state") and e.detail1 and e.source.getRoleName() == "notification":
            print(e.source.name, flush=True)
        elif e.type.endswith("accessible-description") and e.source.getRoleName() == "image":
            print("descripción:", e.source.description, flush=True)
    except Exception:
        pass  # objects that are gone by now (an editor, a menu)
# Names are cached by the client and kept fresh by their change events, as a screen reader does.
pyatspi.Registry.registerEventListener(oir, "object:state-changed:showing",
                                       "object:property-change:accessible-name",
                                       "object:property-change:accessible-description")
print("escuchando", flush=True)
pyatspi.Registry.start()
PY
pids+=($!)
oido() { for _ in $(seq 100); do grep -qF "$1" "$work/oido" && return 0; sleep 0.1; done; return 1; }
oido escuchando

. "$(dirname "$0")/x_ventanas.sh"
window_manager
pids+=("$WM_PID")
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin" >"$work/log" 2>&1 &
pids+=($!)
shown 'Trazalia\.'
xdotool mousemove --sync $((X + 156)) $((Y + 432)) click 1  # "Paralelogramo"
window 'Método del Paralelogramo\.'
xdotool key Tab End  # HScroll1 to 100; focus stays on it
xdotool mousemove --sync $((X + 609)) $((Y + 356)) click 1  # "Graficar Paralelogramo"
oido "Resultante: magnitud 100.00, dirección 0.00°." || true
# The picture's description, written when the reader asks for it after the redraw.
oido "descripción: Vector 1: 100 a 0°. Vector 2: 0 a 0°. Resultante: 100.00 a 0.00°." || true
xdotool key Escape  # back to the start window, as "Regresar"
shown 'Trazalia\.'
xdotool mousemove --sync $((X + 572)) $((Y + 432)) click 1  # "Polígono"
window 'Método del Polígono\.'
xdotool key Tab End Tab Up  # HScroll1 to 100, then HScroll2 (which stays at 0) has the focus
xdotool mousemove --sync $((X + 588)) $((Y + 288)) click 1  # HScroll7's right arrow
if oido "Paso 2. Resultante: magnitud 100.00, dirección 0.00°." &&
    grep -qF "descripción: Vector 1: 100 a 0°. Vector 2: 0 a 0°. Resultante: 100.00 a 0.00°." \
        "$work/oido" &&
    [ "$(grep -v '^descripción' "$work/oido" | grep -c Resultante)" -eq 2 ]; then
    echo "1 passed, 0 failed"
else
    echo "heard:"; cat "$work/oido"
    echo "0 passed, 1 failed"
    exit 1
fi
