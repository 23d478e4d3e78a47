// SPDX-License-Identifier: GPL-3.0-or-later
// The page as students used it on a phone, a Chromebook and a projector: a guess typed into the
// resultant's read-outs, a tip dragged on a phone held sideways, the practice menu out of the
// way of the verdict and its lines apart, a held bar refusing the pointer, the page's own help and
// every key it names, results the browser's storage refuses, the browser's language with and
// without a region, none counted in the plural, the title, and "Salir".
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrirChromium, abrirPagina, paginaLocal, violacionesDeAxe } from './practica_comun.mjs';

const kSemilla = '7';

// Form2 with practice on at kSemilla, and the name already given.
async function practicando(contexto, idioma = 'es', tamano = null) {
  const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=${idioma}`);
  if (tamano) await pagina.setViewportSize(tamano);
  await pagina.evaluate(() => ['localStorage', 'sessionStorage'].forEach((s) => globalThis[s].setItem('trazalia.alumno', 'Ana')));
  await pagina.click('#Form1 [data-control=Command1]');
  const menu = pagina.locator('#Form2 .practica');
  await menu.locator('summary').click();
  await menu.locator('input[inputmode=numeric]').fill(kSemilla);
  await menu.locator('input[type=checkbox]').first().check();
  return { pagina, errores, menu };
}

const control = (pagina, nombre) => pagina.locator(`#Form2 [data-control=${nombre}]`);
const descripcion = (pagina) => pagina.textContent('#descripcion-Form2');
const abierto = (menu) => menu.evaluate((m) => m.open);
const cerrarMenu = (menu) => menu.locator('summary').click();
const axe = async (pagina) => (await violacionesDeAxe(pagina)).map((v) => v.id);

// Typed into the resultant's read-outs: Return in the editor sets each part, both make the guess,
// and Return on the read-out then checks it; Esc leaves the editor alone, never the window.
async function lecturas(contexto) {
  const { pagina, errores, menu } = await practicando(contexto);
  await cerrarMenu(menu);
  const [r, alfa] = (await pagina.evaluate(() => JSON.parse(trazalia.nucleo.tabla('Form2')).resultado))
    .map((n) => control(pagina, `Label${n}`));
  await control(pagina, 'Picture1').focus();
  for (let i = 0; i < 20 && !(await r.evaluate((e) => e === document.activeElement)); i++)
    await pagina.keyboard.press('Tab');
  await pagina.keyboard.type('24');
  await pagina.keyboard.press('Enter');
  assert.ok(await pagina.isVisible('#Form2'), 'Enter in r keeps the window');
  assert.equal(await r.textContent(), '24');
  assert.match(await descripcion(pagina), /Falta la dirección α/);
  await pagina.keyboard.type('5');
  await pagina.keyboard.press('Escape');
  assert.ok(await pagina.isVisible('#Form2'), 'Esc in the editor keeps the window');
  assert.equal(await r.textContent(), '24', 'Esc sets nothing');
  await pagina.keyboard.press('Tab');
  assert.ok(await alfa.evaluate((e) => e === document.activeElement), 'Tab from r reaches α');
  await pagina.keyboard.type('36,5');
  await pagina.keyboard.press('Enter');
  assert.match(await descripcion(pagina), /24 a 36\.5°/);
  assert.doesNotMatch(await descripcion(pagina), /La correcta/);
  // Both given, Return on α checks the guess, as on the desktop.
  await pagina.keyboard.press('Enter');
  assert.match(await descripcion(pagina), /Su resultante: 24 a 36\.5°\. La correcta: /);
  assert.deepEqual(errores, []);
  await pagina.close();
}

// A phone held sideways: a finger on a tip drags it, and scrolls nothing (a swipe elsewhere on the
// picture scrolls: disposicion_test.mjs).
async function deLado() {
  const { contexto, cerrar } = await abrirChromium({ hasTouch: true, isMobile: true, viewport: { width: 740, height: 360 } });
  try {
    const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=es`);
    await pagina.tap('#Form1 [data-control=Command1]');
    const cdp = await contexto.newCDPSession(pagina);
    const toque = (type, x, y) => cdp.send('Input.dispatchTouchEvent', {
      type, touchPoints: type === 'touchEnd' ? [] : [{ x, y, radiusX: 8, radiusY: 8, id: 1 }] });
    await control(pagina, 'HScroll1').press('End');
    await control(pagina, 'HScroll3').press('PageDown');
    await control(pagina, 'Picture1').evaluate((e) => e.scrollIntoView());
    const arriba = await pagina.evaluate(() => scrollY);
    const antes = await control(pagina, 'HScroll1').inputValue();
    const punta = await pagina.$eval('#Form2 .svg line[stroke="#ff0000"]', (l) => {
      const svg = l.ownerSVGElement.getBoundingClientRect();
      const vista = l.ownerSVGElement.viewBox.baseVal;
      const escala = Math.min(svg.width / vista.width, svg.height / vista.height);
      const dx = (svg.width - vista.width * escala) / 2;
      const dy = (svg.height - vista.height * escala) / 2;
      return [svg.left + dx + Number(l.getAttribute('x2')) * escala, svg.top + dy + Number(l.getAttribute('y2')) * escala];
    });
    await toque('touchStart', punta[0], punta[1]);
    for (let i = 1; i <= 10; i++) {
      await toque('touchMove', punta[0] - 3 * i, punta[1] + 4 * i);
      await pagina.waitForTimeout(16);
    }
    await toque('touchEnd');
    assert.notEqual(await control(pagina, 'HScroll1').inputValue(), antes, 'the tip dragged');
    assert.equal(await pagina.evaluate(() => scrollY), arriba, 'a drag scrolls nothing');
    assert.deepEqual(errores, []);
  } finally {
    await cerrar();
  }
}

// The verdict's panel on screen, and whether it stands clear of the picture, which holds no text
// of practice's.
const panelDelVeredicto = (pagina) => pagina.$eval('#Form2 .veredicto', (p) => {
  const r = p.getBoundingClientRect();
  const d = document.querySelector('#Form2 .picture').getBoundingClientRect();
  const fuera = r.bottom <= d.top + 0.5 || r.top >= d.bottom - 0.5 || r.right <= d.left + 0.5 || r.left >= d.right - 0.5;
  const textos = [...document.querySelectorAll('#Form2 .svg text')].filter((t) => /^#(aa0000|006e00)$/.test(t.getAttribute('fill')));
  const enVista = r.top >= 0 && r.bottom <= innerHeight && r.height > 0;
  return { texto: p.textContent, fuera, enVista, enElDibujo: textos.length };
});

// Comprobar closes the practice menu, which would cover the verdict; Esc closes a menu without
// leaving the window. On a phone the verdict's lines stand apart.
async function menuYVeredicto(contexto) {
  for (const [ancho, alto] of [[1366, 768], [360, 740]]) {
    const { pagina, errores, menu } = await practicando(contexto, 'es', { width: ancho, height: alto });
    await menu.getByLabel('Módulo de su resultante').fill('50');
    await menu.getByLabel('Dirección de su resultante').fill('30');
    await menu.getByRole('button', { name: 'Comprobar' }).click();
    assert.equal(await abierto(menu), false, `the menu closed at ${ancho}`);
    const panel = await panelDelVeredicto(pagina);
    assert.match(panel.texto, /Su resultante/, `the verdict shown at ${ancho}`);
    assert.deepEqual([panel.fuera, panel.enVista, panel.enElDibujo], [true, true, 0],
      `the verdict in view, beside the picture and not on it, at ${ancho}`);
    await menu.locator('summary').click();
    await pagina.keyboard.press('Escape');
    assert.equal(await abierto(menu), false, 'Esc closes the menu');
    assert.ok(await pagina.isVisible('#Form2'), 'and leaves the window');
    assert.deepEqual(errores, []);
    await pagina.close();
  }
}

// A bar the exercise holds, dragged by the mouse: the thumb stays and the refusal is the keys'.
async function barraRetenida(contexto) {
  const { pagina, errores, menu } = await practicando(contexto);
  await cerrarMenu(menu);
  const barra = control(pagina, 'HScroll1');
  const valor = await barra.inputValue();
  await barra.press('ArrowRight');
  const rechazo = await pagina.textContent('#aviso');
  assert.match(rechazo, /El ejercicio no cambia hasta comprobarlo/);
  // A command refused nothing: the refusal goes.
  await pagina.evaluate(() => trazalia.ejecutar((n) => n.vista('Form2', 'grid', false)));
  assert.ok(await pagina.isHidden('#aviso'));
  const caja = await barra.boundingBox();
  const y = caja.y + caja.height / 2;
  await pagina.mouse.click(caja.x + caja.width * 0.9, y);
  await pagina.mouse.move(caja.x + caja.width * 0.5, y);
  await pagina.mouse.down();
  await pagina.mouse.move(caja.x + caja.width * 0.2, y, { steps: 5 });
  await pagina.mouse.up();
  assert.equal(await barra.inputValue(), valor, 'the thumb where the exercise holds it');
  assert.equal(await pagina.textContent('#aviso'), rechazo);
  assert.ok(await pagina.isVisible('#aviso'));
  assert.deepEqual(errores, []);
  await pagina.close();
}

// The page's help, in each language: what the page does, its keys from the core's table; the
// keys it and the verdict name work.
async function ayuda(contexto) {
  const nombres = { es: ['Otro ejercicio', 'Ayuda de Trazalia'], en: ['Another exercise', 'Trazalia Help'],
    pt_BR: ['Outro exercício', 'Ajuda do Trazalia'] };
  for (const [idioma, [otro, titulo]] of Object.entries(nombres)) {
    const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=${idioma}`);
    await pagina.focus('#Form1 [data-control=Command1]');
    await pagina.keyboard.press('F1');
    const panel = pagina.locator('#panel-ayuda[open]');
    assert.equal(await panel.locator('#titulo-ayuda').textContent(), titulo);
    const texto = await panel.textContent();
    // The desktop's clipboard, files, printing of a picture, full screen and command line.
    for (const ajeno of [/Ctrl\+[CSP]\b/, /--(resumen|hoja|script)\b/, /\bF11\b/])
      assert.doesNotMatch(texto, ajeno, idioma);
    const filas = await panel.locator('table.teclas tbody tr').evaluateAll((fs) =>
      fs.map((f) => [...f.cells].map((c) => c.textContent)));
    assert.ok(filas.length >= 15, `${idioma}: ${filas.length} rows of keys`);
    assert.ok(filas.every(([t, d]) => t && d), `${idioma}: every row has its keys and what they do`);
    assert.deepEqual(filas.filter(([t]) => t === 'N').map(([, d]) => d), [otro], `${idioma}: N`);
    assert.ok(filas.some(([t]) => t === 'Ctrl+Z') && filas.some(([t]) => t === 'W'), idioma);
    assert.deepEqual(errores, []);
    await pagina.close();
  }

  const { pagina, errores, menu } = await practicando(contexto);
  // Practice's own box, the first; the equilibrant's follows it.
  const practicar = menu.locator('input[type=checkbox]').first();
  await cerrarMenu(menu);
  // N after a verdict, on the picture: another exercise, its instruction drawn.
  await control(pagina, 'HScroll2').focus();
  await pagina.evaluate(() => trazalia.ejecutar((n) => n.adivinar('Form2', '50', '30')));
  await control(pagina, 'Picture1').press('Enter');
  assert.match(await descripcion(pagina), /N: otro ejercicio\./);
  await control(pagina, 'Picture1').press('n');
  assert.match(await descripcion(pagina), /Arrastre desde el origen su resultante/);
  // With the focus on no control, the window's title, N is the window's too.
  await pagina.focus('#Form2 .titulo');
  const antes = await control(pagina, 'HScroll1').inputValue();
  await pagina.keyboard.press('n');
  assert.notEqual(await control(pagina, 'HScroll1').inputValue(), antes, 'N on the title');
  // P turns practice off and on; W opens the worksheet.
  await control(pagina, 'HScroll1').press('p');
  assert.equal(await practicar.isChecked(), false, 'P turns practice off');
  await control(pagina, 'HScroll1').press('p');
  assert.equal(await practicar.isChecked(), true, 'P turns it on');
  await control(pagina, 'HScroll1').press('w');
  await pagina.locator('#panel-hoja[open]').waitFor();
  // Esc, with the focus on no control, goes back as it does from a control.
  await pagina.keyboard.press('Escape');
  await pagina.focus('#Form2 .titulo');
  await pagina.keyboard.press('Escape');
  assert.ok(await pagina.isVisible('#Form1'), 'Esc on the title goes back');
  assert.deepEqual(errores, []);
  await pagina.close();
}

// Storage that refuses the record: the page says so at once and downloads what there is; none is
// counted in the plural in Portuguese.
async function almacenamiento() {
  const { contexto, perfil, cerrar } = await abrirChromium();
  try {
    const { pagina: pt, menu: menuPt } = await practicando(contexto, 'pt_BR');
    assert.equal(await menuPt.locator('.guardados').textContent(), '0 resultados salvos neste navegador');
    await pt.close();
    await contexto.addInitScript(() => {
      const poner = Storage.prototype.setItem;
      Storage.prototype.setItem = function (clave, valor) {
        if (clave === 'trazalia.registro') throw new DOMException('lleno', 'QuotaExceededError');
        return poner.call(this, clave, valor);
      };
    });
    const { pagina, errores, menu } = await practicando(contexto);
    const aviso = pagina.locator('#sin-guardar');
    assert.ok(await aviso.isHidden());
    // A refusal in the student's words: no command or window name of the script language.
    await menu.getByLabel('Módulo de su resultante').fill('-5');
    await menu.getByLabel('Dirección de su resultante').fill('30');
    await menu.getByRole('button', { name: 'Comprobar' }).click();
    const negativa = await menu.locator('.practica-error').textContent();
    assert.ok(negativa && !/Form\d|guess|practice/.test(negativa), negativa);
    await menu.getByLabel('Módulo de su resultante').fill('50');
    await menu.getByLabel('Dirección de su resultante').fill('30');
    await menu.getByRole('button', { name: 'Comprobar' }).click();
    assert.ok(await aviso.isVisible(), 'the refusal said at once');
    assert.match(await aviso.textContent(), /no guardó el último resultado/);
    assert.deepEqual(await axe(pagina), [], 'axe-core on the warning');
    const [descarga] = await Promise.all([
      pagina.waitForEvent('download'),
      aviso.getByRole('button', { name: 'Descargar resultados' }).click(),
    ]);
    // Offered under the student's name and the date, as the desktop offers it.
    assert.match(descarga.suggestedFilename(), /^Ana-\d{4}-\d{2}-\d{2}\.csv$/);
    const csv = join(perfil, 'practica.csv');
    await descarga.saveAs(csv);
    const lineas = readFileSync(csv, 'utf8').trim().split('\n');
    assert.equal(lineas.length, 2, 'the header and the verdict');
    assert.match(lineas[1], /,Ana,Form2,medio,.*,50,30,/);
    assert.deepEqual(errores, []);
  } finally {
    await cerrar();
  }
}

// The language the browser asks for, with a region or without.
async function idiomaDelNavegador() {
  for (const [locale, lang, boton] of [['en-US', 'en', 'Help'], ['en-GB', 'en', 'Help'],
    ['pt-BR', 'pt-BR', 'Ajuda'], ['pt', 'pt-BR', 'Ajuda'], ['es-AR', 'es', 'Ayuda'], ['en', 'en', 'Help']]) {
    const { contexto, cerrar } = await abrirChromium({ locale });
    try {
      const { pagina } = await abrirPagina(contexto, paginaLocal);
      assert.deepEqual([await pagina.getAttribute('html', 'lang'), await pagina.textContent('#boton-ayuda')],
        [lang, boton], locale);
    } finally {
      await cerrar();
    }
  }
}

// The title names the window once, without the caption's period; "Salir" closes a page the
// browser lets close, and otherwise says how to leave.
async function tituloYSalir(contexto) {
  const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=es`);
  assert.equal(await pagina.title(), 'Trazalia');
  await pagina.click('#Form1 [data-control=Command1]');
  assert.equal(await pagina.title(), 'Método del Paralelogramo · Trazalia');
  await pagina.click('#Form2 [data-control=Command2]');
  const [abierta] = await Promise.all([
    contexto.waitForEvent('page'),
    pagina.evaluate((u) => window.open(u), `${paginaLocal}?idioma=es`),
  ]);
  await abierta.locator('#Form1:not([hidden])').waitFor();
  await Promise.all([abierta.waitForEvent('close'), abierta.click('#Form1 [data-control=Command3]')]);
  await pagina.click('#Form1 [data-control=Command3]');
  assert.match(await pagina.textContent('#terminado'), /cierre esta pestaña/);
  assert.ok(await pagina.locator('#volver').evaluate((b) => b === document.activeElement));
  assert.deepEqual(await axe(pagina), [], 'axe-core where the page ended');
  assert.deepEqual(errores, []);
  await pagina.close();
}

const { contexto, cerrar } = await abrirChromium();
try {
  for (const [nombre, prueba] of [
    ['lecturas', () => lecturas(contexto)],
    ['de lado', deLado],
    ['menú y veredicto', () => menuYVeredicto(contexto)],
    ['barra retenida', () => barraRetenida(contexto)],
    ['ayuda', () => ayuda(contexto)],
    ['almacenamiento', almacenamiento],
    ['idioma del navegador', idiomaDelNavegador],
    ['título y salir', () => tituloYSalir(contexto)],
  ]) {
    // PRUEBA=ayuda runs that one alone.
    if (process.env.PRUEBA && process.env.PRUEBA !== nombre) continue;
    console.log(nombre);
    await prueba();
  }
} finally {
  await cerrar();
}
console.log('uso: todo bien');
