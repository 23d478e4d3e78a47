// SPDX-License-Identifier: GPL-3.0-or-later
// The page's speed in Debian's Chromium at 1920 × 1080, served from a local server: from each
// input event (a key on a bar, a pointer move of a dragged tip, the polygon's step bar to step 7)
// to the presentation of the first frame that shows it, as Chromium's trace records the frames;
// the same less the wait for that frame to begin; and to the end of the page's part of the
// frame; the median and p95; from the load to the first window painted; and what the page
// loads, compressed with gzip.
// Frames begin at the display's refresh, 60 times a second, here as on a school's projector: an
// input waits for the next one up to 16.7 ms, by chance, whatever the page does. What follows the
// frame's beginning is the page's work and the browser's.
// node bench_pagina.mjs SITE_DIR [CHANGES]
import { mkdtempSync, rmSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { loadavg, tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';
import { servirSitio } from './servidor.mjs';

const [sitio, ...resto] = process.argv.slice(2);
const kCambios = Number(resto[0] ?? 300);
const { servidor, origen } = await servirSitio(sitio);

// Each input event's time to the end of the page's part of the frame after it: a frame callback,
// then a task, which runs once that frame has been handed to the compositor. Rasterising, drawing
// and presenting it come after; only Chromium's trace sees those (latencias).
function medirFotogramas() {
  globalThis.medidas = [];
  const medir = (e) =>
    requestAnimationFrame(() => {
      const canal = new MessageChannel();
      canal.port1.onmessage = () => globalThis.medidas.push(performance.now() - e.timeStamp);
      canal.port2.postMessage(0);
    });
  addEventListener('keydown', medir, true);
  addEventListener('pointermove', medir, true);
  // Each input's start, and when the document first changed after it (latencias). A pointer's
  // raw movement and its move in the frame are one input with one time.
  globalThis.entradas = [];
  const entrada = (e) =>
    globalThis.entradas.at(-1)?.t !== e.timeStamp && globalThis.entradas.push({ t: e.timeStamp, cambio: null });
  for (const tipo of ['keydown', 'pointerrawupdate', 'pointermove']) addEventListener(tipo, entrada, true);
  new MutationObserver(() => {
    const ultima = globalThis.entradas.at(-1);
    if (ultima && ultima.cambio === null) ultima.cambio = performance.now();
  }).observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
  // The first window on screen: the time from the navigation's start.
  const observador = new MutationObserver(() => {
    const ventana = document.querySelector('#Form1:not([hidden]) .area');
    if (!ventana || globalThis.primerDibujo) return;
    observador.disconnect();
    requestAnimationFrame(() => {
      const canal = new MessageChannel();
      canal.port1.onmessage = () => (globalThis.primerDibujo = performance.now());
      canal.port2.postMessage(0);
    });
  });
  observador.observe(document, { subtree: true, childList: true, attributes: true });
}

// Each input's time to the presentation of the first frame that shows what it changed, from
// Chromium's trace of the renderer's frames. The page notes when each input began and when the
// document first changed after it; the trace gives each frame's start, its commit (the document
// as the frame shows it) and its presentation. A pointer's move that changes nothing paints
// nothing and is left out. Also the same time less the wait for the frame to begin: the wait for
// the display's next refresh, which no page can shorten.
async function latencias(pagina, accion) {
  const cdp = await pagina.context().newCDPSession(pagina);
  await cdp.send('Tracing.start', {
    traceConfig: { includedCategories: ['benchmark', 'blink.user_timing'] },
    transferMode: 'ReturnAsStream',
  });
  await pagina.evaluate(() => globalThis.entradas.splice(0));
  await accion();
  const [entradas, reloj] = await pagina.evaluate(() => [
    globalThis.entradas.splice(0),
    performance.mark('trazalia-reloj').startTime,
  ]);
  const completo = new Promise((listo) => cdp.once('Tracing.tracingComplete', listo));
  await cdp.send('Tracing.end');
  const { stream } = await completo;
  let texto = '';
  for (let trozo = { eof: false }; !trozo.eof; ) {
    trozo = await cdp.send('IO.read', { handle: stream });
    texto += trozo.base64Encoded ? Buffer.from(trozo.data, 'base64').toString() : trozo.data;
  }
  await cdp.send('IO.close', { handle: stream });
  await cdp.detach();
  const traza = JSON.parse(texto);
  const eventos = (traza.traceEvents ?? traza).sort((a, b) => a.ts - b.ts);
  // The mark ties the page's clock (ms) to the trace's (µs) and names the page's process.
  const marca = eventos.find((e) => e.name === 'trazalia-reloj');
  const aTraza = (t) => (t - reloj) * 1000 + marca.ts;
  // A frame's stages share its id while it lasts; ids come back for later frames.
  const abiertos = new Map();
  const comienzos = [];
  const presentados = [];
  for (const e of eventos) {
    if (e.pid !== marca.pid) continue;
    const id = e.id2?.local ?? e.id;
    if (e.name === 'PipelineReporter' && e.ph === 'b') {
      abiertos.set(id, { inicio: e.ts, estado: e.args?.frame_reporter?.state ?? '' });
      comienzos.push(e.ts);
    } else if (e.name === 'SendBeginMainFrameToCommit' && e.ph === 'e' && abiertos.has(id))
      abiertos.get(id).commit = e.ts;
    else if (e.name === 'PipelineReporter' && e.ph === 'e' && abiertos.has(id)) {
      const f = abiertos.get(id);
      abiertos.delete(id);
      if (f.commit !== undefined && f.estado.startsWith('STATE_PRESENTED'))
        presentados.push({ ...f, fin: e.ts });
    }
  }
  presentados.sort((a, b) => a.commit - b.commit);
  const total = [];
  const sinEspera = [];
  for (const { t, cambio } of entradas) {
    // The frame whose commit first follows the change shows it.
    const f = cambio === null ? undefined : presentados.find((f) => f.commit > aTraza(cambio));
    const inicio = aTraza(t);
    total.push(f ? (f.fin - inicio) / 1000 : null);
    // The wait ends when the first frame after the input begins, or with the frame that shows
    // it, which may have begun already: a frame it missed is the page's time, not the wait.
    const siguiente = comienzos.find((c) => c >= inicio) ?? Infinity;
    const espera = f ? Math.max(0, Math.min(siguiente, f.inicio) - inicio) : 0;
    sinEspera.push(f ? (f.fin - inicio - espera) / 1000 : null);
  }
  return { total, sinEspera };
}

const percentil = (valores, p) => {
  const orden = [...valores].sort((a, b) => a - b);
  return orden[Math.min(orden.length - 1, Math.ceil((p / 100) * orden.length) - 1)];
};
const fila = (nombre, todos) => {
  const valores = todos.filter((v) => v !== null);
  return valores.length > 0 && console.log(
    `${nombre.padEnd(34)} mediana ${percentil(valores, 50).toFixed(1).padStart(6)} ms   ` +
      `p95 ${percentil(valores, 95).toFixed(1).padStart(6)} ms   (${valores.length})`,
  );
};

const perfil = mkdtempSync(join(tmpdir(), 'trazalia-bench-'));
const contexto = await chromium.launchPersistentContext(perfil, {
  executablePath: process.env.TRAZALIA_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  viewport: { width: 1920, height: 1080 },
  args: ['--no-sandbox', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
try {
  await contexto.addInitScript(medirFotogramas);
  const cargados = new Set();
  contexto.on('request', (r) => r.url().startsWith(origen) && cargados.add(new URL(r.url()).pathname));

  // Each load in a fresh page, the service worker kept from the first: as a student's visits.
  const cargas = [];
  let pagina;
  for (let i = 0; i < 5; i++) {
    await pagina?.close();
    pagina = await contexto.newPage();
    await pagina.goto(`${origen}/?idioma=es`);
    await pagina.waitForFunction(() => globalThis.primerDibujo);
    cargas.push(await pagina.evaluate(() => globalThis.primerDibujo));
  }
  // The first window is drawn before the core arrives; the inputs are the core's.
  await pagina.waitForFunction(() => globalThis.trazalia);
  const tomar = () => pagina.evaluate(() => globalThis.medidas.splice(0));
  // A student's key or pointer comes at any moment of a frame. Waiting for each frame's measure
  // ends in a frame callback; the next input then waits a random part of a refresh, or it would
  // always come just after a frame began and wait nearly a whole one for the next.
  const alAzar = () => new Promise((listo) => setTimeout(listo, Math.random() * 1000 / 60));

  await pagina.locator('#Form1 [data-control="Command1"]').click();
  await pagina.focus('#Form2 [data-control="HScroll1"]');
  await tomar();
  const barra = [];
  const barraPresentada = await latencias(pagina, async () => {
    for (let i = 0; i < kCambios; i++) {
      await pagina.keyboard.press(i % 2 ? 'ArrowLeft' : 'ArrowRight');
      await pagina.waitForFunction(() => globalThis.medidas.length > 0);
      barra.push(...(await tomar()));
      await alAzar();
    }
  });

  // The red vector's tip, from the picture's own line in twips.
  const [x0, y0] = await pagina.evaluate(() => {
    const svg = document.querySelector('#Form2 .svg svg');
    const linea = [...svg.querySelectorAll('line')].find((l) => /ff0000/i.test(l.getAttribute('stroke') ?? ''));
    const caja = svg.getBoundingClientRect();
    const vista = svg.viewBox.baseVal;
    return [
      caja.left + (linea.x2.baseVal.value * caja.width) / vista.width,
      caja.top + (linea.y2.baseVal.value * caja.height) / vista.height,
    ];
  });
  await pagina.mouse.move(x0, y0);
  await pagina.mouse.down();
  await tomar();
  const arrastre = [];
  const arrastrePresentado = await latencias(pagina, async () => {
    for (let i = 0; i < kCambios; i++) {
      await pagina.mouse.move(x0 - 40 + 80 * Math.abs(Math.sin(i / 20)), y0 + 30 * Math.cos(i / 15));
      await pagina.waitForFunction(() => globalThis.medidas.length > 0);
      arrastre.push(...(await tomar()));
      await alAzar();
    }
  });
  await pagina.mouse.up();

  await pagina.locator('#Form2 [data-control="Command2"]').click();
  await pagina.locator('#Form1 [data-control="Command2"]').click();
  await pagina.focus('#Form3 [data-control="HScroll7"]');
  const paso7 = [];
  // Each key waits for its frame, so the trace's key presses alternate as the keys do.
  const pasos = await latencias(pagina, async () => {
    for (let i = 0; i < kCambios; i++) {
      await pagina.keyboard.press(i % 2 ? 'Home' : 'End');
      await pagina.waitForFunction(() => globalThis.medidas.length > 0);
      const [t] = await tomar();
      if (i % 2 === 0) paso7.push(t);
      await alAzar();
    }
  });
  const paso7Presentado = {
    total: pasos.total.filter((_, i) => i % 2 === 0),
    sinEspera: pasos.sinEspera.filter((_, i) => i % 2 === 0),
  };

  // Other processes' work shows in the p95 on a machine of two cores.
  console.log(`carga media del sistema: ${loadavg().map((c) => c.toFixed(1)).join(' ')}`);
  console.log('De la entrada al primer fotograma presentado que la muestra (traza de Chromium):');
  fila('barra: tecla', barraPresentada.total);
  fila('arrastre: movimiento', arrastrePresentado.total);
  fila('polígono: paso 7', paso7Presentado.total);
  console.log('Lo mismo sin la espera al comienzo del fotograma (el refresco de la pantalla):');
  fila('barra: tecla', barraPresentada.sinEspera);
  fila('arrastre: movimiento', arrastrePresentado.sinEspera);
  fila('polígono: paso 7', paso7Presentado.sinEspera);
  console.log('De la entrada al fin del trabajo de la página en su fotograma:');
  fila('barra: tecla', barra);
  fila('arrastre: movimiento', arrastre);
  fila('polígono: paso 7', paso7);
  fila('carga → primera ventana', cargas);
  let total = 0;
  for (const ruta of [...cargados].sort()) {
    const cuerpo = await readFile(join(sitio, ruta.endsWith('/') ? `${ruta}index.html` : ruta));
    const comprimido = gzipSync(cuerpo, { level: 9 }).length;
    total += comprimido;
    console.log(`  ${ruta.padEnd(26)} ${String(cuerpo.length).padStart(8)} B  ${String(comprimido).padStart(7)} B con gzip`);
  }
  console.log(`lo que carga la página: ${total} B con gzip (${(total / 1024).toFixed(1)} KiB)`);
} finally {
  await contexto.close();
  rmSync(perfil, { recursive: true, force: true });
  servidor.close();
}
