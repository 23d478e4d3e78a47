#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one script of guiones/ with a runner (trazalia, or trazalia-nucleo natively or in node), in a
# folder of its own: its standard output followed by its standard error must be NAME.esperado byte
# for byte, and its status 2 when it reports a bad line of the script, 0 otherwise.
# Usage: guion_test.sh RUNNER guiones/NAME.txt
# With GUION_REGENERAR=1 it writes NAME.esperado instead; read the difference before committing.
set -u
bin=$1
guion=$2
esperado=${guion%.txt}.esperado
nombre=$(basename "$guion")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$guion" "$work/"
# Script mode needs no display and chooses its platform itself.
(cd "$work" && env -u QT_QPA_PLATFORM -u DISPLAY "$bin" --script "$nombre" >salida 2>errores)
estado=$?
cat "$work/errores" >>"$work/salida"
if [ -n "${GUION_REGENERAR:-}" ]; then cp "$work/salida" "$esperado"; exit 0; fi
grep -q "^trazalia: $nombre:[0-9]*: " "$work/errores" && debe=2 || debe=0
diff -u "$esperado" "$work/salida" || exit 1
[ "$estado" -eq "$debe" ] || { echo "status $estado, expected $debe"; exit 1; }
