#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# trazalia-nucleo as WebAssembly in node, called as the native one is.
# Without fetch, node 18 and later cannot take a local module for a web address, however it is built.
if [ ! -f "$TRAZALIA_NUCLEO_JS" ]; then
    echo "$TRAZALIA_NUCLEO_JS is missing: run make web" >&2
    exit 1
fi
exec "$TRAZALIA_NODE" --no-experimental-fetch "$TRAZALIA_NUCLEO_JS" "$@"
