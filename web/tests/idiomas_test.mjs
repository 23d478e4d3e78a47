// SPDX-License-Identifier: GPL-3.0-or-later
// The build's conversion of the translation files: known entries of each kind come out as the
// desktop reads them, every finished entry converts, and a broken file is refused.
// node idiomas_test.mjs TRANSLATIONS_DIR
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { convertir, escribir, IDIOMAS } from '../tools/traducciones.mjs';

const carpetaTs = process.argv[2];
const salida = mkdtempSync(join(tmpdir(), 'idiomas-'));
escribir(carpetaTs, salida);
const leer = (idioma) => JSON.parse(readFileSync(join(salida, `${idioma}.json`), 'utf8'));
let fallos = 0;
const caso = (nombre, prueba) => {
  try {
    prueba();
  } catch (e) {
    fallos++;
    console.error(`FALLA ${nombre}: ${e.message}`);
  }
};

// [language, context, source, translation or forms]
const conocidas = [
  ['en', 'Aplicacion', 'Ayuda de Trazalia', 'Trazalia Help'],
  ['pt_BR', 'Aplicacion', 'Ayuda de Trazalia', 'Ajuda do Trazalia'],
  ['en', 'Hoja', '&Ejercicios:', '&Exercises:'],
  ['en', 'Opciones', 'la semilla de los ejercicios (la del reloj si no se dice);',
    "the exercises' seed (the clock's if not given);"],
  ['en', 'Trazalia', '%1: %2 unidades a %3°', ['%1: %2 unit at %3°', '%1: %2 units at %3°']],
  ['es', 'Resumen', '%n intento(s)', ['%n intento', '%n intentos']],
];
for (const [idioma, contexto, fuente, esperada] of conocidas)
  caso(`${idioma} ${fuente}`, () =>
    assert.deepEqual(leer(idioma).textos[`${contexto}\u0004${fuente}`], esperada));

// A counted text keeps its forms, one and other, for the page's core to choose: none takes the
// plural in every language, so no language carries a form of its own for it.
caso('las formas de una cuenta', () => {
  assert.deepEqual(leer('pt_BR').textos['Resumen\u0004%n acierto(s)'], ['%n acerto', '%n acertos']);
  assert.deepEqual(IDIOMAS.filter((i) => Object.keys(leer(i)).join() !== 'idioma,textos'), []);
});

// Counted independently of the parser: every message whose translation is finished.
for (const idioma of IDIOMAS) {
  caso(`${idioma}: todas las entradas terminadas`, () => {
    const xml = readFileSync(join(carpetaTs, `trazalia_${idioma}.ts`), 'utf8');
    const terminadas = xml.split('<message').length - 1 - (xml.match(/<translation type=/g) ?? []).length;
    assert.equal(Object.keys(leer(idioma).textos).length, terminadas);
  });
}

caso('idiomas.js lleva los mismos objetos', () => {
  const contexto = {};
  new Function('globalThis', readFileSync(join(salida, 'idiomas.js'), 'utf8'))(contexto);
  assert.deepEqual(contexto.trazaliaIdiomas.pt_BR, leer('pt_BR'));
});

const ts = (mensajes) =>
  `<?xml version="1.0"?><!DOCTYPE TS><TS version="2.1"><context><name>C</name>${mensajes}</context></TS>`;
// [what it shows, .ts text, entries or the error's start]
const archivos = [
  ['sin terminar queda fuera',
    ts('<message><source>a</source><translation type="unfinished">b</translation></message>'), {}],
  ['entidades numéricas y CDATA',
    ts('<message><source>x &#x3C;&#62;</source><translation><![CDATA[<y>]]></translation></message>'),
    { 'C\u0004x <>': '<y>' }],
  ['un comentario no es texto',
    ts('<message><!-- nota --><source>a</source><translation>b</translation></message>'),
    { 'C\u0004a': 'b' }],
  ['etiqueta sin cerrar', '<TS><context>', /línea 1: <context> sin cerrar/],
  ['cierre cruzado', '<TS><context></TS>', /no cierra <context>/],
  ['entidad desconocida', ts('<message><source>&nbsp;</source></message>'), /entidad desconocida/],
  ['mensaje sin traducción', ts('<message><source>a</source></message>'), /sin source o translation/],
];
for (const [nombre, xml, esperado] of archivos)
  caso(nombre, () => {
    if (esperado instanceof RegExp) assert.throws(() => convertir(xml), esperado);
    else assert.deepEqual(convertir(xml), esperado);
  });

if (fallos) process.exit(1);
console.log('idiomas: todo bien');
