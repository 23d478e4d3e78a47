# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the real-display tests.

# Waits up to 20 s for a shown window of that exact title; sets W, X and Y. Polled, not --sync:
# a tooltip that goes away while xdotool walks the windows ends xdotool with BadWindow.
shown() {
    local end=$((SECONDS + 20)) geometry
    until W=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$W" ] &&
        geometry=$(xdotool getwindowgeometry --shell "$W" 2>/dev/null); do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.05
    done
    eval "$geometry"
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
