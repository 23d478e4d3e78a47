// SPDX-License-Identifier: GPL-3.0-or-later
// The page in Chromium, opened from its folder and from a server on this machine: the windows
// against the native runner on the same actions, a tip dragged by mouse and by finger, the
// language and axe-core.
// node pagina_test.mjs TRAZALIA_NUCLEO
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { servirSitio } from '../tools/servidor.mjs';
import { abrirChromium, abrirPagina, paginaLocal, sitio, violacionesDeAxe } from './practica_comun.mjs';

const nucleo = process.argv[2];

// The actions on Form2, as keys on its bars; a script says the same to the native runner.
const kTeclas = [
  ['HScroll1', ['End', 'PageUp', 'ArrowLeft']],
  ['HScroll3', ['ArrowRight', 'ArrowRight', 'ArrowRight', 'PageDown', 'PageDown']],
  ['HScroll2', ['PageDown', 'PageDown', 'PageDown', 'PageDown']],
  ['HScroll4', ['Home', 'End', 'PageUp']],
];
const kGuion = [
  'click Form1.Command1',
  ...kTeclas.map(([c, ts]) => `key Form2.${c} ${ts.map((t) => t.replace('Arrow', '')).join(' ')}`),
  'click Form2.Command1',
];

// The native runner's trace of a script: the last caption of each control, the lines drawn since
// Picture1's last Cls, and the window's dump.
function nativo(lineas) {
  const ruta = join(tmpdir(), `trazalia-pagina-${process.pid}.txt`);
  writeFileSync(ruta, [...lineas, 'dump Form2', ''].join('\n'));
  const traza = execFileSync(nucleo, ['--script', ruta], { encoding: 'utf8' }).split('\n');
  const captions = {};
  let trazos = [];
  const barras = {};
  for (const l of traza) {
    let m;
    if ((m = /^Form2\.(\w+) Caption "(.*)"$/.exec(l))) captions[m[1]] = m[2];
    else if (l === 'Form2.Picture1 Cls') trazos = [];
    else if ((m = /^Form2\.Picture1 Line (\S+) (\S+) (\S+) (\S+) (\S+)$/.exec(l)))
      if (m[1] !== m[3] || m[2] !== m[4]) trazos.push(m.slice(1).join(' '));
    if ((m = /^Form2\.(HScroll\d+) HScroll .* Value (\d+)$/.exec(l))) barras[m[1]] = Number(m[2]);
  }
  return { captions, trazos, barras };
}

// The SVG's lines as the trace writes them; the foreground's colour is "fore" there.
async function lineasDelSvg(pagina) {
  return pagina.$$eval('#Form2 .svg line', (ls) => ls.map((l) =>
    ['x1', 'y1', 'x2', 'y2', 'stroke'].map((a) => l.getAttribute(a)).join(' ')));
}

// The picture on screen, brought up to date element by element, against the core's picture as a
// fresh page would show it: each element's name, attributes and text.
async function dibujoDelNucleo(pagina) {
  return pagina.evaluate(() => {
    const forma = (svg) => [...svg.children].map((e) =>
      [e.tagName, ...[...e.attributes].map((a) => `${a.name}=${a.value}`).sort(), e.textContent].join(' '));
    const plantilla = document.createElement('template');
    plantilla.innerHTML = trazalia.nucleo.svg('Form2').replace(/^<\?xml[^>]*>\s*/, '');
    const enPantalla = forma(document.querySelector('#Form2 .svg svg'));
    const delNucleo = forma(plantilla.content.querySelector('svg'));
    return enPantalla.length === delNucleo.length && enPantalla.every((e, i) => e === delNucleo[i]);
  });
}

async function lecturas(pagina, nombres) {
  const r = {};
  for (const n of nombres) r[n] = await pagina.textContent(`#Form2 [data-control=${n}]`);
  return r;
}

async function recorrido(contexto, direccion) {
  const origen = new URL(direccion).origin;
  const ajenas = [];
  const ajena = (r) => {
    const u = new URL(r.url());
    if (u.protocol !== 'data:' && u.origin !== origen) ajenas.push(r.url());
  };
  contexto.on('request', ajena);
  const { pagina, errores } = await abrirPagina(contexto, `${direccion}?idioma=es`);
  await pagina.focus('#Form1 [data-control=Command1]');
  await pagina.keyboard.press('Enter');
  for (const [control, teclas] of kTeclas) {
    await pagina.focus(`#Form2 [data-control=${control}]`);
    for (const t of teclas) await pagina.keyboard.press(t);
  }
  await pagina.focus('#Form2 [data-control=Command1]');
  await pagina.keyboard.press('Space');
  const esperado = nativo(kGuion);
  const nombres = ['Label5', 'Label6', 'Label7', 'Label8', 'Label10', 'Label12'];
  assert.deepEqual(await lecturas(pagina, nombres),
    Object.fromEntries(nombres.map((n) => [n, esperado.captions[n]])), 'lecturas');
  const fore = await pagina.evaluate(() => JSON.parse(trazalia.nucleo.tabla('Form2')).fore);
  assert.deepEqual(await lineasDelSvg(pagina), esperado.trazos.map((t) => t.replace(/fore$/, fore)),
    'las líneas del dibujo');
  assert.match(await pagina.textContent('#descripcion-Form2'), /Resultante: 113\.19 a 9\.87°/);
  assert.match(await pagina.textContent('#anuncios'), /Resultante: magnitud 113\.19, dirección 9\.87°/);

  // The red tip dragged: the bars as the native runner's drag leaves them.
  const punta = esperado.trazos.find((t) => t.endsWith('#ff0000')).split(' ').map(Number);
  const caja = await pagina.locator('#Form2 .svg').boundingBox();
  const px = (x, y) => [caja.x + (x * caja.width) / 7000, caja.y + (y * caja.height) / 6000];
  const [x0, y0] = px(punta[2], punta[3]);
  const [x1, y1] = [Math.round(x0 - 40), Math.round(y0 + 30)];
  await pagina.mouse.move(x0, y0);
  await pagina.mouse.down();
  await pagina.mouse.move((x0 + x1) / 2, (y0 + y1) / 2);
  await pagina.mouse.move(x1, y1);
  await pagina.mouse.up();
  const tw = (x, y) => [((x - caja.x) * 7000) / caja.width, ((y - caja.y) * 6000) / caja.height];
  const arrastre = nativo([...kGuion, `drag Form2 ${[...tw(x0, y0), ...tw(x1, y1)].join(' ')}`]);
  for (const barra of ['HScroll1', 'HScroll3'])
    assert.equal(Number(await pagina.inputValue(`#Form2 [data-control=${barra}]`)),
      arrastre.barras[barra], `${barra} tras arrastrar`);
  assert.deepEqual(await lecturas(pagina, ['Label5', 'Label7']),
    { Label5: arrastre.captions.Label5, Label7: arrastre.captions.Label7 }, 'lecturas tras arrastrar');
  assert.ok(await pagina.$eval('#Form2 [data-control=Label10]', (e) => e.classList.contains('anterior')),
    'the result read-out describes the earlier picture');
  assert.ok(await dibujoDelNucleo(pagina), 'the picture after the drag is the core\'s');

  // With Ajustar on, a dragged tip lands on 5 units and 15 degrees, as with Shift.
  await pagina.check('#Form2 .ajuste input');
  const azul = (await lineasDelSvg(pagina)).find((l) => /^3500 3000 .* #0000ff$/.test(l)).split(' ');
  const [a0, b0] = px(Number(azul[2]), Number(azul[3]));
  await pagina.mouse.move(a0, b0);
  await pagina.mouse.down();
  await pagina.mouse.move(a0 - 23, b0 - 61);
  await pagina.mouse.up();
  const [modulo, angulo] = await Promise.all(['HScroll2', 'HScroll4'].map((b) =>
    pagina.inputValue(`#Form2 [data-control=${b}]`).then(Number)));
  assert.deepEqual([modulo % 5, angulo % 15, modulo > 0], [0, 0, true], `ajustado: ${modulo} a ${angulo}°`);

  // A view's key on a bar: the core turns it on, the window's menu shows it.
  await pagina.focus('#Form2 [data-control=HScroll2]');
  await pagina.keyboard.press('g');
  assert.ok(await pagina.isChecked('#Form2 .menu input[value=grid]'), 'grid view on');
  assert.ok(await dibujoDelNucleo(pagina), 'the picture with the grid is the core\'s');
  contexto.off('request', ajena);
  assert.deepEqual(ajenas, [], 'requests to other origins');
  assert.deepEqual(await contexto.cookies(), [], 'cookies');
  assert.deepEqual(errores, []);
  // Nor could the page ask another origin: its policy refuses before a request is made.
  const rechazo = await pagina.evaluate(() => new Promise((listo) => {
    addEventListener('securitypolicyviolation', (e) => listo(e.effectiveDirective), { once: true });
    fetch('https://ejemplo.invalid/').catch(() => setTimeout(() => listo('ninguna'), 1000));
  }));
  assert.equal(rechazo, 'connect-src', 'the policy refuses another origin');
  await pagina.close();
}

// A finger on a phone: real touch events grab the red tip from farther than a mouse's point
// could, and leave the bars where the native runner's drag to the same point leaves them.
async function dedo(direccion) {
  const { contexto: tactil, cerrar } = await abrirChromium({ hasTouch: true, viewport: { width: 360, height: 740 } });
  try {
    const { pagina, errores } = await abrirPagina(tactil, `${direccion}?idioma=es`);
    await pagina.tap('#Form1 [data-control=Command1]');
    for (const [control, teclas] of kTeclas) {
      await pagina.focus(`#Form2 [data-control=${control}]`);
      for (const t of teclas) await pagina.keyboard.press(t);
    }
    const punta = (await lineasDelSvg(pagina)).find((l) => l.endsWith('#ff0000')).split(' ').map(Number);
    const caja = await pagina.locator('#Form2 .svg').boundingBox();
    const px = (x, y) => [caja.x + (x * caja.width) / 7000, caja.y + (y * caja.height) / 6000];
    const tw = (x, y) => [((x - caja.x) * 7000) / caja.width, ((y - caja.y) * 6000) / caja.height];
    const [x0, y0] = px(punta[2], punta[3]);
    const [x1, y1] = [Math.round(x0 - 30), Math.round(y0 + 25)];
    const cdp = await tactil.newCDPSession(pagina);
    const toque = (type, puntos) => cdp.send('Input.dispatchTouchEvent', {
      type, touchPoints: puntos.map(([x, y]) => ({ x, y, radiusX: 8, radiusY: 8, id: 1 })) });
    // 22 CSS px beside the tip: out of a mouse's reach, within a finger's.
    await toque('touchStart', [[x0 + 22, y0]]);
    await toque('touchMove', [[(x0 + x1) / 2, (y0 + y1) / 2]]);
    await toque('touchMove', [[x1, y1]]);
    await toque('touchEnd', []);
    const arrastre = nativo([...kGuion.slice(0, -1), `drag Form2 ${[...punta.slice(2, 4), ...tw(x1, y1)].join(' ')}`]);
    for (const barra of ['HScroll1', 'HScroll3'])
      assert.equal(Number(await pagina.inputValue(`#Form2 [data-control=${barra}]`)),
        arrastre.barras[barra], `${barra} tras arrastrar con el dedo`);
    assert.deepEqual(errores, []);
  } finally {
    await cerrar();
  }
}

// The language from the menu, remembered for the next visit; ?idioma= wins over it.
async function idiomas(contexto, direccion) {
  const { pagina } = await abrirPagina(contexto, direccion);
  await pagina.selectOption('#idioma', 'en');
  await pagina.click('#Form1 [data-control=Command2]');
  assert.equal(await pagina.getAttribute('#Form3 [data-control=HScroll1]', 'aria-label'),
    'Magnitude of vector 1');
  // The page's own texts and practice's levels come from the same translations as the core's.
  for (const [selector, esperado] of [
    ['#boton-ayuda', 'Help'],
    ['#Form3 [data-texto=deshacer]', 'Undo'],
    ['#Form3 .practica option[value=dificil]', 'Hard'],
    ['#Form3 .practica .lista > button:last-of-type', 'Download results'],
  ])
    assert.equal(await pagina.textContent(selector), esperado, selector);
  assert.deepEqual(await pagina.$$eval('[data-texto]', (es) =>
    es.filter((e) => e.textContent === e.dataset.texto).map((e) => e.dataset.texto)), []);
  await pagina.goto(direccion);
  await pagina.locator('#Form1:not([hidden])').waitFor();
  assert.equal(await pagina.getAttribute('html', 'lang'), 'en');
  assert.equal(await pagina.getAttribute('#Form1 [data-control=Command1]', 'aria-label'),
    'Parallelogram method');
  await pagina.goto(`${direccion}?idioma=pt_BR`);
  await pagina.locator('#Form1:not([hidden])').waitFor();
  assert.equal(await pagina.getAttribute('html', 'lang'), 'pt-BR');
  await pagina.close();
}

async function accesible(pagina, donde) {
  const violations = await violacionesDeAxe(pagina);
  assert.deepEqual(violations.map((v) => `${donde}: ${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), []);
}

// axe-core on each window at a large screen's size, the method windows with a construction drawn,
// and on the help (the layout at each size: disposicion_test.mjs).
async function accesibilidad(contexto, direccion) {
  const { pagina } = await abrirPagina(contexto, `${direccion}?idioma=es`);
  await pagina.setViewportSize({ width: 1920, height: 1080 });
  for (const [ventana, acciones] of [['Form1', []],
    ['Form2', ['Form1.Command1', 'Form2.HScroll1 End', 'Form2.HScroll2 End', 'Form2.HScroll4 PageDown PageDown', 'Form2.Command1']],
    ['Form3', ['Form2.Command2', 'Form1.Command2', 'Form3.HScroll1 End', 'Form3.HScroll2 End', 'Form3.HScroll5 PageDown', 'Form3.HScroll7 End']]]) {
    for (const accion of acciones) {
      const [control, ...teclas] = accion.split(' ');
      const selector = `#${control.replace('.', ' [data-control=')}]`;
      if (!teclas.length) await pagina.click(selector);
      else await pagina.focus(selector);
      for (const t of teclas) await pagina.keyboard.press(t);
    }
    await accesible(pagina, ventana);
  }
  // Help from the keys, as on the desktop.
  await pagina.focus('#Form3 [data-control=HScroll1]');
  await pagina.keyboard.press('F1');
  await pagina.locator('#panel-ayuda[open]').waitFor();
  await accesible(pagina, 'la ayuda');
  await pagina.close();
}

const { contexto, cerrar } = await abrirChromium();
const { servidor: s, origen } = await servirSitio(sitio);
const direccion = `${origen}/`;
try {
  for (const d of [paginaLocal, direccion]) {
    console.log(`recorrido: ${d}`);
    await recorrido(contexto, d);
  }
  console.log('el dedo');
  await dedo(direccion);
  console.log('idiomas');
  await idiomas(contexto, direccion);
  console.log('axe-core');
  await accesibilidad(contexto, direccion);
} finally {
  s.close();
  await cerrar();
}
console.log('bien');
