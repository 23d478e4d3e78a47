// SPDX-License-Identifier: GPL-3.0-or-later
// The site from a local server: the first visit asks nothing of another origin, sets no cookie,
// offers an installable app, and keeps what it needs, asking the server for each file once (the
// module beside its script, compiled as it arrives); with the server gone, the page opens again.
// From a folder the page reads the module from its script instead. Before the core arrives the
// start window is drawn as the core draws it, and a click on it waits for the core.
import assert from 'node:assert/strict';
import { servirSitio } from '../tools/servidor.mjs';
import { abrirChromium, abrirPagina, paginaLocal, sitio } from './practica_comun.mjs';

const { servidor, origen, pedidos: alServidor } = await servirSitio(sitio);
// The core's files the page loaded: its scripts, and what it fetched (only over http).
const modulos = (p) => p.evaluate(() => [...document.scripts].map((s) => s.src)
  .concat(performance.getEntriesByType('resource').map((e) => e.name))
  .filter((n) => /trazalia-web/.test(n)).map((n) => n.replace(/^.*\//, '')).filter((n, i, t) => t.indexOf(n) === i).sort());

{
  const { contexto, cerrar } = await abrirChromium();
  try {
    const area = (p) => p.locator('#Form1 .area').innerHTML();
    const pagina = await contexto.newPage();
    let soltar;
    const nucleo = new Promise((listo) => (soltar = listo));
    await pagina.route('**/trazalia-web.js', async (ruta) => (await nucleo, ruta.continue()));
    await pagina.goto(`${origen}/?idioma=en`, { waitUntil: 'domcontentloaded' });
    await pagina.locator('#Form1 [data-control=Command1]').waitFor();
    const previa = await area(pagina);
    await pagina.locator('#Form1 [data-control=Command1]').click();
    assert.equal(await pagina.evaluate(() => globalThis.trazalia), undefined);
    soltar();
    await pagina.locator('#Form2:not([hidden])').waitFor();
    const otra = await contexto.newPage();
    await otra.goto(`${origen}/?idioma=en`);
    await otra.waitForFunction(() => globalThis.trazalia);
    assert.equal(previa, await area(otra));
  } finally {
    await cerrar();
  }
}
alServidor.length = 0;

const { contexto, cerrar } = await abrirChromium();
try {
  const pedidos = [];
  contexto.on('request', (p) => pedidos.push(p.url()));
  const { pagina, errores } = await abrirPagina(contexto, `${origen}/?idioma=es`);
  await pagina.evaluate(() => navigator.serviceWorker.ready);
  await pagina.waitForFunction(() => navigator.serviceWorker.controller);
  // The browser asks for the site's icon on its own as well, for the tab and the app.
  const rutas = alServidor.map((p) => p.replace(/\?.*/, '')).filter((r) => r !== '/trazalia.svg');
  assert.deepEqual(rutas.filter((r, i) => rutas.indexOf(r) !== i), [], rutas.join(' '));
  assert.deepEqual(await modulos(pagina), ['trazalia-web.js', 'trazalia-web.wasm']);
  const manifiesto = await pagina.evaluate(async () => {
    const enlace = document.querySelector('link[rel=manifest]');
    return (await fetch(enlace.href)).json();
  });
  assert.equal(manifiesto.name, 'Trazalia');
  for (const icono of manifiesto.icons)
    assert.equal((await fetch(`${origen}/${icono.src}`)).status, 200, icono.src);
  assert.deepEqual(await contexto.cookies(), []);
  assert.equal(await pagina.evaluate(() => document.cookie), '');
  await pagina.close();

  const cerrado = new Promise((hecho) => servidor.close(hecho));
  servidor.closeAllConnections();
  await cerrado;
  const otra = await abrirPagina(contexto, `${origen}/?idioma=es`);
  await otra.pagina.locator('#Form1 [data-control="Command1"]').click();
  await otra.pagina.locator('#Form2:not([hidden]) svg').first().waitFor();
  assert.deepEqual([...errores, ...otra.errores], []);
  // data: and blob: addresses are the page's own bytes, not requests to anyone.
  assert.deepEqual(pedidos.filter((url) => /^\w+:\/\//.test(url) && !url.startsWith(`${origen}/`)), []);
  // A server that does not serve .wasm: the module's bytes come from their script, offline too.
  const sinWasm = await servirSitio(sitio, ['.wasm']);
  const conScript = await abrirPagina(contexto, `${sinWasm.origen}/`);
  await conScript.pagina.waitForFunction(() => navigator.serviceWorker.controller && globalThis.trazalia);
  sinWasm.servidor.close();
  sinWasm.servidor.closeAllConnections();
  await conScript.pagina.reload();
  await conScript.pagina.locator('#Form1 [data-control="Command1"]').click();
  await conScript.pagina.locator('#Form2:not([hidden]) svg').first().waitFor();
  assert.deepEqual(await modulos(conScript.pagina),
    ['trazalia-web-modulo.js', 'trazalia-web.js', 'trazalia-web.wasm']);
  assert.deepEqual(conScript.errores, []);
  const local = await abrirPagina(contexto, paginaLocal);
  await local.pagina.waitForFunction(() => globalThis.trazalia);
  assert.deepEqual(await modulos(local.pagina), ['trazalia-web-modulo.js', 'trazalia-web.js']);
  assert.deepEqual(local.errores, []);
  console.log('sin conexión: todo bien');
} finally {
  await cerrar();
  servidor.close();
}
