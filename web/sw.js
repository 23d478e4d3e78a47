// SPDX-License-Identifier: GPL-3.0-or-later
// The site offline: every file it needs is kept on the first visit; afterwards each is answered
// from the copy at once and refreshed from the server behind it, so a new version shows on the
// next visit. Requests to other origins are never made by the page, and never handled here.
const kCache = 'trazalia-1';
const kSitio = [
  './',
  'index.html',
  'pagina.js',
  'trazalia-web.js',
  'estilo.css',
  'idiomas/idiomas.js',
  'trazalia.svg',
  'licencia.txt',
  'manifest.webmanifest',
];

self.addEventListener('install', (evento) => {
  evento.waitUntil(
    caches
      .open(kCache)
      .then((cache) => cache.addAll(kSitio))
      .then(() => self.skipWaiting()),
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
  // The page's address may carry ?idioma=: one copy of the page answers them all, kept fresh.
  const clave = pedido.mode === 'navigate' ? direccion.origin + direccion.pathname : pedido;
  evento.respondWith(
    caches.open(kCache).then(async (cache) => {
      const guardada = await cache.match(clave);
      const nueva = fetch(pedido)
        .then((respuesta) => {
          if (respuesta.ok) cache.put(clave, respuesta.clone());
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
