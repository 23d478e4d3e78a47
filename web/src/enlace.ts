// SPDX-License-Identifier: GPL-3.0-or-later
// The address holds what is on screen, after a # so that it works from a folder, offline through
// the service worker and without asking any server: the window shown, its bars, the views, the
// language and practice (seed, level, question and how many exercises after the first), as
//   #ventana=Form2&HScroll1=120&HScroll2=30&vistas=grid,labels&idioma=en
//   #ventana=Form3&vistas=&idioma=es&semilla=2024&nivel=medio&pregunta=resultante&ejercicio=0
// or a path (camino=1) from its seed and level, which starts it again from its first exercise, or
// goes on with the one this browser kept from them; camino=todas, a path over every window, in the
// window of the exercise it sets:
//   #ventana=Form2&vistas=&idioma=es&camino=1&semilla=7&nivel=medio
//   #ventana=Form3&vistas=&idioma=es&camino=todas&semilla=7&nivel=medio
// A window opened is a new entry of the history, so that Back returns to the window before; any
// other change rewrites the entry (at most every kEspera ms), so that a reload finds it. A link is
// given back through the core's commands only; what it does not name (views, language) stays as
// it is, and what it asked that cannot be is said, with what opened instead.
import type { Cara } from './cara';
import type { Idioma } from './idioma';
import { kIdiomas, texto } from './idioma';
import type { CaminoDelNucleo, PracticaDelNucleo } from './nucleo';
import { leerNiveles, leerTabla, leerVentanas, leerVistas } from './nucleo';
import { caminoGuardado, kTodas } from './practica';

export interface Practica {
  semilla: number;
  nivel: string;
  pregunta: string;
  ejercicio: number;
  // Along a path: its seed and level give its exercises, the question and count go unused.
  camino: boolean;
  // The path goes over every window.
  todas: boolean;
}

export interface Estado {
  ventana: string;
  // Each bar of the window by its name, with its value; none while practising (the exercise
  // sets them).
  barras: [string, number][];
  vistas: string[];
  idioma: Idioma;
  practica: Practica | null;
}

// More exercises after the first than a link takes: each is a command run at load.
const kMaxEjercicio = 200;
const kMaxSemilla = 4294967295;
// The entry is rewritten at once, then at most this often (ms): a drag writes it ten times a
// second, half the browser's limit on the history's calls (it ignores those over 200 in 10 s).
const kEspera = 100;

// The state on screen, from the core.
export function estadoActual(cara: Cara): Estado {
  const { nucleo } = cara;
  // The window shown, as the page shows what the core announced: one table read, not each.
  const ventanas = leerVentanas(nucleo).map((v) => v.nombre);
  const visible = ventanas.find((v) => cara.ventana(v)?.hidden === false) ?? ventanas[0];
  const tabla = leerTabla(nucleo, visible);
  const p = JSON.parse(nucleo.practica(tabla.nombre)) as PracticaDelNucleo | null;
  const camino = JSON.parse(nucleo.camino(tabla.nombre)) as CaminoDelNucleo | null;
  // Along a path the core gives the path's seed and level; its question and count go unused.
  const practica = !p?.activa
    ? null
    : camino
      ? { semilla: p.semilla, nivel: p.nivel, pregunta: 'resultante', ejercicio: 0, camino: true, todas: camino.todas }
      : { semilla: p.semilla, nivel: p.nivel, pregunta: p.pregunta, ejercicio: p.siguientes, camino: false, todas: false };
  return {
    ventana: tabla.nombre,
    barras: practica
      ? []
      : tabla.controles.filter((c) => c.tipo === 'barra').map((c) => [c.nombre, c.valor]),
    vistas: leerVistas(nucleo)
      .filter((v) => v.activa)
      .map((v) => v.nombre),
    idioma: cara.idioma(),
    practica,
  };
}

export function escribirEnlace(e: Estado): string {
  const partes: [string, string][] = [['ventana', e.ventana]];
  for (const [barra, valor] of e.barras) partes.push([barra, String(valor)]);
  partes.push(['vistas', e.vistas.join(',')], ['idioma', e.idioma]);
  if (e.practica?.camino)
    partes.push(['camino', e.practica.todas ? kTodas : '1'], ['semilla', String(e.practica.semilla)], ['nivel', e.practica.nivel]);
  else if (e.practica)
    partes.push(
      ['semilla', String(e.practica.semilla)],
      ['nivel', e.practica.nivel],
      ['pregunta', e.practica.pregunta],
      ['ejercicio', String(e.practica.ejercicio)],
    );
  return `#${partes.map(([k, v]) => `${k}=${encodeURIComponent(v).replace(/%2C/g, ',')}`).join('&')}`;
}

// The whole address of that state: this page's, with its #.
export function direccion(e: Estado): string {
  return location.href.replace(/#.*$/, '') + escribirEnlace(e);
}

// A link read against the core's windows, bars, views, languages and levels: the nearest state it
// may open, and each value it had to change, as "what: asked → used".
export function leerEnlace(cara: Cara, hash: string): { estado: Estado; cambios: string[] } {
  const { nucleo } = cara;
  const datos = new URLSearchParams(hash.replace(/^#/, ''));
  const cambios: string[] = [];
  const cambio = (que: string, pedido: string, usado: string) =>
    cambios.push(`${que}: «${pedido}» → ${usado || '—'}`);
  const conocidas = new Set(['ventana', 'vistas', 'idioma', 'semilla', 'nivel', 'pregunta', 'ejercicio', 'camino']);

  const ventanas = leerVentanas(nucleo);
  let ventana = datos.get('ventana') ?? ventanas[0].nombre;
  if (!ventanas.some((v) => v.nombre === ventana)) {
    cambio('ventana', ventana, ventanas[0].nombre);
    ventana = ventanas[0].nombre;
  }
  const delaVentana = ventanas.find((v) => v.nombre === ventana)!;
  const tabla = leerTabla(nucleo, ventana);

  const barras: [string, number][] = [];
  for (const c of tabla.controles.filter((c) => c.tipo === 'barra')) {
    conocidas.add(c.nombre);
    const pedido = datos.get(c.nombre);
    if (pedido === null) continue;
    const n = Number(pedido.trim());
    if (pedido.trim() === '' || !Number.isFinite(n)) {
      cambio(c.descripcion, pedido, '');
      continue;
    }
    const valor = Math.min(c.max, Math.max(c.min, Math.round(n)));
    if (String(valor) !== pedido.trim()) cambio(c.descripcion, pedido, String(valor));
    barras.push([c.nombre, valor]);
  }

  // Views a link does not name stay as they are.
  const todas = leerVistas(nucleo);
  let vistas = todas.filter((v) => v.activa).map((v) => v.nombre);
  const pedidas = datos.get('vistas');
  if (pedidas !== null) {
    vistas = [];
    for (const v of pedidas.split(',').filter(Boolean)) {
      if (todas.some((w) => w.nombre === v)) vistas.push(v);
      else cambio('vistas', v, '');
    }
  }

  let idioma = cara.idioma();
  const pedido = datos.get('idioma');
  if (pedido !== null) {
    if ((kIdiomas as readonly string[]).includes(pedido)) idioma = pedido as Idioma;
    else cambio('idioma', pedido, idioma);
  }

  let practica: Practica | null = null;
  const semilla = datos.get('semilla');
  const camino = datos.get('camino');
  const porTodas = camino === kTodas;
  if (camino !== null && camino !== '1' && !porTodas) cambio('camino', camino, '');
  // A path without its seed is none.
  else if (camino !== null && semilla === null) cambio('camino', camino, '');
  // A path over every window opens the window of its exercise, whichever the link names.
  if (semilla !== null && !delaVentana.practica && !porTodas) {
    cambio('semilla', semilla, '');
  } else if (semilla !== null) {
    const s = Number(semilla.trim());
    if (!/^\d+$/.test(semilla.trim())) cambio('semilla', semilla, '');
    else {
      if (s > kMaxSemilla) cambio('semilla', semilla, String(kMaxSemilla));
      const niveles = leerNiveles(nucleo);
      const predeterminado = niveles.find((n) => n.predeterminado)?.nombre ?? niveles[0].nombre;
      let nivel = datos.get('nivel') ?? predeterminado;
      if (!niveles.some((n) => n.nombre === nivel)) {
        cambio('nivel', nivel, predeterminado);
        nivel = predeterminado;
      }
      const preguntas = delaVentana.suma ? ['resultante', 'equilibrante'] : ['resultante'];
      let pregunta = datos.get('pregunta') ?? 'resultante';
      if (!preguntas.includes(pregunta)) {
        cambio('pregunta', pregunta, 'resultante');
        pregunta = 'resultante';
      }
      const pedidoEj = datos.get('ejercicio') ?? '0';
      const ej = Number(pedidoEj.trim());
      const ejercicio = Number.isFinite(ej) ? Math.min(kMaxEjercicio, Math.max(0, Math.round(ej))) : 0;
      if (String(ejercicio) !== pedidoEj.trim()) cambio('ejercicio', pedidoEj, String(ejercicio));
      practica = {
        semilla: Math.min(s, kMaxSemilla),
        nivel,
        pregunta,
        ejercicio,
        camino: camino === '1' || porTodas,
        todas: porTodas,
      };
    }
  }
  for (const [k, v] of datos) if (!conocidas.has(k)) cambio(k, v, '');
  return { estado: { ventana, barras: practica ? [] : barras, vistas, idioma, practica }, cambios };
}

// Turns the page to that state through the core's commands, each only where the core differs.
export function aplicarEstado(cara: Cara, e: Estado): void {
  const { nucleo } = cara;
  if (e.idioma !== cara.idioma()) cara.cambiarIdioma(e.idioma);
  const visible = () => estadoActual(cara).ventana;
  const inicio = leerVentanas(nucleo)[0].nombre;
  if (visible() !== e.ventana && visible() !== inicio)
    // Esc on a method window does what its "Regresar" does.
    cara.ejecutar((n) => n.teclas(`${visible()}.Picture1`, 'Escape'));
  if (visible() !== e.ventana) {
    const boton = leerTabla(nucleo, inicio).controles.find((c) => c.abre === e.ventana);
    if (boton) cara.ejecutar((n) => n.pulsar(`${inicio}.${boton.nombre}`));
  }
  const ventana = visible();
  // The views are one set for every window; the core takes them through a method window.
  const metodo = leerVentanas(nucleo).find((v) => v.nombre !== inicio)?.nombre ?? ventana;
  const conVistas = ventana === inicio ? metodo : ventana;
  for (const v of leerVistas(nucleo))
    if (v.activa !== e.vistas.includes(v.nombre))
      cara.ejecutar((n) => n.vista(conVistas, v.nombre, !v.activa));

  const p = estadoActual(cara).practica;
  const q = e.practica;
  if (p && !q) cara.ejecutar((n) => n.practicar(ventana, 'off', '', ''));
  const igual =
    p && q && [p.semilla, p.nivel, p.pregunta, p.ejercicio, p.camino, p.todas].join() ===
      [q.semilla, q.nivel, q.pregunta, q.ejercicio, q.camino, q.todas].join();
  // The path this browser kept for the window, or over every window, from that seed and level,
  // goes on where it was left.
  const cual = q?.todas ? kTodas : ventana;
  const guardado = caminoGuardado(cual);
  const seguir = guardado?.includes(` semilla ${q?.semilla} nivel ${q?.nivel} `);
  if (q?.camino && !igual) {
    if (!seguir || cara.ejecutar((n) => n.retomarCamino(cual, guardado!)).error)
      cara.ejecutar((n) => n.caminar(cual, String(q.semilla), q.nivel));
  } else if (q && !igual)
    cara.ejecutar((n) => n.retomar(ventana, String(q.semilla), q.nivel, q.pregunta, q.ejercicio));
  const valores = new Map(leerTabla(nucleo, ventana).controles.map((c) => [c.nombre, c.valor]));
  for (const [barra, valor] of e.barras)
    if (valores.get(barra) !== valor) {
      cara.ejecutar((n) => n.mover(`${ventana}.${barra}`, valor));
      nucleo.terminarPaso(ventana);
    }
}

// The address follows the page, and the page the address: at start, on Back and Forward.
export function montarEnlace(cara: Cara): void {
  let escrito = '';
  let abierta = estadoActual(cara).ventana;
  let restaurando = false;
  let temporizador: ReturnType<typeof setTimeout> | undefined;
  let enCola = false;
  let ultima = -Infinity;

  // A window other than the entry's opened: an entry of its own; any other change rewrites it.
  const escribir = () => {
    clearTimeout(temporizador);
    temporizador = undefined;
    const e = estadoActual(cara);
    const hash = escribirEnlace(e);
    const nueva = e.ventana !== abierta;
    abierta = e.ventana;
    if (hash === escrito) return;
    escrito = hash;
    // A new entry starts with nothing written in it to hold back.
    ultima = nueva ? -Infinity : performance.now();
    try {
      if (nueva) history.pushState(null, '', hash);
      else history.replaceState(null, '', hash);
    } catch {
      // A browser that refuses the history here keeps the page as it is.
    }
  };
  const pronto = (ya = false) => {
    if (restaurando) return;
    if (ya) {
      clearTimeout(temporizador);
      temporizador = undefined;
    }
    if (temporizador !== undefined || enCola) return;
    const espera = ultima + kEspera - performance.now();
    if (espera > 0 && !ya) {
      temporizador = setTimeout(escribir, espera);
      return;
    }
    // Once the command's events are all shown, before anything else can leave the entry.
    enCola = true;
    queueMicrotask(() => {
      enCola = false;
      escribir();
    });
  };

  const restaurar = (hash: string) => {
    restaurando = true;
    let leido: ReturnType<typeof leerEnlace>;
    try {
      // In the link's language first, so that the notice speaks it.
      const { idioma } = leerEnlace(cara, hash).estado;
      if (idioma !== cara.idioma()) cara.cambiarIdioma(idioma);
      leido = leerEnlace(cara, hash);
      aplicarEstado(cara, leido.estado);
    } finally {
      restaurando = false;
    }
    const { estado, cambios } = leido;
    const hecho = estadoActual(cara);
    // What the core would not take (a bar it holds) is said too.
    const controles = leerTabla(cara.nucleo, hecho.ventana).controles;
    for (const [barra, valor] of estado.barras) {
      const tenido = hecho.barras.find(([b]) => b === barra)?.[1];
      const nombre = controles.find((c) => c.nombre === barra)?.descripcion ?? barra;
      if (tenido !== undefined && tenido !== valor) cambios.push(`${nombre}: «${valor}» → ${tenido}`);
    }
    abierta = hecho.ventana;
    escribir();
    ultima = -Infinity;
    if (cambios.length)
      cara.mostrarRechazo(texto('enlaceCorregido').replace('%1', cambios.join('; ')));
  };

  cara.alEvento((ev) => pronto(ev.tipo === 'mostrada'));
  cara.alCambiarIdioma(() => pronto());
  addEventListener('popstate', () => {
    // A change still to be written belonged to the entry left.
    clearTimeout(temporizador);
    temporizador = undefined;
    restaurar(location.hash);
  });

  if (location.hash.length > 1) restaurar(location.hash);
  else escribir();
  ultima = -Infinity;
}
