#!/usr/bin/env bash
# A screen reader hears the result of "Graficar Paralelogramo" without moving the focus: a real
# AT-SPI client (pyatspi) on its own accessibility bus, the real binary under Xvfb, real clicks.
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
    if e.detail1 and e.source.getRoleName() == "notification":
        print(e.source.name, flush=True)
pyatspi.Registry.registerEventListener(oir, "object:state-changed:showing")
print("escuchando", flush=True)
pyatspi.Registry.start()
PY
pids+=($!)
oido() { for _ in $(seq 100); do grep -qF "$1" "$work/oido" && return 0; sleep 0.1; done; return 1; }
oido escuchando

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin" >"$work/log" 2>&1 &
pids+=($!)
ventana() {
    W=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$W")"
}
ventana 'Trazalia\.'
xdotool mousemove --sync $((X + 156)) $((Y + 432)) click 1  # "Paralelogramo"
ventana 'Método del Paralelogramo\.'
sleep 0.5
xdotool key Tab End  # HScroll1 to 100; focus stays on it
xdotool mousemove --sync $((X + 609)) $((Y + 356)) click 1  # "Graficar Paralelogramo"
if oido "Resultante: magnitud 100.00, dirección 0.00°." && [ "$(wc -l <"$work/oido")" -eq 2 ]; then
    echo "1 passed, 0 failed"
else
    echo "heard:"; cat "$work/oido"
    echo "0 passed, 1 failed"
    exit 1
fi
