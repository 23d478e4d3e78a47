#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a translation file has a text left untranslated or unfinished, or a translation
whose placeholders (%1 … %99, %n, %L1) are not those of its Spanish source: Qt would then
show the Spanish text, or a number in the wrong place, without a word."""
import re
import sys
import xml.etree.ElementTree as ET

MARCA = re.compile(r"%L?(?:\d{1,2}|n)")


def marcas(texto):
    return sorted(MARCA.findall(texto or ""))


def problemas(ruta):
    raiz = ET.parse(ruta).getroot()
    if raiz.get("sourcelanguage") != "es":
        yield "the source language is not es"
    for contexto in raiz.iter("context"):
        nombre = contexto.findtext("name")
        for mensaje in contexto.iter("message"):
            fuente = mensaje.findtext("source") or ""
            donde = f"{nombre}: {fuente[:60]!r}"
            traduccion = mensaje.find("translation")
            if traduccion is None or traduccion.get("type") in ("unfinished", "obsolete"):
                yield f"{donde}: not translated"
                continue
            formas = traduccion.findall("numerusform")
            if mensaje.get("numerus") == "yes" and not formas:
                yield f"{donde}: a count without plural forms"
            for forma in formas or [traduccion]:
                if not (forma.text or "").strip():
                    yield f"{donde}: empty translation"
                elif marcas(forma.text) != marcas(fuente):
                    yield f"{donde}: placeholders {marcas(forma.text)} for {marcas(fuente)}"


def main(rutas):
    fallos = [f"{ruta}: {p}" for ruta in rutas for p in problemas(ruta)]
    for f in fallos:
        print(f)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
