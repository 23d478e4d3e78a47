#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The same seed draws the same exercises natively and in WebAssembly: 300 seeds, 6 exercises each,
# in every window with practice and level (16 200 exercises), with the answers their windows show.
# Usage: ejercicios_test.sh NATIVE NODE WASM_JS
set -u
nativo=$1 node=$2 wasm=$3
if [ ! -f "$wasm" ]; then
    echo "$wasm is missing: run make web" >&2
    exit 1
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$nativo" 300 6 >"$dir/nativo" || { echo "the native list failed" >&2; exit 1; }
"$node" "$wasm" 300 6 >"$dir/wasm" || { echo "the WebAssembly list failed" >&2; exit 1; }
lineas=$(wc -l <"$dir/nativo")
if [ "$lineas" -ne 16200 ]; then
    echo "expected 16200 exercises, got $lineas" >&2
    exit 1
fi
if ! cmp -s "$dir/nativo" "$dir/wasm"; then
    echo "native and WebAssembly differ:" >&2
    diff "$dir/nativo" "$dir/wasm" | head -20 >&2
    echo "0 passed, 1 failed"
    exit 1
fi
echo "1 passed, 0 failed"
