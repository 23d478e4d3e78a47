// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet's options and practice's controls pass axe-core. A worksheet printed to PDF by
// the browser keeps its true scale: on the exercise's frame, each vector drawn is as long as its
// magnitude at the frame's scale (10 units at "1 cm = 10 unidades" are 10 mm) and points its way,
// and the paper is the one chosen. Measured on the PDF's own
// strokes, as poppler's pdftocairo writes them out.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrirChromium, abrirPagina, paginaLocal, violacionesDeAxe } from './practica_comun.mjs';

const kPtEnMm = 25.4 / 72;
const { contexto, perfil, cerrar } = await abrirChromium();
try {
  const { pagina, errores } = await abrirPagina(contexto, `${paginaLocal}?idioma=es`);
  await pagina.locator('#Form1 [data-control="Command1"]').click();
  // A seed whose one exercise has the scale of 10 units a centimetre and a vector at 30°.
  const semilla = await pagina.evaluate(() => {
    for (let s = 1; s < 2000; s++) {
      const o = ['--ejercicios', '1', '--metodo', 'paralelogramo', '--nivel', 'facil', '--semilla', String(s)];
      const svg = JSON.parse(globalThis.trazalia.nucleo.hoja(o.join('\n'), 0)).paginas[0];
      if (svg.includes('1 cm = 10 unidades') && / a 30°/.test(svg)) return s;
    }
    return 0;
  });
  assert.ok(semilla > 0, 'a seed with a 30° vector at 1 cm = 10 units');

  // Practice's controls, then the worksheet's options, open as a keyboard or a screen reader meets
  // them.
  const violaciones = async () => (await violacionesDeAxe(pagina)).map((v) => v.id);
  await pagina.locator('#Form2 .practica summary').click();
  assert.deepEqual(await violaciones(), [], 'practice');
  await pagina.locator('#Form2 .practica summary').click();
  await pagina.locator('#Form2').getByRole('button', { name: 'Hoja de ejercicios…' }).click();
  const opciones = pagina.locator('#panel-hoja');
  await opciones.getByLabel('Ejercicios').fill('1');
  await opciones.getByLabel('Método').selectOption('paralelogramo');
  await opciones.getByLabel('Nivel').selectOption('facil');
  await opciones.getByLabel('Semilla').fill(String(semilla));
  await opciones.getByLabel('con los vectores dibujados').check();
  assert.deepEqual(await violaciones(), [], 'the worksheet dialog');
  const pdf = join(perfil, 'hoja.pdf');
  await pagina.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
  assert.deepEqual(errores, []);

  const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
  const [, ancho, alto] = /Page size:\s+([\d.]+) x ([\d.]+) pts/.exec(info);
  assert.ok(Math.abs(ancho * kPtEnMm - 210) < 0.5 && Math.abs(alto * kPtEnMm - 297) < 0.5, info);
  assert.match(info, /Pages:\s+2\n/);

  const texto = execFileSync('pdftotext', ['-f', '1', '-l', '1', pdf, '-'], { encoding: 'utf8' });
  assert.match(texto, /Escala: 1 cm = 10 unidades/);
  assert.ok(texto.includes(`Nivel Fácil · semilla ${semilla}`), texto);
  const vectores = [...texto.matchAll(/([AB]): (\d+) unidades a (\d+)°/g)].map((m) => [+m[2], +m[3]]);
  assert.equal(vectores.length, 2, texto);

  execFileSync('pdftocairo', ['-svg', '-f', '1', '-l', '1', pdf, join(perfil, 'hoja.svg')]);
  const trazos = [];
  const svg = readFileSync(join(perfil, 'hoja.svg'), 'utf8');
  for (const m of svg.matchAll(/<path style="([^"]*)" d="M ([-\d.]+) ([-\d.]+) L ([-\d.]+) ([-\d.]+) " transform="matrix\(([^)]*)\)"/g)) {
    const [a, b, c, d, e, f] = m[6].split(',').map(Number);
    const punto = (x, y) => [a * x + c * y + e, b * x + d * y + f];
    trazos.push({ estilo: m[1], desde: punto(+m[2], +m[3]), hasta: punto(+m[4], +m[5]) });
  }
  // The origin: where the frame's axes, its grey strokes a point wide, cross.
  const ejes = trazos.filter((t) => /stroke-width:20;.*stroke:rgb\(47\.\d*%,47\.\d*%,47\.\d*%\)/.test(t.estilo));
  const horizontal = ejes.find((t) => Math.abs(t.desde[1] - t.hasta[1]) < 0.01);
  const vertical = ejes.find((t) => Math.abs(t.desde[0] - t.hasta[0]) < 0.01);
  const origen = [vertical.desde[0], horizontal.desde[1]];
  const colores = ['rgb(100%,0%,0%)', 'rgb(0%,0%,100%)'];
  vectores.forEach(([m, d], k) => {
    const trazo = trazos.find(
      (t) => t.estilo.includes(`stroke:${colores[k]}`) && Math.hypot(t.desde[0] - origen[0], t.desde[1] - origen[1]) < 0.1,
    );
    assert.ok(trazo, `vector ${k + 1} drawn from the origin`);
    const dx = trazo.hasta[0] - trazo.desde[0];
    const dy = trazo.desde[1] - trazo.hasta[1];
    const largo = Math.hypot(dx, dy) * kPtEnMm;
    const angulo = ((Math.atan2(dy, dx) * 180) / Math.PI + 360) % 360;
    assert.ok(Math.abs(largo - m) < 0.2, `vector ${k + 1}: ${m} units, ${largo} mm`);
    assert.ok(Math.abs(angulo - d) < 0.5, `vector ${k + 1}: ${d}°, drawn at ${angulo}°`);
  });
  console.log(`hoja: semilla ${semilla}, ${vectores.map(([m, d]) => `${m} a ${d}°`).join(', ')}: todo bien`);
} finally {
  await cerrar();
}
