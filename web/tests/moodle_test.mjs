// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet dialog's question bank, downloaded from the page in each language and format,
// holds the very bytes the desktop's --moodle writes for the same options and language, in the
// same numbered files where it needs them, which the dialog names; a title of characters XML
// refuses still gives a well-formed file; options the core refuses keep the reason shown.
// node moodle_test.mjs TRAZALIA   (the desktop program: --moodle, --idioma, --moodle-formato)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrirChromium, abrirPagina, paginaLocal } from './practica_comun.mjs';

const trazalia = process.argv[2];
// Each row: the page's language, the dialog's values, the files' names. A level, method, count and
// format that are none of the dialog's defaults, so that one lost on the way changes the bank.
const casos = [
  ['es', { ejercicios: '3', metodo: 'poligono', nivel: 'dificil', semilla: '42' }, ['Suma de vectores.xml']],
  ['en', { ejercicios: '2', metodo: 'paralelogramo', nivel: 'facil', semilla: '7', titulo: 'Tema 3: vectores' }, ['Tema 3- vectores.xml']],
  ['pt_BR', { ejercicios: '200', metodo: 'ambos', nivel: 'medio', semilla: '5', titulo: 'Fuerzas & "vectores"', formato: 'numerico' },
    ['Fuerzas & -vectores--1.xml', 'Fuerzas & -vectores--2.xml']],
];

const { contexto, perfil, cerrar } = await abrirChromium();
try {
  for (const [idioma, v, archivos] of casos) {
    const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=${idioma}`);
    const tr = (c, t) => pagina.evaluate(([c, t]) => globalThis.trazalia.nucleo.traducir(c, t).replace(/&(&?)/g, '$1'), [c, t]);
    await pagina.locator('#Form1 [data-control="Command1"]').click();
    await pagina.locator('#Form2').getByRole('button', { name: await tr('Acciones', 'Hoja de ejercicios…') }).click();
    const dialogo = pagina.locator('#panel-hoja');
    const campo = async (texto) => dialogo.getByLabel(await tr('Hoja', texto));
    await (await campo('&Ejercicios:')).fill(v.ejercicios);
    await (await campo('&Método:')).selectOption(v.metodo);
    await (await campo('&Nivel:')).selectOption(v.nivel);
    await (await campo('&Semilla:')).fill(v.semilla);
    if (v.titulo) await (await campo('&Título:')).fill(v.titulo);
    if (v.formato) await (await campo('&Formato de Moodle:')).selectOption(v.formato);
    await (await campo('&Semilla:')).dispatchEvent('change');
    const exportar = dialogo.getByRole('button', { name: await tr('Hoja', 'E&xportar a Moodle…') });
    const descargas = [];
    pagina.on('download', (d) => descargas.push(d));
    await exportar.click();
    while (descargas.length < archivos.length) await pagina.waitForTimeout(50);
    assert.deepEqual(descargas.map((d) => d.suggestedFilename()), archivos);

    const escritorio = join(perfil, `escritorio-${idioma}.xml`);
    const linea = ['--idioma', idioma, '--moodle', escritorio, '--ejercicios', v.ejercicios,
      '--metodo', v.metodo, '--nivel', v.nivel, '--semilla', v.semilla];
    if (v.titulo) linea.push('--titulo', v.titulo);
    if (v.formato) linea.push('--moodle-formato', v.formato);
    execFileSync(trazalia, linea);
    for (let i = 0; i < archivos.length; i++) {
      const esperado = readFileSync(archivos.length > 1 ? escritorio.replace(/\.xml$/, `-${i + 1}.xml`) : escritorio);
      const obtenido = readFileSync(await descargas[i].path());
      assert.ok(obtenido.equals(esperado), `${idioma}: the page's file ${i + 1} differs from the desktop's`);
    }
    // Several files are named to the user.
    const dicho = await dialogo.locator('.hoja-error').textContent();
    assert.equal(archivos.length > 1, archivos.every((a) => dicho.includes(a)), dicho);

    // Refused options: nothing to download, and the dialog's reason stays. It names the field as
    // the dialog does, not the command line's option.
    await (await campo('&Ejercicios:')).fill('0');
    await (await campo('&Ejercicios:')).dispatchEvent('change');
    const motivo = await dialogo.locator('.hoja-error').textContent();
    await exportar.click();
    assert.ok(motivo.startsWith(await tr('Hoja', '&Ejercicios:')) && !motivo.includes('--'),
      `a count of 0 is refused: ${motivo}`);
    assert.equal(await dialogo.locator('.hoja-error').textContent(), motivo);

    // A title no command line can give, with characters XML 1.0 refuses: the file is still
    // well-formed, and its category and names keep the rest of the title.
    await (await campo('&Ejercicios:')).fill('1');
    await (await campo('&Título:')).fill('a\u0001b\uFFFE\uD800c]]>');
    await (await campo('&Semilla:')).dispatchEvent('change');
    const [extrana] = await Promise.all([pagina.waitForEvent('download'), exportar.click()]);
    const xml = readFileSync(await extrana.path(), 'utf8');
    const bien = await pagina.evaluate((x) => {
      const doc = new DOMParser().parseFromString(x, 'application/xml');
      return !doc.querySelector('parsererror') && doc.querySelector('category text').textContent;
    }, xml);
    assert.ok(bien && bien.startsWith('$course$/top/Trazalia/a b\uFFFD') && bien.endsWith(']]>'),
      `a title XML refuses: ${bien}`);
    assert.deepEqual(errores, []);
    await pagina.close();
    console.log(`moodle ${idioma}: ${archivos.length} archivo(s), como el escritorio`);
  }
} finally {
  await cerrar();
}
