// SPDX-License-Identifier: GPL-3.0-or-later
// The page's speed in Debian's Chromium at 1920 × 1080, served from a local server: from each
// input event (a key on a bar, a pointer move of a dragged tip, the polygon's step bar to step 7)
// to the frame that shows it presented, as Chromium itself measures it, and to the end of the
// page's work in that frame; the median and p95; from the load to the first window painted; and
// what the page loads, compressed with gzip.
// With --sin-vsync, Chromium begins a frame as soon as one is needed instead of at the display's
// next refresh: what is left is the page's and the browser's own work.
// node bench_pagina.mjs SITE_DIR [CHANGES] [--sin-vsync]
import { mkdtempSync, rmSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { loadavg, tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';
import { servirSitio } from './servidor.mjs';

const [sitio, ...resto] = process.argv.slice(2);
const sinVsync = resto.includes('--sin-vsync');
const kCambios = Number(resto.find((a) => /^\d+$/.test(a)) ?? 300);
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

// Chromium's EventLatency of each input event of that type during accion(): from the event's
// creation to the presentation of the first frame showing its effect. Taken from the trace, as
// the page's Event Timing entries only come rounded to 8 ms and from 16 ms up.
async function latencias(pagina, tipo, accion) {
  const cdp = await pagina.context().newCDPSession(pagina);
  await cdp.send('Tracing.start', {
    traceConfig: { includedCategories: ['benchmark'] },
    transferMode: 'ReturnAsStream',
  });
  await accion();
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
  const eventos = JSON.parse(texto);
  // Only inputs whose frame was presented: a pointer's move that changes no bar paints nothing,
  // and its latency ends when Chromium drops it. An input's stages share its id while it lasts.
  const abiertos = new Map();
  const duraciones = [];
  for (const e of (eventos.traceEvents ?? eventos).sort((a, b) => a.ts - b.ts)) {
    const id = e.id2?.local ?? e.id;
    if (e.name === 'EventLatency' && e.ph === 'b' && e.args?.event_latency?.event_type === tipo)
      abiertos.set(id, { inicio: e.ts, presentado: false });
    else if (e.name === 'SubmitCompositorFrameToPresentationCompositorFrame' && abiertos.has(id))
      abiertos.get(id).presentado = true;
    else if (e.name === 'EventLatency' && e.ph === 'e' && abiertos.has(id)) {
      const { inicio, presentado } = abiertos.get(id);
      if (presentado) duraciones.push([inicio, (e.ts - inicio) / 1000]);
      abiertos.delete(id);
    }
  }
  return duraciones.sort((a, b) => a[0] - b[0]).map(([, d]) => d);
}

const percentil = (valores, p) => {
  const orden = [...valores].sort((a, b) => a - b);
  return orden[Math.min(orden.length - 1, Math.ceil((p / 100) * orden.length) - 1)];
};
const fila = (nombre, valores) =>
  valores.length > 0 && console.log(
    `${nombre.padEnd(34)} mediana ${percentil(valores, 50).toFixed(1).padStart(6)} ms   ` +
      `p95 ${percentil(valores, 95).toFixed(1).padStart(6)} ms   (${valores.length})`,
  );

const perfil = mkdtempSync(join(tmpdir(), 'trazalia-bench-'));
const contexto = await chromium.launchPersistentContext(perfil, {
  executablePath: process.env.TRAZALIA_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  viewport: { width: 1920, height: 1080 },
  args: ['--no-sandbox', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync',
    ...(sinVsync ? ['--disable-gpu-vsync', '--disable-frame-rate-limit'] : [])],
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
  const tomar = () => pagina.evaluate(() => globalThis.medidas.splice(0));
  // A student's key or pointer comes at any moment of a frame. Waiting for each frame's measure
  // ends in a frame callback; the next input then waits a random part of a refresh, or it would
  // always come just after a frame began and wait nearly a whole one for the next.
  const alAzar = () => new Promise((listo) => setTimeout(listo, Math.random() * 1000 / 60));

  await pagina.locator('#Form1 [data-control="Command1"]').click();
  await pagina.focus('#Form2 [data-control="HScroll1"]');
  await tomar();
  const barra = [];
  const barraPresentada = await latencias(pagina, 'KEY_PRESSED', async () => {
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
  const arrastrePresentado = await latencias(pagina, 'MOUSE_DRAGGED', async () => {
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
  const pasos = await latencias(pagina, 'KEY_PRESSED', async () => {
    for (let i = 0; i < kCambios; i++) {
      await pagina.keyboard.press(i % 2 ? 'Home' : 'End');
      await pagina.waitForFunction(() => globalThis.medidas.length > 0);
      const [t] = await tomar();
      if (i % 2 === 0) paso7.push(t);
      await alAzar();
    }
  });
  const paso7Presentado = pasos.length === kCambios ? pasos.filter((_, i) => i % 2 === 0) : [];

  // Other processes' work shows in the p95 on a machine of two cores.
  console.log(`carga media del sistema: ${loadavg().map((c) => c.toFixed(1)).join(' ')}` +
    (sinVsync ? '; fotogramas sin esperar al refresco' : ''));
  console.log('De la entrada al fotograma presentado (Chromium, EventLatency):');
  fila('barra: tecla', barraPresentada);
  fila('arrastre: movimiento', arrastrePresentado);
  fila('polígono: paso 7', paso7Presentado);
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
