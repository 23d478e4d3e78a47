// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet dialog's question bank, downloaded from the page in Spanish and in English, holds
// the very bytes the desktop's --moodle writes for the same options and language; options the core
// refuses keep the reason shown.
// node moodle_test.mjs TRAZALIA   (the desktop program: --moodle, --idioma)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrirChromium, abrirPagina, paginaLocal } from './practica_comun.mjs';

const trazalia = process.argv[2];
// Each row: the page's language, the dialog's values, the file's name. A level, method and count
// that are none of the dialog's defaults, so that one lost on the way changes the bank.
const casos = [
  ['es', { ejercicios: '3', metodo: 'poligono', nivel: 'dificil', semilla: '42' }, 'Suma de vectores.xml'],
  ['en', { ejercicios: '2', metodo: 'paralelogramo', nivel: 'facil', semilla: '7', titulo: 'Tema 3: vectores' }, 'Tema 3- vectores.xml'],
];

const { contexto, perfil, cerrar } = await abrirChromium();
try {
  for (const [idioma, v, archivo] of casos) {
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
    await (await campo('&Semilla:')).dispatchEvent('change');
    const exportar = dialogo.getByRole('button', { name: await tr('Hoja', 'E&xportar a Moodle…') });
    const [descarga] = await Promise.all([pagina.waitForEvent('download'), exportar.click()]);
    assert.equal(descarga.suggestedFilename(), archivo);

    const escritorio = join(perfil, `escritorio-${idioma}.xml`);
    const linea = ['--idioma', idioma, '--moodle', escritorio, '--ejercicios', v.ejercicios,
      '--metodo', v.metodo, '--nivel', v.nivel, '--semilla', v.semilla];
    if (v.titulo) linea.push('--titulo', v.titulo);
    execFileSync(trazalia, linea);
    const esperado = readFileSync(escritorio);
    const obtenido = readFileSync(await descarga.path());
    assert.ok(obtenido.equals(esperado), `${idioma}: the page's bank differs from the desktop's`);

    // Refused options: nothing to download, and the dialog's reason stays. It names the field as
    // the dialog does, not the command line's option.
    await (await campo('&Ejercicios:')).fill('0');
    await (await campo('&Ejercicios:')).dispatchEvent('change');
    const motivo = await dialogo.locator('.hoja-error').textContent();
    await exportar.click();
    assert.ok(motivo.startsWith(await tr('Hoja', '&Ejercicios:')) && !motivo.includes('--'),
      `a count of 0 is refused: ${motivo}`);
    assert.equal(await dialogo.locator('.hoja-error').textContent(), motivo);
    assert.deepEqual(errores, []);
    await pagina.close();
    console.log(`moodle ${idioma}: ${esperado.length} bytes, como el escritorio`);
  }
} finally {
  await cerrar();
}
