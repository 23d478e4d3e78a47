// SPDX-License-Identifier: GPL-3.0-or-later
// Converts the Qt translation files (translations/trazalia_*.ts) into what the page loads:
//   idiomas/LANG.json   {"idioma", "textos": {"CONTEXT\u0004SOURCE": text or [forms]}}
//   idiomas/idiomas.js  the same objects for a page opened from a folder, where fetch fails.
// Spanish is the source language; its file only holds the forms of counted texts. Unfinished,
// vanished and obsolete entries are left out, so the page shows the Spanish source for them.
// A counted text's forms are [one, other]: the page's core takes the second for none too, in each
// of its languages ("0 acertos"), as the desktop does.
//
// node traducciones.mjs TRANSLATIONS_DIR OUT_DIR
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

export const IDIOMAS = ['es', 'en', 'pt_BR'];

const ENTIDADES = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

export function decodificar(texto) {
  return texto.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (entera, nombre) => {
    if (nombre[0] === '#') {
      const codigo = nombre[1] === 'x' ? parseInt(nombre.slice(2), 16) : parseInt(nombre.slice(1), 10);
      return String.fromCodePoint(codigo);
    }
    if (!(nombre in ENTIDADES)) throw new Error(`entidad desconocida ${entera}`);
    return ENTIDADES[nombre];
  });
}

// The XML of a .ts file as a tree of {nombre, atributos, hijos}; text nodes are strings.
export function analizarXml(xml) {
  const raiz = { nombre: '', atributos: {}, hijos: [] };
  const pila = [raiz];
  let i = 0;
  const fallo = (que) => {
    const linea = xml.slice(0, i).split('\n').length;
    throw new Error(`línea ${linea}: ${que}`);
  };
  while (i < xml.length) {
    const menor = xml.indexOf('<', i);
    const fin = menor < 0 ? xml.length : menor;
    if (fin > i) pila.at(-1).hijos.push(decodificar(xml.slice(i, fin)));
    if (menor < 0) break;
    i = menor;
    if (xml.startsWith('<!--', i)) {
      const cierre = xml.indexOf('-->', i);
      if (cierre < 0) fallo('comentario sin cerrar');
      i = cierre + 3;
    } else if (xml.startsWith('<![CDATA[', i)) {
      const cierre = xml.indexOf(']]>', i);
      if (cierre < 0) fallo('CDATA sin cerrar');
      pila.at(-1).hijos.push(xml.slice(i + 9, cierre));
      i = cierre + 3;
    } else if (xml.startsWith('<?', i) || xml.startsWith('<!', i)) {
      const cierre = xml.indexOf('>', i);
      if (cierre < 0) fallo('declaración sin cerrar');
      i = cierre + 1;
    } else if (xml.startsWith('</', i)) {
      const m = /^<\/([\w.:-]+)\s*>/.exec(xml.slice(i, i + 200));
      if (!m) fallo('etiqueta de cierre mal formada');
      const abierto = pila.pop();
      if (!abierto || abierto.nombre !== m[1]) fallo(`</${m[1]}> no cierra <${abierto?.nombre}>`);
      i += m[0].length;
    } else {
      const m = /^<([\w.:-]+)((?:\s+[\w.:-]+\s*=\s*(?:"[^"]*"|'[^']*'))*)\s*(\/?)>/.exec(
        xml.slice(i, i + 4096),
      );
      if (!m) fallo('etiqueta mal formada');
      const atributos = {};
      for (const a of m[2].matchAll(/([\w.:-]+)\s*=\s*(?:"([^"]*)"|'([^']*)')/g))
        atributos[a[1]] = decodificar(a[2] ?? a[3]);
      const nodo = { nombre: m[1], atributos, hijos: [] };
      pila.at(-1).hijos.push(nodo);
      if (!m[3]) pila.push(nodo);
      i += m[0].length;
    }
  }
  if (pila.length !== 1) fallo(`<${pila.at(-1).nombre}> sin cerrar`);
  return raiz;
}

const hijos = (nodo, nombre) => nodo.hijos.filter((h) => typeof h !== 'string' && h.nombre === nombre);
const texto = (nodo) => nodo.hijos.filter((h) => typeof h === 'string').join('');

// The finished entries of a .ts file: {CONTEXT\u0004SOURCE: text or [forms]}.
export function convertir(xml) {
  const ts = hijos(analizarXml(xml), 'TS')[0];
  if (!ts) throw new Error('no es un archivo .ts: falta <TS>');
  const textos = {};
  for (const contexto of hijos(ts, 'context')) {
    const nombre = texto(hijos(contexto, 'name')[0] ?? { hijos: [] });
    for (const mensaje of hijos(contexto, 'message')) {
      const fuente = hijos(mensaje, 'source')[0];
      const traduccion = hijos(mensaje, 'translation')[0];
      if (!fuente || !traduccion) throw new Error(`${nombre}: un mensaje sin source o translation`);
      if (traduccion.atributos.type) continue;
      const clave = `${nombre}\u0004${texto(fuente)}`;
      if (mensaje.atributos.numerus === 'yes') {
        const formas = hijos(traduccion, 'numerusform').map(texto);
        if (formas.length === 0) throw new Error(`${clave}: sin numerusform`);
        textos[clave] = formas;
      } else {
        textos[clave] = texto(traduccion);
      }
    }
  }
  return textos;
}

export function escribir(carpetaTs, salida) {
  mkdirSync(salida, { recursive: true });
  const todos = {};
  for (const idioma of IDIOMAS) {
    const textos = convertir(readFileSync(join(carpetaTs, `trazalia_${idioma}.ts`), 'utf8'));
    todos[idioma] = { idioma, textos };
    writeFileSync(join(salida, `${idioma}.json`), JSON.stringify(todos[idioma]));
  }
  writeFileSync(
    join(salida, 'idiomas.js'),
    `globalThis.trazaliaIdiomas=${JSON.stringify(todos).replace(/</g, '\\u003c')};\n`,
  );
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  if (process.argv.length !== 4) {
    console.error('uso: node traducciones.mjs CARPETA_TS CARPETA_DE_SALIDA');
    process.exit(2);
  }
  try {
    escribir(process.argv[2], process.argv[3]);
  } catch (e) {
    console.error(`traducciones: ${e.message}`);
    process.exit(1);
  }
}
