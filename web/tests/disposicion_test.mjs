// SPDX-License-Identifier: GPL-3.0-or-later
// The page laid out for the screen it is on, at a laptop's, a phone's upright and sideways, a
// netbook's and a large screen's size: Form1 and each method window (one practising, its verdict
// shown) with every control in the page and uncovered, no text under 12 px, the picture at least
// half the screen held sideways and the practice menu clear of it; the vectors and every text in
// contrast with the page's default views, which a link or the user's choice overrides; a finger's
// targets; a swipe on the picture of a phone held sideways scrolls; Esc closes a menu. Screenshots
// in capturas/ beside the site.
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { abrirChromium, abrirPagina, paginaLocal, sitio } from './practica_comun.mjs';

const capturas = join(sitio, '..', 'capturas');
const kTamanos = [[1366, 657], [360, 740], [740, 360], [1024, 600], [1920, 1080]];

// Each window from Form1, a construction drawn; its way back to Form1.
const kVentanas = [
  ['Form2', 'Command1', 'Command2', ['HScroll1 End', 'HScroll2 End', 'HScroll4 PageDown PageDown', 'Command1']],
  ['Form3', 'Command2', 'Command1', ['HScroll1 End', 'HScroll2 End', 'HScroll3 End', 'HScroll5 PageDown', 'HScroll6 PageUp', 'HScroll7 End']],
  ['Form4', 'Command4', 'Command2', ['HScroll1 End', 'HScroll2 PageDown', 'HScroll4 PageDown', 'Command1']],
];

async function hacer(pagina, ventana, acciones) {
  for (const accion of acciones) {
    const [control, ...teclas] = accion.split(' ');
    const e = pagina.locator(`#${ventana} [data-control=${control}]`);
    if (!teclas.length) await e.click();
    for (const t of teclas) await e.press(t);
  }
}

// What a person would find wrong with the window shown, measured in the page.
function revisar(ventana) {
  const malos = [];
  const minimos = { letra: Infinity, texto: Infinity, trazo: Infinity };
  const menor = (cual, v) => (minimos[cual] = Math.min(minimos[cual], v));
  const rgb = (c) => (c.match(/[\d.]+/g) ?? []).map(Number);
  const lum = ([r, g, b]) => [r, g, b].map((c) => (c / 255 <= 0.04045 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4))
    .reduce((s, c, i) => s + c * [0.2126, 0.7152, 0.0722][i], 0);
  const contraste = (a, b) => (Math.max(lum(a), lum(b)) + 0.05) / (Math.min(lum(a), lum(b)) + 0.05);
  const fondo = (e) => {
    for (let x = e; x; x = x.parentElement) {
      const c = rgb(getComputedStyle(x).backgroundColor);
      if (c.length === 3 || c[3] > 0.9) return c;
    }
    return [255, 255, 255];
  };
  const visible = (e) => e.checkVisibility({ visibilityProperty: true }) && !e.closest('.sr') &&
    e.getBoundingClientRect().width > 1;
  const raiz = document.getElementById(ventana);
  const picture = raiz.querySelector('.picture');
  const svg = picture?.querySelector('svg');
  const apaisada = innerWidth > innerHeight;
  // Every control, tool and header item: inside the page's width, and on top where it stands.
  const ancho = document.documentElement.clientWidth;
  for (const e of raiz.querySelectorAll('.control, .herramientas > *, #cabecera > *'))
    if (visible(e)) {
      e.scrollIntoView({ block: 'center', inline: 'center' });
      const r = e.getBoundingClientRect();
      const encima = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
      const nombre = e.dataset.control ?? e.className ?? e.tagName;
      if (r.left < -0.5 || r.right > ancho + 0.5) malos.push(`${nombre} fuera: ${r.left}–${r.right} de ${ancho}`);
      if (!e.contains(encima)) malos.push(`${nombre} tapado por ${encima?.outerHTML.slice(0, 60)}`);
    }
  scrollTo(0, 0);
  // Every text 12 px or more, and 4.5:1 on what is behind it (a disabled control's excepted).
  const textos = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let t = textos.nextNode(); t; t = textos.nextNode()) {
    const e = t.parentElement;
    if (!t.textContent.trim() || !visible(e) || e.closest('svg, option, :disabled')) continue;
    const estilo = getComputedStyle(e);
    const letra = parseFloat(estilo.fontSize);
    const c = contraste(rgb(estilo.color), fondo(e));
    menor('letra', letra);
    menor('texto', c);
    if (letra < 12) malos.push(`«${t.textContent.trim()}» de ${letra} px`);
    if (c < 4.5) malos.push(`«${t.textContent.trim()}» a ${c.toFixed(2)}:1`);
  }
  if (!svg) return { malos, minimos };
  const caja = svg.getBoundingClientRect();
  const vista = svg.viewBox.baseVal;
  const escala = Math.min(caja.width / vista.width, caja.height / vista.height);
  const blanco = fondo(picture);
  for (const t of svg.querySelectorAll('text')) {
    const px = parseFloat(getComputedStyle(t).fontSize) * escala;
    const c = contraste(rgb(getComputedStyle(t).fill), blanco);
    menor('letra', px);
    menor('texto', c);
    if (px < 11.95) malos.push(`dibujo: «${t.textContent}» de ${px.toFixed(1)} px`);
    if (c < 4.5) malos.push(`dibujo: «${t.textContent}» a ${c.toFixed(2)}:1`);
  }
  // Every stroke of the picture, the vectors', 3:1 on its white.
  for (const l of svg.querySelectorAll('line, polyline, polygon, path')) {
    const trazo = getComputedStyle(l).stroke;
    if (trazo !== 'none') menor('trazo', contraste(rgb(trazo), blanco));
    if (trazo !== 'none' && contraste(rgb(trazo), blanco) < 3)
      malos.push(`trazo ${trazo} a ${contraste(rgb(trazo), blanco).toFixed(2)}:1`);
  }
  const r = picture.getBoundingClientRect();
  const area = (r.width * r.height) / (innerWidth * innerHeight);
  if (apaisada && (area < 0.5 || r.top < -0.5 || r.bottom > innerHeight + 0.5))
    malos.push(`dibujo ${r.width}×${r.height} en ${innerWidth}×${innerHeight}`);
  // Nothing that opens beside the picture covers it: a menu, the verdict's panel, a notice.
  for (const e of document.querySelectorAll('details.menu[open] > *, #avisos > :not([hidden])')) {
    const m = e.getBoundingClientRect();
    if (visible(e) && m.left < r.right && m.right > r.left && m.top < r.bottom && m.bottom > r.top)
      malos.push(`${e.className || e.id} sobre el dibujo`);
  }
  return { malos, area, minimos };
}

const medidas = { area: Infinity, letra: Infinity, texto: Infinity, trazo: Infinity, blanco: Infinity };

async function tamano(contexto, [ancho, alto]) {
  const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=es`);
  await pagina.setViewportSize({ width: ancho, height: alto });
  await pagina.evaluate(() => ['localStorage', 'sessionStorage'].forEach((s) => globalThis[s].setItem('trazalia.alumno', 'Ana')));
  const ver = async (ventana, nombre) => {
    const { malos, area, minimos } = await pagina.evaluate(revisar, ventana);
    for (const [k, v] of Object.entries(minimos)) medidas[k] = Math.min(medidas[k], v);
    assert.deepEqual(malos, [], `${nombre} a ${ancho}×${alto}`);
    if (area && ancho > alto) medidas.area = Math.min(medidas.area, area);
    // A large screen holds the whole window.
    if (ancho >= 1920 && nombre !== 'veredicto')
      assert.ok(await pagina.evaluate(() => document.documentElement.scrollHeight <= innerHeight), `${nombre} cabe`);
    await pagina.screenshot({ path: join(capturas, `disposicion-${nombre}-${ancho}x${alto}.png`) });
  };
  await ver('Form1', 'Form1');
  for (const [ventana, abre, regresa, acciones] of kVentanas) {
    await pagina.click(`#Form1 [data-control=${abre}]`);
    assert.doesNotMatch(await pagina.textContent(`#${ventana} .titulo`), /\.$/, 'a heading without a period');
    await hacer(pagina, ventana, acciones);
    await ver(ventana, ventana);
    if (ventana === 'Form2') {
      // Practising, the verdict shown and the menu open again beside it.
      const menu = pagina.locator('#Form2 .practica');
      await menu.locator('summary').click();
      await menu.locator('input[inputmode=numeric]').fill('7');
      await menu.locator('input[type=checkbox]').first().check();
      await menu.getByLabel('Módulo de su resultante').fill('50');
      await menu.getByLabel('Dirección de su resultante').fill('30');
      await menu.getByRole('button', { name: 'Comprobar' }).click();
      for (const m of await pagina.locator('#Form2 details.menu summary').all()) await m.click();
      assert.match(await pagina.textContent('#descripcion-Form2'), /La correcta/);
      await ver('Form2', 'veredicto');
      // Esc closes a menu, and leaves the window.
      const abiertos = () => pagina.locator('#Form2 details.menu[open]').count();
      const antes = await abiertos();
      await pagina.keyboard.press('Escape');
      assert.deepEqual([await abiertos(), await pagina.isVisible('#Form2')], [antes - 1, true], 'Esc closes a menu');
      await menu.locator('input[type=checkbox]').first().evaluate((c) => c.click());
    }
    await pagina.click(`#${ventana} [data-control=${regresa}]`);
  }
  assert.deepEqual(errores, []);
  await pagina.close();
}

// A finger's targets, 44 × 44 px, every menu open: buttons, summaries, fields, a box's label,
// the bars, a focusable read-out, the handle at a tip.
async function dedos([ancho, alto]) {
  const { contexto, cerrar } = await abrirChromium({ hasTouch: true, isMobile: true, viewport: { width: ancho, height: alto } });
  try {
    const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=es`);
    const pequenos = () => pagina.evaluate(() => {
      const malos = [];
      let minimo = Infinity;
      for (const menu of document.querySelectorAll('.ventana:not([hidden]) details.menu')) menu.open = true;
      const blancos = document.querySelectorAll(
        '.ventana:not([hidden]) :is(button, summary, select, input, [tabindex="0"], .agarres > .punta), #cabecera :is(button, select)');
      for (const e of blancos) {
        if (!e.checkVisibility()) continue;
        const caja = (e.type === 'checkbox' ? e.labels[0] ?? e : e).getBoundingClientRect();
        minimo = Math.min(minimo, caja.width, caja.height);
        if (caja.width < 44 || caja.height < 44)
          malos.push(`${e.dataset.control ?? e.className ?? e.tagName} ${e.textContent.trim()}: ${caja.width}×${caja.height}`);
      }
      return { malos, minimo };
    }).then(({ malos, minimo }) => {
      medidas.blanco = Math.min(medidas.blanco, minimo);
      return malos;
    });
    assert.deepEqual(await pequenos(), [], `Form1 al tacto a ${ancho}×${alto}`);
    await pagina.tap('#Form1 [data-control=Command1]');
    await hacer(pagina, 'Form2', kVentanas[0][3]);
    assert.deepEqual(await pequenos(), [], `Form2 al tacto a ${ancho}×${alto}`);
    await pagina.evaluate(() => {
      document.querySelectorAll('details.menu').forEach((m) => (m.open = false));
      scrollTo(0, 0);
    });
    if (ancho > alto) {
      // A swipe up from the picture's corner, away from every tip, scrolls the column beside it.
      const caja = await pagina.locator('#Form2 .picture').boundingBox();
      const [x, y] = [caja.x + 20, caja.y + caja.height - 20];
      assert.equal(await pagina.evaluate(([x, y]) => document.elementFromPoint(x, y).closest('.agarres > *'), [x, y]), null);
      const cdp = await contexto.newCDPSession(pagina);
      const toque = (type, y) => cdp.send('Input.dispatchTouchEvent', {
        type, touchPoints: type === 'touchEnd' ? [] : [{ x, y, radiusX: 8, radiusY: 8, id: 1 }] });
      await toque('touchStart', y);
      for (let i = 1; i <= 10; i++) {
        await toque('touchMove', y - 25 * i);
        await pagina.waitForTimeout(16);
      }
      await toque('touchEnd');
      await pagina.waitForTimeout(200);
      assert.ok(await pagina.evaluate(() => scrollY) > 50, 'a swipe on the picture scrolls');
    }
    assert.deepEqual(errores, []);
  } finally {
    await cerrar();
  }
}

// Bold and contrast by default; a link's ?vistas= wins, and a view switched off stays off.
async function vistas(contexto) {
  const activas = (pagina) => pagina.$$eval('#Form2 .menu input[type=checkbox]:checked', (cs) => cs.map((c) => c.value));
  const abrir = async (consulta) => {
    const { pagina } = await abrirPagina(contexto, `${paginaLocal}?idioma=es${consulta}`);
    await pagina.click('#Form1 [data-control=Command1]');
    return pagina;
  };
  let pagina = await abrir('');
  assert.deepEqual(await activas(pagina), ['bold', 'contrast']);
  assert.match(await pagina.evaluate(() => trazalia.nucleo.pasos('Form2')), /"deshacer":""/, 'no step to undo');
  await pagina.close();
  pagina = await abrir('&vistas=grid');
  assert.deepEqual(await activas(pagina), ['grid']);
  await pagina.click('#Form2 .menu summary');
  await pagina.uncheck('#Form2 .menu input[value=grid]');
  await pagina.close();
  pagina = await abrir('');
  assert.deepEqual(await activas(pagina), []);
  await pagina.close();
}

mkdirSync(capturas, { recursive: true });
const { contexto, cerrar } = await abrirChromium();
try {
  for (const t of kTamanos) {
    console.log(`${t.join('×')}`);
    await tamano(contexto, t);
  }
  for (const t of [[360, 740], [740, 360]]) await dedos(t);
  const { area, letra, texto, trazo, blanco } = medidas;
  console.log(`mínimos: el dibujo apaisado ${(area * 100).toFixed(1)} % de la pantalla; letra ${letra.toFixed(1)} px; ` +
    `texto ${texto.toFixed(2)}:1; trazo ${trazo.toFixed(2)}:1; blanco al tacto ${blanco.toFixed(1)} px`);
  await vistas(contexto);
} finally {
  await cerrar();
}
console.log('disposición: todo bien');
