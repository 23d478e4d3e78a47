// SPDX-License-Identifier: GPL-3.0-or-later
// The core's events timed by one program (bench/nucleo_bench.cpp) compiled natively and to
// WebAssembly; the WebAssembly build runs where the page's module runs, in Debian's Chromium,
// headless, and in node. The rounds alternate the three, and each keeps its best median per
// event: on a shared machine a round may be slowed by others, never sped up.
// node bench_nucleo.mjs NATIVO WASM_JS [RONDAS]
import { execFileSync } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { chromium } from 'playwright-core';

const [nativo, wasm, rondas = '5'] = process.argv.slice(2);

// "name<TAB>µs" lines into a map.
const leer = (lineas) => new Map(lineas.map((l) => l.split('\t')).map(([e, t]) => [e, Number(t)]));

async function enChromium(navegador, codigo) {
  const pagina = await navegador.newPage();
  try {
    return await pagina.evaluate(
      (codigo) =>
        new Promise((listo, fallo) => {
          const lineas = [];
          globalThis.Module = {
            print: (t) => lineas.push(t),
            printErr: (t) => lineas.push(t),
            onExit: (estado) => (estado === 0 ? listo(lineas) : fallo(new Error(lineas.join('\n')))),
            onAbort: (razon) => fallo(new Error(String(razon))),
          };
          // A classic script, as the page loads its module.
          const guion = document.createElement('script');
          guion.textContent = codigo;
          document.head.append(guion);
        }),
      codigo,
    );
  } finally {
    await pagina.close();
  }
}

const codigo = await readFile(wasm, 'utf8');
const navegador = await chromium.launch({
  executablePath: process.env.TRAZALIA_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update'],
});
const mejores = { nativo: new Map(), chromium: new Map(), node: new Map() };
const guardar = (donde, medidas) => {
  for (const [e, t] of medidas) if (!(donde.get(e) <= t)) donde.set(e, t);
};
try {
  for (let r = 0; r < Number(rondas); ++r) {
    guardar(mejores.nativo, leer(execFileSync(nativo, { encoding: 'utf8' }).trim().split('\n')));
    guardar(mejores.chromium, leer(await enChromium(navegador, codigo)));
    const enNode = execFileSync(process.execPath, ['--no-experimental-fetch', wasm], { encoding: 'utf8' });
    guardar(mejores.node, leer(enNode.trim().split('\n')));
  }
} finally {
  await navegador.close();
}
const columna = (t) => t.toFixed(2).padStart(11);
console.log(`${'evento'.padEnd(18)} ${'nativo µs'.padStart(11)} ${'Chromium µs'.padStart(11)} ` +
  `${'razón'.padStart(6)} ${'node µs'.padStart(11)} ${'razón'.padStart(6)}`);
for (const [evento, n] of mejores.nativo) {
  const c = mejores.chromium.get(evento), d = mejores.node.get(evento);
  console.log(`${evento.padEnd(18)} ${columna(n)} ${columna(c)} ${(c / n).toFixed(2).padStart(6)} ` +
    `${columna(d)} ${(d / n).toFixed(2).padStart(6)}`);
}
