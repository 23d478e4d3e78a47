#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A folder given as the script: the WebAssembly runner says what the native one says, and fails as
# it does (emscripten's library reads a folder as an empty file).
# Usage: carpeta_test.sh TRAZALIA_NUCLEO NUCLEO_NODE
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/guiones"
(cd "$work" && "$1" --script guiones >nativo 2>&1)
nativo=$?
(cd "$work" && "$2" --script guiones >web 2>&1)
web=$?
diff -u "$work/nativo" "$work/web" || exit 1
[ "$nativo" -eq 1 ] && [ "$web" -eq 1 ] || { echo "status $nativo natively, $web in node, not 1"; exit 1; }
