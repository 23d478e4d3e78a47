// SPDX-License-Identifier: GPL-3.0-or-later
// The site offline: every file it needs is kept on the first visit; afterwards each is answered
// from the copy at once and refreshed from the server behind it, so a new version shows on the
// next visit. Requests to other origins are never made by the page, and never handled here.
const kCache = 'trazalia-2';
// What the page loads over http(s) besides the module (a page opened from a folder has no
// worker), and the licence.
const kSitio = [
  'pagina.js',
  'previa.js',
  'trazalia-web.js',
  'estilo.css',
  'idiomas/idiomas.js',
  'trazalia.svg',
  'licencia.txt',
  'manifest.webmanifest',
];

// One copy of the page answers all its addresses: with ?idioma= or without, / or /index.html.
function clave(direccion) {
  const d = new URL(direccion);
  return d.origin + d.pathname.replace(/index\.html$/, '');
}

// The first visit has just loaded these files, before this worker was there: they are taken from
// the browser's cache, however old, and not asked of the server again. A file the server does
// not have is one the page cannot need (a site whose module is inside its script); a server that
// does not serve .wasm gave the page the module's bytes in a script. Whether it was kept.
async function guardar(cache, direccion, llave = direccion) {
  const respuesta = await fetch(direccion, { cache: 'force-cache' });
  if (respuesta.ok) await cache.put(llave, respuesta);
  else if (respuesta.status !== 404) throw new Error(`${direccion}: ${respuesta.status}`);
  return respuesta.ok;
}

self.addEventListener('install', (evento) => {
  evento.waitUntil(
    (async () => {
      const cache = await caches.open(kCache);
      const paginas = await self.clients.matchAll({ type: 'window', includeUncontrolled: true });
      const abiertas = paginas.map((p) => p.url).filter((url) => new URL(url).origin === self.location.origin);
      const [modulo] = await Promise.all([
        guardar(cache, 'trazalia-web.wasm'),
        ...(abiertas.length ? abiertas : [new URL('./', self.location).href]).map((url) => guardar(cache, url, clave(url))),
        ...kSitio.map((archivo) => guardar(cache, archivo)),
      ]);
      if (!modulo) await guardar(cache, 'trazalia-web-modulo.js');
      await self.skipWaiting();
    })(),
  );
});

self.addEventListener('activate', (evento) => {
  evento.waitUntil(
    caches
      .keys()
      .then((nombres) => Promise.all(nombres.filter((n) => n !== kCache).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (evento) => {
  const pedido = evento.request;
  const direccion = new URL(pedido.url);
  if (pedido.method !== 'GET' || direccion.origin !== self.location.origin) return;
  const llave = pedido.mode === 'navigate' ? clave(pedido.url) : pedido;
  evento.respondWith(
    caches.open(kCache).then(async (cache) => {
      const guardada = await cache.match(llave);
      const nueva = fetch(pedido)
        .then((respuesta) => {
          if (respuesta.ok) cache.put(llave, respuesta.clone());
          return respuesta;
        })
        .catch(() => guardada ?? Response.error());
      if (guardada) {
        evento.waitUntil(nueva.catch(() => undefined));
        return guardada;
      }
      return nueva;
    }),
  );
});
