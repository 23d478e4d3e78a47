// SPDX-License-Identifier: GPL-3.0-or-later
// Served over http(s), the site installs as an app and works offline after the first visit. A
// page opened from a folder has neither, and needs neither.
export function montarSinConexion(): void {
  if (!/^https?:$/.test(location.protocol) || !('serviceWorker' in navigator)) return;
  const manifiesto = document.createElement('link');
  manifiesto.rel = 'manifest';
  manifiesto.href = 'manifest.webmanifest';
  document.head.append(manifiesto);
  navigator.serviceWorker.register('sw.js').catch(() => {
    // Without it the page still works, online.
  });
}
