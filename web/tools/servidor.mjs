// SPDX-License-Identifier: GPL-3.0-or-later
// The site from a static server on this machine, as a school's would serve it: each file with
// its type, 404 for what is not there, nothing outside the site's folder.
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';

const kTipos = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.svg': 'image/svg+xml',
  '.json': 'application/json',
  '.txt': 'text/plain; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  // What lets the page compile the module while it downloads.
  '.wasm': 'application/wasm',
};

// Listens on a free port of 127.0.0.1; origen is the site's address without a final slash;
// pedidos, each address asked for, in order. sinTipos: extensions it answers 404 to, as a server
// that does not know their type (IIS without .wasm).
export async function servirSitio(sitio, sinTipos = []) {
  const pedidos = [];
  const servidor = createServer(async (pedido, respuesta) => {
    pedidos.push(pedido.url);
    // An absolute path normalised cannot climb above the site's folder.
    let ruta = normalize(decodeURIComponent(new URL(pedido.url, 'http://x').pathname));
    if (ruta.endsWith('/')) ruta += 'index.html';
    try {
      if (sinTipos.includes(extname(ruta))) throw new Error(ruta);
      const cuerpo = await readFile(join(sitio, ruta));
      respuesta.writeHead(200, { 'Content-Type': kTipos[extname(ruta)] ?? 'application/octet-stream' });
      respuesta.end(cuerpo);
    } catch {
      respuesta.writeHead(404).end();
    }
  });
  await new Promise((listo) => servidor.listen(0, '127.0.0.1', listo));
  return { servidor, pedidos, origen: `http://127.0.0.1:${servidor.address().port}` };
}
