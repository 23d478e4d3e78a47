// SPDX-License-Identifier: GPL-3.0-or-later
// The class's summary in the page: three students' records written by the desktop (one behind a
// byte-order mark, one naming José with a combining accent and in capitals, one with a line that
// is no record), a file that is none, a file given twice and one gone from the disk by the time
// it is read again, chosen in the dialog, give the tables of what `trazalia --resumen` prints for
// the files it could read, cell by cell; the bad files are named with their reason; the CSV download is the desktop's --csv behind a byte-order mark.
// node resumen_test.mjs TRAZALIA   (the desktop program: --script, --registro, --resumen)
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrirChromium, abrirPagina, paginaLocal, violacionesDeAxe } from './practica_comun.mjs';

const trazalia = process.argv[2];
const { contexto, perfil, cerrar } = await abrirChromium();
try {
  // A student's record from the desktop: a round of wrong guesses gives the answers, then one
  // right, one turned round and one wrong, one exercise left and one checked with no guess.
  const registro = (semilla, alumno) => {
    const lineas = (guesses) => {
      const guion = join(perfil, 'guion.txt');
      const archivo = join(perfil, `registro-${Math.random()}.csv`);
      const ordenes = ['click Form1.Command1', `practice Form2 on ${semilla} medio`];
      for (const [r, a] of guesses) ordenes.push(`guess Form2 ${r} ${a}`, 'practice Form2 check', 'practice Form2 next');
      ordenes.push('practice Form2 next', 'practice Form2 check');
      writeFileSync(guion, `${ordenes.join('\n')}\n`);
      execFileSync(trazalia, ['--script', guion, '--registro', archivo], { stdio: 'ignore' });
      return readFileSync(archivo, 'utf8').trim().split('\n');
    };
    const [r1, r2] = lineas([[1, 0], [1, 0]]).slice(1).map((l) => l.split(',').slice(-6, -4));
    const [cabecera, ...resto] = lineas([r1, [r2[0], String((Number(r2[1]) + 180) % 360)], [1, 0]]);
    return [cabecera, ...resto.map((l) => l.split(',').with(1, alumno).join(','))];
  };
  const archivos = {
    'jose.csv': `\ufeff${registro(7, 'José').join('\r\n')}\r\n`,
    'jose2.csv': `${registro(8, 'JOSE\u0301').join('\n')}\n`,
    'ana.csv': `${registro(9, 'Ana').join('\n')}\nno es un registro\n`,
    'notas $&.txt': 'hola\n',
  };
  for (const [nombre, texto] of Object.entries(archivos)) writeFileSync(join(perfil, nombre), texto);
  const nombres = Object.keys(archivos);
  writeFileSync(join(perfil, 'borrado.csv'), archivos['ana.csv']);
  const escritorio = (...opciones) =>
    spawnSync(trazalia, ['--resumen', ...opciones, ...nombres], { cwd: perfil, encoding: 'utf8' }).stdout;

  const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=es`);
  await pagina.getByRole('button', { name: 'Resumen de la clase' }).click();
  const panel = pagina.getByRole('dialog', { name: 'Resumen de la clase' });
  await panel.getByLabel(/Suelte aquí/).setInputFiles([...nombres, 'borrado.csv'].map((n) => join(perfil, n)));
  await panel.locator('table').first().waitFor();
  // Another file given reads them all again: one is gone by then.
  rmSync(join(perfil, 'borrado.csv'));
  await panel.getByLabel(/Suelte aquí/).setInputFiles(join(perfil, 'ana.csv'));
  await panel.locator('.problemas li').nth(2).waitFor();
  const problemas = await panel.locator('.problemas li').allTextContents();
  assert.deepEqual(problemas.slice(0, 2), [
    'ana.csv: ya se leyó; no se cuenta dos veces',
    'notas $&.txt: ninguna línea es un registro de la práctica',
  ]);
  assert.match(problemas[2], /^borrado\.csv: el navegador no pudo leer el archivo/);

  // The desktop's text, section by section, as the rows of the page's tables.
  const [totales, porAlumno, errores_, porError, ilegibles] = escritorio().trim().split('\n\n').map((s) => s.split('\n'));
  const numero = (n) => n ?? '0';
  // Each table by its caption: its header row, then its rows.
  const tablas = Object.fromEntries(await panel.locator('table').evaluateAll((ts) => ts.map((t) =>
    [t.caption.textContent, [...t.rows].map((tr) => [...tr.cells].map((c) => c.textContent))])));
  const filas = (tabla) => tablas[tabla].slice(1);
  assert.deepEqual(await panel.locator('.tablas > p').allTextContents(), totales);
  assert.deepEqual(filas('Por alumno'), porAlumno.slice(1).map((l) => {
    const m = l.match(/^ {2}(.+): (\d+) intentos?, (\d+) aciertos? \(([\d.]+) %\)(?:, (\d+) casi)?(?:, (\d+) saltados?)?(?:, (\d+) sin respuesta)?$/);
    return [m[1], m[2], m[3], m[4], numero(m[5]), numero(m[6]), numero(m[7])];
  }));
  assert.equal(porAlumno.length, 3, 'José written two ways is one student');
  assert.deepEqual(filas('Errores de la clase'),
    errores_.slice(1).map((l) => l.match(/^ {2}(.+): (\d+) \(([\d.]+) % de los intentos\)$/).slice(1)));
  const cometidos = tablas['Alumnos por error'][0];
  const matriz = {};
  for (const [alumno, ...veces] of filas('Alumnos por error'))
    veces.forEach((v, i) => v && ((matriz[cometidos[i + 1]] ??= []).push(`${alumno}: ${v}`)));
  const deEscritorio = {};
  let error;
  for (const l of porError.slice(1))
    if (l.startsWith('    ')) deEscritorio[error].push(l.trim().replace(/ vez| veces/, ''));
    else deEscritorio[(error = l.trim().replace(/:$/, ''))] = [];
  assert.deepEqual(matriz, deEscritorio);
  assert.deepEqual(await panel.locator('h3 + ul li').allTextContents(), ilegibles.slice(1).map((l) => l.trim()));
  await pagina.screenshot({ path: '/tmp/resumen.png', fullPage: true });
  assert.deepEqual(await violacionesDeAxe(pagina), []);

  const [descarga] = await Promise.all([
    pagina.waitForEvent('download'),
    panel.getByRole('button', { name: 'Descargar el resumen (CSV)' }).click(),
  ]);
  const csv = join(perfil, 'resumen.csv');
  await descarga.saveAs(csv);
  assert.equal(readFileSync(csv, 'utf8'), `\ufeff${escritorio('--csv')}`);
  assert.match(readFileSync(csv, 'utf8'), /^alumno,José,/m);
  await pagina.keyboard.press('Escape');
  await panel.waitFor({ state: 'hidden' });
  assert.deepEqual(errores, []);
  console.log('resumen de la clase: todo bien');
} finally {
  await cerrar();
}
