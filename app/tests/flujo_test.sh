#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Script mode streams: with standard input still open, the trace of the lines already read comes
# out, so the script runs line by line as it is read and its trace is not held back to the end.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    sed 's/^/  stderr: /' "$work/err"
    exit 1
}

coproc TRAZALIA { QT_QPA_PLATFORM=offscreen "$bin" --script - 2>"$work/err"; }
pid=$TRAZALIA_PID
entrada=${TRAZALIA[1]}
salida=${TRAZALIA[0]}
echo "click Form1.Command1" >&"$entrada"
# Far more trace than any output buffer holds, far less input than a pipe holds.
for i in $(seq 1 400); do echo "set Form2.HScroll1 $((i % 101))" >&"$entrada"; done

# The wait is only a guard against hanging: the trace must come before the script ends.
read -r -t 120 primera <&"$salida" || fail "no trace while the script was still open"
[ "$primera" = "Form1 Load" ] || fail "first trace line «$primera»"

echo "close Form2" >&"$entrada"
exec {entrada}>&-
resto=$(cat <&"$salida")
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "status $status"
[ "$(tail -n 1 <<<"$resto")" = "End" ] || fail "the trace does not end with End"
n=$(grep -c "^Form2.Label5 Caption" <<<"$resto")
# Form_Load writes it once, then each of the 400 changes.
[ "$n" -eq 401 ] || fail "Label5 written $n times, not 401"
echo "ok"
