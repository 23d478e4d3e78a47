#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one golden script of app/tests/guiones/ through trazalia-nucleo, in a folder of its own:
# its standard output followed by its standard error must be NAME.esperado byte for byte, and its
# status 2 when it reports a bad line of the script, 0 otherwise.
# Usage: nucleo_test.sh TRAZALIA_NUCLEO guiones/NAME.txt
set -u
bin=$1
guion=$2
esperado=${guion%.txt}.esperado
nombre=$(basename "$guion")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$guion" "$work/"
(cd "$work" && "$bin" --script "$nombre" >salida 2>errores)
estado=$?
cat "$work/errores" >>"$work/salida"
grep -q "^trazalia: $nombre:[0-9]*: " "$work/errores" && debe=2 || debe=0
diff -u "$esperado" "$work/salida" || exit 1
[ "$estado" -eq "$debe" ] || { echo "status $estado, expected $debe"; exit 1; }
