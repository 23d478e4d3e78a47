// SPDX-License-Identifier: GPL-3.0-or-later
// What the page needs of the core before the core has arrived, made from the site's own module
// in node: previa.js, the windows the core shows at start and the page's texts in each language,
// given to the core as the page gives them (idioma.ts); and trazalia-web-modulo.js, the module's
// bytes for a page opened from a folder, which cannot fetch them.
// make web-pagina bundles this for node: node previa.mjs SITE_DIR
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { runInThisContext } from 'node:vm';
import { darIdioma, kIdiomas } from '../src/idioma.ts';
import { leerTabla, leerVentanas } from '../src/nucleo.ts';

const [sitio] = process.argv.slice(2);
const escribir = (nombre, variable, valor) =>
  writeFileSync(join(sitio, nombre), `globalThis.${variable}=${JSON.stringify(valor).replace(/</g, '\\u003c')};\n`);

// A site built with the module inside its script runs it from there.
const archivo = join(sitio, 'trazalia-web.wasm');
const modulo = existsSync(archivo) ? readFileSync(archivo) : undefined;
runInThisContext(readFileSync(join(sitio, 'idiomas/idiomas.js'), 'utf8'));
runInThisContext(readFileSync(join(sitio, 'trazalia-web.js'), 'utf8'));
const { Nucleo } = await globalThis.TrazaliaNucleo(modulo && { wasmBinary: modulo });

const previa = {};
for (const idioma of kIdiomas) {
  const nucleo = new Nucleo();
  darIdioma(nucleo, idioma);
  nucleo.iniciar();
  previa[idioma] = {
    ventanas: leerVentanas(nucleo).map((v) => leerTabla(nucleo, v.nombre)).filter((t) => t.visible),
    textos: JSON.parse(nucleo.textosDeLaPagina()),
  };
  nucleo.delete();
}
escribir('previa.js', 'trazaliaPrevia', previa);
if (modulo) escribir('trazalia-web-modulo.js', 'trazaliaModulo', modulo.toString('base64'));
