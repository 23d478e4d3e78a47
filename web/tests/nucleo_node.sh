#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# trazalia-nucleo as WebAssembly in node, called as the native one is.
# node 18 and later would fetch the module with their own fetch, which knows no local paths.
if [ ! -f "$TRAZALIA_NUCLEO_JS" ]; then
    echo "$TRAZALIA_NUCLEO_JS is missing: run make web" >&2
    exit 1
fi
exec "$TRAZALIA_NODE" --no-experimental-fetch "$TRAZALIA_NUCLEO_JS" "$@"
