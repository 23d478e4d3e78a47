// SPDX-License-Identifier: GPL-3.0-or-later
// Practice in the page, opened from its folder in English and switched to Spanish: one exercise
// guessed right (with a decimal comma) and one turned round, typed into the practice controls,
// give the desktop's verdicts for the same seed, the first check asking the student's name; one
// left for another and one checked with no guess leave their lines as on the desktop, and a fifth
// is guessed by a drag; the CSV the page downloads holds the desktop's record lines, and the
// summary reads it. A path started from the menu is resumed on the next visit, and its link opens
// it in a fresh browser, where a mistake gives the construction's steps (C too) and its error
// question. A path over every window starts from the start window and goes from window to window
// as the desktop's script does.
// node practica_test.mjs TRAZALIA   (the desktop program: --script, --registro, --resumen)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrirChromium, abrirPagina, paginaLocal, violacionesDeAxe } from './practica_comun.mjs';

const trazalia = process.argv[2];
const kSemilla = '7';
const kAlumno = 'Ana "la de 2º", =1';

// A school in Brazil: the record's times carry the zone's offset, as the desktop writes them.
const { contexto, perfil, cerrar } = await abrirChromium({ timezoneId: 'America/Sao_Paulo' });
try {
  // The desktop's record of a script's guesses, each checked, then an exercise left and one
  // checked with no guess: each line without its date and name.
  const registroDeEscritorio = (guesses) => {
    const guion = join(perfil, 'practica.txt');
    const registro = join(perfil, `escritorio-${guesses.length}-${Math.random()}.csv`);
    const lineas = ['click Form1.Command1', `practice Form2 on ${kSemilla} medio`];
    guesses.forEach(([r, a], i) => {
      if (i > 0) lineas.push('practice Form2 next');
      lineas.push(`guess Form2 ${r} ${a}`, 'practice Form2 check');
    });
    lineas.push('practice Form2 next', 'practice Form2 next', 'practice Form2 check');
    writeFileSync(guion, `${lineas.join('\n')}\n`);
    execFileSync(trazalia, ['--script', guion, '--registro', registro], { stdio: 'ignore' });
    return readFileSync(registro, 'utf8').trim().split('\n').slice(1);
  };
  // Fields from the end: r, alfa, veredicto, then k1, k2 and pregunta.
  const campos = (linea) => linea.split(',');
  const cola = (linea) => campos(linea).slice(-16).join(',');

  // The answers, from a first round of wrong guesses; then one right and one turned round.
  const prueba = registroDeEscritorio([[1, 0], [1, 0], [1, 0], [1, 0], [1, 0]]);
  const respuestas = prueba.map((l) => campos(l).slice(-6, -4));
  const guesses = [respuestas[0], [respuestas[1][0], String((Number(respuestas[1][1]) + 180) % 360)]];
  const escritorio = registroDeEscritorio(guesses);
  assert.deepEqual(escritorio.map((l) => campos(l).at(-4)),
    ['acierto', 'sentido-opuesto', 'saltado', 'sin-respuesta']);

  // Opened in English, then switched: practice's controls follow the language.
  const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=en`);
  await pagina.locator('#idioma').selectOption('es');
  await pagina.locator('#Form1 [data-control="Command1"]').click();
  const practica = pagina.locator('#Form2 .practica');
  await practica.locator('summary').click();
  await practica.getByLabel('Semilla').fill(kSemilla);
  await practica.getByLabel('Practicar', { exact: true }).check();
  // The menu closes after each of its actions; it opens again for the next.
  const abrir = async () => (await practica.evaluate((m) => m.open)) || practica.locator('summary').click();
  const otro = async () => {
    await abrir();
    await practica.getByRole('button', { name: 'Otro ejercicio' }).click();
  };
  const comprobar = async () => {
    await abrir();
    await practica.getByRole('button', { name: 'Comprobar' }).click();
  };
  for (const [i, [r, a]] of guesses.entries()) {
    if (i > 0) await otro();
    await abrir();
    // A decimal comma, as a student may type it: the same number.
    await practica.getByLabel('Módulo de su resultante').fill(i === 0 ? r.replace('.', ',') : r);
    await practica.getByLabel('Dirección de su resultante').fill(a);
    await comprobar();
    if (i > 0) continue;
    // The first check, with no name yet, asks it; the verdict's line waits for it.
    const nombre = pagina.locator('#panel-nombre');
    await nombre.getByLabel('Nombre del alumno, para el registro de resultados:').fill(kAlumno);
    await nombre.getByRole('button', { name: 'Aceptar' }).click();
    await nombre.waitFor({ state: 'detached' });
    assert.equal(await practica.getByLabel('Nombre').inputValue(), kAlumno);
  }
  // One left for another, and one checked with no guess.
  await otro();
  await otro();
  await comprobar();
  // A fifth guess dragged from the origin, the picture's centre, the menu closed.
  await otro();
  const caja = await pagina.locator('#Form2 .svg').boundingBox();
  const [x, y] = [caja.x + caja.width / 2, caja.y + caja.height / 2];
  await pagina.mouse.move(x, y);
  await pagina.mouse.down();
  await pagina.mouse.move(x + 30, y - 20);
  await pagina.mouse.move(x + 60, y - 40);
  await pagina.mouse.up();
  await comprobar();
  await abrir();
  const [descarga] = await Promise.all([
    pagina.waitForEvent('download'),
    practica.getByRole('button', { name: 'Descargar resultados' }).click(),
  ]);
  const csv = join(perfil, 'practica.csv');
  await descarga.saveAs(csv);
  assert.deepEqual(errores, []);

  const lineas = readFileSync(csv, 'utf8').split('\n');
  assert.equal(lineas.pop(), '', 'the file ends with a line break');
  assert.ok(lineas[0].startsWith('\ufefffecha,'), 'UTF-8 behind a byte-order mark, for a spreadsheet');
  assert.equal(lineas.length, 6);
  assert.deepEqual(lineas.slice(1, 5).map(cola), escritorio.map(cola));
  // The dragged guess: the fifth exercise, pointing up and to the right.
  const arrastrada = campos(lineas[5]);
  assert.deepEqual(arrastrada.slice(-14, -8), campos(prueba[4]).slice(-14, -8));
  assert.ok(arrastrada.at(-8) > 0 && arrastrada.at(-7) > 0 && arrastrada.at(-7) < 90, lineas[5]);
  for (const l of lineas.slice(1))
    assert.match(l, /^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d-03:00,"Ana ""la de 2º"", =1",Form2,/);

  // The next visit (another student, maybe) is asked again at its first check, the last name
  // offered; Esc keeps it.
  const otra = (await abrirPagina(contexto, paginaLocal)).pagina;
  await otra.locator('#Form1 [data-control="Command1"]').click();
  const menu = otra.locator('#Form2 .practica');
  await menu.locator('summary').click();
  await menu.getByLabel('Practicar', { exact: true }).check();
  await menu.getByRole('button', { name: 'Comprobar' }).click();
  const pregunta = otra.getByLabel('Nombre del alumno, para el registro de resultados:');
  assert.equal(await pregunta.inputValue(), kAlumno);
  await pregunta.press('Escape');
  await otra.locator('#panel-nombre').waitFor({ state: 'detached' });
  assert.equal(await menu.getByLabel('Nombre').inputValue(), kAlumno);

  // A path from the menu, its first exercise left: on the next visit, Camino sets the exercise the
  // path would have set, and its bars tell each skill's right answers in a row.
  const valores = (p) => p.locator('#Form2 input[type=range]').evaluateAll((bs) => bs.map((b) => b.value));
  const camino = async (p) => {
    const m = p.locator('#Form2 .practica');
    if (!(await m.evaluate((e) => e.open))) await m.locator('summary').click();
    await m.getByRole('button', { name: 'Camino', exact: true }).click();
    return m;
  };
  await camino(otra);
  await menu.locator('summary').click();
  await menu.getByRole('button', { name: 'Otro ejercicio' }).click();
  const siguiente = await valores(otra);
  const vuelta = (await abrirPagina(contexto, paginaLocal)).pagina;
  await vuelta.locator('#Form1 [data-control="Command1"]').click();
  await camino(vuelta);
  assert.deepEqual(await valores(vuelta), siguiente);
  // The address is rewritten at most every 100 ms.
  await vuelta.waitForFunction(() => /&camino=1&semilla=\d+&nivel=\w+$/.test(location.hash), null, { timeout: 2000 });
  const barras = vuelta.locator('#Form2 .controles > .camino');
  const barra = barras.getByRole('progressbar', { name: 'Paralelogramo (equilibrante)' });
  assert.equal(await barra.getAttribute('aria-valuemax'), '3');
  assert.equal(await barras.getByRole('progressbar').count(), 2);

  const resumen = execFileSync(trazalia, ['--resumen', csv], { encoding: 'utf8' });
  assert.match(resumen, /Intentos: 3; aciertos: 1 \(33\.3 %\)/);
  assert.match(resumen, /Ana "la de 2º", =1: 3 intentos, 1 acierto/);
  assert.match(resumen, /sentido opuesto: 1 \(33\.3 % de los intentos\)/);
  assert.match(resumen, /Sin comprobar: 1 saltado\b.*, 1 sin respuesta\./);
} finally {
  await cerrar();
}

// The path's link in a fresh browser: the script's first exercise of "camino Form2 on 7 medio",
// as its guess's verdict tells (construccion.txt). After that mistake, each press of «Ver la
// construcción paso a paso» (its key C, Enter on it) draws the core's next step and puts its line in the panel
// and the live region, in the page's language; «¿Dónde está el error?» offers the core's choices,
// and the one planted is confirmed.
const fresco = await abrirChromium();
try {
  const enlace = `${paginaLocal}#ventana=Form2&idioma=es&camino=1&semilla=${kSemilla}&nivel=medio`;
  const pagina = await fresco.contexto.newPage();
  const errores = [];
  pagina.on('pageerror', (e) => errores.push(String(e)));
  await pagina.goto(enlace);
  await pagina.locator('#Form2:not([hidden]) .practica').waitFor();
  const practica = pagina.locator('#Form2 .practica');
  await practica.locator('summary').click();
  await practica.getByLabel('Módulo de su resultante').fill('74.7');
  await practica.getByLabel('Dirección de su resultante').fill('350.4');
  await practica.getByRole('button', { name: 'Comprobar' }).click();
  await pagina.getByLabel('Nombre del alumno, para el registro de resultados:').press('Escape');
  const panel = pagina.locator('#Form2 .veredicto');
  assert.match(await panel.textContent(), /^Dio la resultante en lugar de su opuesta/);
  const dibujo = () => pagina.locator('#Form2 .svg').innerHTML();
  const antes = await dibujo();
  const ver = pagina.getByRole('button', { name: 'Ver la construcción paso a paso' });
  await pagina.focus('#Form2 h1');
  await pagina.keyboard.press('c');
  assert.equal(await panel.textContent(), 'El primer vector, desde el origen.');
  assert.equal(await pagina.locator('#anuncios').textContent(), 'El primer vector, desde el origen.');
  const paso1 = await dibujo();
  assert.notEqual(paso1, antes);
  await pagina.locator('#idioma').selectOption('en');
  assert.equal(await panel.textContent(), 'The first vector, from the origin.');
  assert.match(await pagina.locator('#Form2 .camino [role=progressbar]').first().textContent(), /^Parallelogram \(resultant\): /);
  await pagina.locator('#idioma').selectOption('es');
  await ver.press('Enter');
  assert.doesNotMatch(await panel.textContent(), /^El primer vector/);
  assert.notEqual(await dibujo(), paso1);
  await pagina.getByRole('button', { name: '¿Dónde está el error?' }).click();
  const opciones = pagina.getByRole('group', { name: '¿Dónde está el error?' }).getByRole('button');
  assert.ok((await opciones.count()) >= 2);
  await opciones.filter({ hasText: /^componentes sin signo$/ }).click();
  assert.match(await panel.textContent(), /^Sí: el error es componentes sin signo\. /);
  assert.deepEqual(await violacionesDeAxe(pagina), []);
  assert.deepEqual(errores, []);
  console.log('práctica: todo bien');
} finally {
  await fresco.cerrar();
}

// A path over every window. The start window's button starts one where its first exercise is,
// the focus on that window's title, a bar for each of the six skills. Its link from seed 7 gives
// the exercises, in their windows, of the desktop's camino_todas.txt, each checked with no answer
// and left for the next, its seed in the menu; a reload finds it in the same window and exercise.
const todas = await abrirChromium();
try {
  const registro = join(todas.perfil, 'todas.csv');
  execFileSync(trazalia, ['--script', join(import.meta.dirname, '../../app/tests/guiones/camino_todas.txt'),
    '--registro', registro], { stdio: 'ignore' });
  const sinFecha = (l) => l.split(',').slice(2).join(',');
  const visible = (p) => p.evaluate(() => document.querySelector('.ventana.metodo:not([hidden])')?.id);
  const menu = async (p) => {
    const m = p.locator(`#${await visible(p)} .practica`);
    if (!(await m.evaluate((e) => e.open))) await m.locator('summary').click();
    return m;
  };
  const valores = async (p) => [await visible(p),
    await p.locator(`#${await visible(p)} input[type=range]`).evaluateAll((bs) => bs.map((b) => b.value))];

  const { pagina, errores } = await abrirPagina(todas.contexto, `${paginaLocal}?idioma=es`);
  await pagina.getByRole('button', { name: 'Camino por todas las ventanas' }).click();
  assert.equal(await pagina.evaluate(() => document.activeElement.closest('.ventana.metodo:not([hidden])')?.tagName +
    document.activeElement.tagName), 'SECTIONH1');
  assert.equal(await pagina.locator(`#${await visible(pagina)} .camino`).getByRole('progressbar').count(), 6);
  await pagina.waitForFunction(() => /&camino=todas&semilla=\d+&nivel=\w+$/.test(location.hash), null, { timeout: 2000 });

  const enlace = await todas.contexto.newPage();
  enlace.on('pageerror', (e) => errores.push(String(e)));
  await enlace.goto(`${paginaLocal}#ventana=Form3&idioma=es&camino=todas&semilla=7&nivel=medio`);
  await enlace.locator('#Form2:not([hidden]) .practica').waitFor();
  assert.equal(await (await menu(enlace)).getByLabel('Semilla').inputValue(), '7');
  for (let i = 0; i < 4; i++) {
    await (await menu(enlace)).getByRole('button', { name: 'Comprobar' }).click();
    if (!i) await enlace.getByLabel('Nombre del alumno, para el registro de resultados:').press('Escape');
    await (await menu(enlace)).getByRole('button', { name: 'Otro ejercicio' }).click();
  }
  assert.deepEqual((await enlace.evaluate(() => localStorage.getItem('trazalia.registro'))).split('\n').map(sinFecha),
    readFileSync(registro, 'utf8').trim().split('\n').slice(1).map(sinFecha));
  const antes = await valores(enlace);
  await enlace.waitForFunction(() => /&camino=todas&/.test(location.hash), null, { timeout: 2000 });
  await enlace.reload();
  await enlace.locator(`#${antes[0]}:not([hidden])`).waitFor();
  assert.deepEqual(await valores(enlace), antes);
  assert.deepEqual(errores, []);
  console.log('camino por todas las ventanas: todo bien');
} finally {
  await todas.cerrar();
}
