// SPDX-License-Identifier: GPL-3.0-or-later
// The site from a local server: the first visit asks nothing of another origin, sets no cookie,
// offers an installable app, and keeps what it needs; with the server gone, the page opens again.
import assert from 'node:assert/strict';
import { servirSitio } from '../tools/servidor.mjs';
import { abrirChromium, abrirPagina, sitio } from './practica_comun.mjs';

const { servidor, origen } = await servirSitio(sitio);

const { contexto, cerrar } = await abrirChromium();
try {
  const pedidos = [];
  contexto.on('request', (p) => pedidos.push(p.url()));
  const { pagina, errores } = await abrirPagina(contexto, `${origen}/?idioma=es`);
  await pagina.evaluate(() => navigator.serviceWorker.ready);
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
  console.log('sin conexión: todo bien');
} finally {
  await cerrar();
  servidor.close();
}
