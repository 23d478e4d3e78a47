// SPDX-License-Identifier: GPL-3.0-or-later
// Lighthouse on the site as a cheap phone would load it (its mobile mode: slow 4G simulated, the
// processor 4 times slower), from a static server on this machine that compresses nothing, in
// Debian's Chromium: each category's score, LCP, TBT, CLS and what it loads. Scores vary from run
// to run; the run with the median performance is shown.
// node faro.mjs SITE_DIR [RUNS]
import lighthouse from 'lighthouse';
import { launch } from 'chrome-launcher';
import { loadavg } from 'node:os';
import { servirSitio } from './servidor.mjs';

const [sitio, veces = '3'] = process.argv.slice(2);
const { servidor, origen } = await servirSitio(sitio);
// The machine has no internet: Chromium is told to look for nothing beyond this one.
const chrome = await launch({
  chromePath: process.env.TRAZALIA_CHROMIUM ?? '/usr/bin/chromium',
  chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const kCategorias = ['performance', 'accessibility', 'best-practices', 'seo'];
const informes = [];
try {
  for (let i = 0; i < Number(veces); i++) {
    const { lhr } = await lighthouse(`${origen}/`, {
      port: chrome.port,
      onlyCategories: kCategorias,
      logLevel: 'error',
    });
    if (lhr.runtimeError) throw new Error(`Lighthouse: ${lhr.runtimeError.message}`);
    informes.push(lhr);
  }
} finally {
  await chrome.kill();
  servidor.close();
}
informes.sort((a, b) => a.categories.performance.score - b.categories.performance.score);
const lhr = informes[Math.floor(informes.length / 2)];
const puntos = (c) => String(Math.round((lhr.categories[c].score ?? 0) * 100)).padStart(4);
const auditoria = (a) => lhr.audits[a];
console.log(`Lighthouse ${lhr.lighthouseVersion}, ${lhr.configSettings.formFactor}, ` +
  `${informes.length} veces (la de rendimiento mediano; rendimiento: ` +
  `${informes.map((l) => `${Math.round(l.categories.performance.score * 100)} con LCP ` +
    `${l.audits['largest-contentful-paint'].displayValue}, TBT ` +
    `${l.audits['total-blocking-time'].displayValue}, CLS ` +
    l.audits['cumulative-layout-shift'].displayValue).join('; ')})`);
// Lighthouse scales the tasks it saw by 4: a machine busy with other work makes TBT longer.
console.log(`  carga media: ${loadavg().map((c) => c.toFixed(2)).join(' ')}`);
console.log('  rendimiento  accesibilidad  buenas prácticas  SEO');
console.log(`  ${puntos('performance')}         ${puntos('accessibility')}           ` +
  `${puntos('best-practices')}     ${puntos('seo')}`);
for (const [nombre, a] of [['LCP', 'largest-contentful-paint'], ['FCP', 'first-contentful-paint'],
  ['TBT', 'total-blocking-time'], ['CLS', 'cumulative-layout-shift'], ['Speed Index', 'speed-index']])
  console.log(`  ${nombre.padEnd(12)} ${auditoria(a).displayValue}`);
const peso = auditoria('total-byte-weight');
console.log(`  ${'peso total'.padEnd(12)} ${(peso.numericValue / 1024).toFixed(0)} KiB`);
for (const p of auditoria('network-requests').details.items)
  console.log(`    ${p.url.replace(origen, '').padEnd(34)} ${String(p.transferSize).padStart(8)} B`);
// What LCP was, and what moved.
for (const tabla of auditoria('largest-contentful-paint-element').details?.items ?? [])
  for (const f of tabla.items ?? [])
    if (f.node) console.log(`  LCP: ${f.node.snippet}`);
    else if (f.phase) console.log(`    ${f.phase}: ${Math.round(f.timing)} ms`);
for (const f of auditoria('layout-shifts').details?.items ?? [])
  console.log(`  se movió (${f.score.toFixed(3)}): ${f.node?.snippet ?? '?'}`);
// What kept a category from its full score.
for (const c of kCategorias)
  for (const { id } of lhr.categories[c].auditRefs) {
    const a = auditoria(id);
    if (a.score !== null && a.score < 1 && a.scoreDisplayMode !== 'informative' &&
      a.scoreDisplayMode !== 'manual' && (c !== 'performance' || a.scoreDisplayMode === 'binary' ||
        a.scoreDisplayMode === 'metricSavings'))
      console.log(`  ${c}: ${a.id} (${a.score}) ${a.displayValue ?? ''}`);
  }
