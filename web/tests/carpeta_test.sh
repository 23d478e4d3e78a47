#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The WebAssembly runner fails where the native one fails, with its status: a folder given as the
# script (emscripten's library reads a folder as an empty file), and output that cannot be
# written, of --help and of a script (to a full device of the test's own, when it may make one).
# Usage: carpeta_test.sh TRAZALIA_NUCLEO NUCLEO_NODE
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fallos=0
mkdir "$work/guiones"
(cd "$work" && "$1" --script guiones >nativo 2>&1)
nativo=$?
(cd "$work" && "$2" --script guiones >web 2>&1)
web=$?
diff -u "$work/nativo" "$work/web" || fallos=$((fallos + 1))
[ "$nativo" -eq 1 ] && [ "$web" -eq 1 ] || {
    echo "a folder: status $nativo natively, $web in node, not 1"
    fallos=$((fallos + 1))
}
if [ "$(id -u)" -eq 0 ] && mknod "$work/lleno" c 1 7 2>/dev/null; then
    printf 'click Form1.Command1\n' >"$work/guion.txt"
    for runner in "$1" "$2"; do
        for args in "--help" "--script $work/guion.txt"; do
            # shellcheck disable=SC2086
            "$runner" $args >"$work/lleno" 2>"$work/err"
            estado=$?
            if [ "$estado" -ne 1 ] || ! grep -q "salida" "$work/err"; then
                echo "$runner $args to a full device: status $estado, $(cat "$work/err")"
                fallos=$((fallos + 1))
            fi
        done
    done
else
    echo "SKIP: the full-device checks need root, to make a full device of their own"
fi
echo "$((fallos == 0)) passed, $((fallos != 0)) failed"
[ "$fallos" -eq 0 ]
