// SPDX-License-Identifier: GPL-3.0-or-later
// The link to what is on screen, from a folder and from a server: shared, it opens the same
// window, bars, views, language and exercises elsewhere; Back returns to the window before and a
// reload keeps what was shown; bad values open the nearest state and say so; the QR code reads
// back as the link; the picture saved as SVG is the core's and as PNG twice its size.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import jsQR from 'jsqr';
import { abrirChromium, abrirPagina, paginaLocal, sitio } from './practica_comun.mjs';
import { servirSitio } from '../tools/servidor.mjs';

// What the core has on screen, read from it: the window, its bars, the views, the language, and
// the picture (the exercise's vectors included).
const estado = (pagina) =>
  pagina.evaluate(() => {
    const n = trazalia.nucleo;
    const v = JSON.parse(n.ventanas()).map((w) => JSON.parse(n.tabla(w.nombre))).find((t) => t.visible);
    return {
      ventana: v.nombre,
      barras: v.controles.filter((c) => c.tipo === 'barra').map((c) => c.valor),
      vistas: JSON.parse(n.vistas()).filter((w) => w.activa).map((w) => w.nombre),
      idioma: document.documentElement.lang,
      svg: n.svg(v.nombre),
    };
  });

const abrir = (contexto, enlace) => abrirPagina(contexto, enlace, { enForm1: false });

async function compartido(pagina) {
  await pagina.click('.ventana:not([hidden]) button.compartir');
  await pagina.locator('#panel-compartir[open]').waitFor();
  return pagina.inputValue('#enlace');
}

// Fresh browsers (no storage, no language remembered) open the link as it was shared.
async function enOtro(enlace, hacer) {
  const { contexto, cerrar } = await abrirChromium();
  try {
    const { pagina, errores } = await abrir(contexto, enlace);
    await hacer(pagina);
    assert.deepEqual(errores, []);
  } finally {
    await cerrar();
  }
}

async function enlaceCompartido(contexto, base) {
  const { pagina, errores } = await abrirPagina(contexto, base);
  await pagina.click('#Form1 [data-control=Command2]');
  await pagina.locator('#Form3 [data-control=HScroll1]').fill('70');
  await pagina.click('#Form3 summary[data-texto=vistas]');
  await pagina.check('#Form3 input[value=grid]');
  await pagina.click('#Form3 summary[data-texto=vistas]');
  await pagina.selectOption('#idioma', 'en');
  const visto = await estado(pagina);
  const enlace = await compartido(pagina);
  assert.match(enlace, /#ventana=Form3&HScroll1=70&.*vistas=([a-z]+,)*grid\b.*&idioma=en/);
  // The QR code's pixels, drawn as the browser draws it, read back as the link.
  const qr = await pagina.evaluate(async () => {
    const svg = new XMLSerializer().serializeToString(document.querySelector('#qr svg'));
    const img = new Image();
    img.src = `data:image/svg+xml,${encodeURIComponent(svg)}`;
    await img.decode();
    const c = Object.assign(document.createElement('canvas'), { width: 600, height: 600 });
    c.getContext('2d').drawImage(img, 0, 0, 600, 600);
    return Array.from(c.getContext('2d').getImageData(0, 0, 600, 600).data);
  });
  assert.equal(jsQR(Uint8ClampedArray.from(qr), 600, 600)?.data, enlace);
  await enOtro(enlace, async (otra) => assert.deepEqual(await estado(otra), visto));

  // A teacher's practice at seed 2024, level medio, one exercise on: the students get the same.
  await pagina.click('#panel-compartir .cerrar');
  await pagina.locator('#Form3 [data-control=Picture1]').press('Escape');
  await pagina.click('#Form1 [data-control=Command1]');
  const menu = pagina.locator('#Form2 .practica');
  await menu.locator('summary').click();
  await menu.locator('select').selectOption('medio');
  await menu.locator('input[inputmode=numeric]').fill('2024');
  await menu.locator('input[type=checkbox]').first().check();
  await pagina.keyboard.press('Escape');
  await pagina.locator('#Form2 [data-control=Picture1]').press('n');
  const ejercicio = await estado(pagina);
  const practica = await compartido(pagina);
  assert.match(practica, /semilla=2024&nivel=medio&pregunta=resultante&ejercicio=1$/);
  // The exercise passed over to reach it was never the student's: the record holds nothing.
  const alumno = async (otra) => {
    assert.deepEqual(await estado(otra), ejercicio);
    assert.equal(await otra.evaluate(() => localStorage.getItem('trazalia.registro')), null);
    assert.ok(await otra.isChecked('#Form2 .practica input[type=checkbox] >> nth=0'), 'the menu practises');
  };
  for (let i = 0; i < 2; i++) await enOtro(practica, alumno);
  assert.deepEqual(errores, []);
  await pagina.close();
}

async function atrasYRecarga(contexto, base) {
  const { pagina } = await abrirPagina(contexto, base);
  await pagina.click('#Form1 [data-control=Command1]');
  await pagina.locator('#Form2 [data-control=HScroll2]').fill('40');
  await pagina.goBack();
  await pagina.locator('#Form1:not([hidden])').waitFor();
  await pagina.goForward();
  await pagina.locator('#Form2:not([hidden])').waitFor();
  assert.equal((await estado(pagina)).barras[1], 40, 'Forward finds the bar where it was');
  // Two changes at once: the second waits its turn to be written, then a reload finds it.
  for (const v of ['50', '55']) await pagina.locator('#Form2 [data-control=HScroll2]').fill(v);
  await pagina.waitForFunction(() => location.hash.includes('HScroll2=55'));
  const antes = await estado(pagina);
  await pagina.reload();
  await pagina.locator('#Form2:not([hidden])').waitFor();
  assert.deepEqual(await estado(pagina), antes);
  await pagina.close();
}

// Each link's nearest state, and the words of the notice that says what changed.
const kMalos = [
  ['#ventana=Form9&idioma=es', 'Form1', null, /«Form9» → Form1/],
  ['#ventana=Form2&HScroll1=99999&HScroll2=x&vistas=grid,nada&idioma=tlh', 'Form2', ['grid'], /«99999» → \d+.*«x» → —.*«nada» → —.*«tlh» → es/],
  ['#ventana=Form2&idioma=es&semilla=2024&nivel=imposible&vistas=', 'Form2', [], /«imposible» → \w+/],
  ['#ventana=Form3&idioma=es&camino=todas&nivel=medio&vistas=', 'Form3', [], /camino: «todas» → —/],
  ['#%%%zz', 'Form1', null, /«»/],
];

async function valoresMalos(contexto, base) {
  for (const [hash, ventana, vistas, aviso] of kMalos) {
    const { pagina } = await abrir(contexto, base + hash);
    const visto = await estado(pagina);
    assert.equal(visto.ventana, ventana, hash);
    if (vistas) assert.deepEqual(visto.vistas, vistas, hash);
    assert.equal((await pagina.inputValue('#idioma')).replace('_', '-'), visto.idioma, 'the selector shows the language');
    assert.match(await pagina.textContent('#aviso:not([hidden])'), aviso, hash);
    assert.match(await pagina.textContent('#anuncios'), /El enlace traía valores/, hash);
    if (hash.includes('99999')) assert.equal(visto.barras[0], await pagina.evaluate(() => +trazalia.ventana('Form2').querySelector('[data-control=HScroll1]').max));
    await pagina.close();
  }
}

// The picture's files, and the link copied or, where the browser refuses, selected and said so.
async function archivos(contexto, base) {
  const { pagina } = await abrir(contexto, `${base}#ventana=Form2&HScroll1=120&HScroll2=30&vistas=labels&idioma=es`);
  await pagina.click('#Form2 .figura summary');
  const bajar = async (cual) => {
    const [d] = await Promise.all([pagina.waitForEvent('download'), pagina.click(`#Form2 .figura button:text("${cual}")`)]);
    return [d.suggestedFilename(), readFileSync(await d.path())];
  };
  const [nombreSvg, svg] = await bajar('SVG');
  assert.equal(nombreSvg, 'paralelogramo.svg');
  assert.equal(svg.toString('utf8'), await pagina.evaluate(() => trazalia.nucleo.svg('Form2')));
  await pagina.click('#Form2 .figura summary');
  const [, png] = await bajar('PNG');
  const ancho = Number(/width="([\d.]+)"/.exec(svg.toString())[1]);
  assert.equal(png.subarray(1, 4).toString(), 'PNG');
  assert.equal(png.readUInt32BE(16), Math.ceil(ancho * 2 - 1e-6), 'twice the picture, as the desktop');

  // The picture copied as an image, or, where the browser refuses, said so.
  const copiar = async () => {
    await pagina.click('#Form2 .figura summary');
    await pagina.click('#Form2 .figura button >> nth=0');
  };
  await copiar();
  await pagina.locator('#anuncios', { hasText: 'Imagen copiada' }).waitFor();
  assert.deepEqual(await pagina.evaluate(async () => (await navigator.clipboard.read())[0].types), ['image/png']);
  await pagina.evaluate(() => (navigator.clipboard.write = () => Promise.reject(new Error('no'))));
  await copiar();
  await pagina.locator('#aviso:not([hidden])', { hasText: 'no dejó copiar la imagen' }).waitFor();

  await pagina.evaluate(() => (navigator.clipboard.writeText = () => Promise.reject(new Error('no'))));
  await compartido(pagina);
  assert.match(await pagina.textContent('#enlace-copiado'), /no dejó copiar/);
  assert.ok(await pagina.evaluate(() => { const e = document.querySelector('#enlace'); return e === document.activeElement && e.selectionEnd - e.selectionStart === e.value.length; }));
  await pagina.close();
}

const { servidor, origen } = await servirSitio(sitio);
const { contexto, cerrar } = await abrirChromium({ permissions: ['clipboard-read', 'clipboard-write'] });
try {
  for (const [donde, base] of [['carpeta', paginaLocal], ['servidor', `${origen}/index.html`]])
    for (const [nombre, prueba] of [
      ['enlace compartido', enlaceCompartido],
      ['atrás y recarga', atrasYRecarga],
      ['valores malos', valoresMalos],
      ['archivos', archivos],
    ]) {
      if (process.env.PRUEBA && process.env.PRUEBA !== nombre) continue;
      console.log(`${nombre} (${donde})`);
      await prueba(contexto, base);
    }
} finally {
  await cerrar();
  servidor.close();
}
console.log('enlace: todo bien');
