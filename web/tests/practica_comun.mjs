// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's tests of practice, worksheets and offline use: Debian's Chromium, headless, with
// a fresh profile and no traffic of its own, and the site folder that make web builds.
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

export const sitio = process.env.TRAZALIA_SITIO ?? join(import.meta.dirname, '../../build-web/site');
export const paginaLocal = pathToFileURL(join(sitio, 'index.html')).href;

// A browser context and the folder it lives in; cerrar() ends both.
export async function abrirChromium(opciones = {}) {
  const perfil = mkdtempSync(join(tmpdir(), 'trazalia-chromium-'));
  const contexto = await chromium.launchPersistentContext(perfil, {
    executablePath: process.env.TRAZALIA_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    acceptDownloads: true,
    ...opciones,
  });
  const cerrar = async () => {
    await contexto.close();
    rmSync(perfil, { recursive: true, force: true });
  };
  return { contexto, perfil, cerrar };
}

// The page at Form1, once the core has shown it; with enForm1 false, at whatever window the
// address opens, once every part of the page is up.
export async function abrirPagina(contexto, direccion = paginaLocal, { enForm1 = true } = {}) {
  const pagina = await contexto.newPage();
  const errores = [];
  pagina.on('pageerror', (e) => errores.push(String(e)));
  // What the page's security policy refused: the page itself must need nothing it forbids.
  pagina.on('console', (m) => /Content Security Policy/.test(m.text()) && errores.push(m.text()));
  await pagina.goto(direccion);
  // The page draws Form1 before the core arrives; what a test does next is the core's.
  await pagina.waitForFunction(() => globalThis.trazalia);
  if (enForm1) await pagina.locator('#Form1:not([hidden])').waitFor();
  return { pagina, errores };
}

// axe-core's violations on the page as it stands. Evaluated from outside: the page's own policy forbids
// a script that is not one of its files.
const kAxe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
export async function violacionesDeAxe(pagina) {
  await pagina.evaluate(kAxe);
  return pagina.evaluate(async () => (await axe.run(document)).violations);
}
