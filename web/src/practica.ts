// SPDX-License-Identifier: GPL-3.0-or-later
// Practice on the page: its controls send the core's commands, and every entry the core announces
// (a verdict, or an exercise left or revealed with no guess) becomes the line the desktop appends
// to its record, kept in this browser only (localStorage) until "Descargar resultados" saves it as
// the CSV the summary reads. The page judges nothing.

import type { Cara } from './cara';
import { texto as textoDeLaPagina } from './idioma';
import type { CaminoDelNucleo, EtapaDelNucleo, Nucleo, PracticaDelNucleo, Respuesta } from './nucleo';
import { leerNiveles, leerVentanas, ventanasConPractica } from './nucleo';
import { guardarArchivo } from './archivo';

const CLAVE_REGISTRO = 'trazalia.registro';
const CLAVE_ALUMNO = 'trazalia.alumno';

// The local time as the desktop's record writes it: 2026-03-02T10:15:00+01:00 (Z at UTC).
export function fechaIso(d: Date): string {
  const dos = (n: number) => String(Math.trunc(n)).padStart(2, '0');
  const minutos = -d.getTimezoneOffset();
  const zona =
    minutos === 0
      ? 'Z'
      : `${minutos > 0 ? '+' : '-'}${dos(Math.abs(minutos) / 60)}:${dos(Math.abs(minutos) % 60)}`;
  return (
    `${String(d.getFullYear()).padStart(4, '0')}-${dos(d.getMonth() + 1)}-${dos(d.getDate())}` +
    `T${dos(d.getHours())}:${dos(d.getMinutes())}:${dos(d.getSeconds())}${zona}`
  );
}

// Lines the browser's storage refused (full, or not allowed): kept for this visit, to be
// downloaded, and stored with the next line that storage takes.
const sinGuardar: string[] = [];

// The record's lines this browser keeps, without the header.
function lineasGuardadas(): string[] {
  const guardado = leer(CLAVE_REGISTRO);
  return guardado ? guardado.split('\n') : [];
}

// The record's lines of this browser, those its storage refused too, without the header.
export function lineasDelRegistro(): string[] {
  return [...lineasGuardadas(), ...sinGuardar];
}

export function registroSinGuardar(): boolean {
  return sinGuardar.length > 0;
}

// Storage may be refused (a private window, a page from a folder in some browsers).
function leer(clave: string): string | null {
  try {
    return localStorage.getItem(clave);
  } catch {
    return null;
  }
}

// The record as the desktop's file holds it: the header, then a line for each entry.
export function registroCsv(cabecera: string): string {
  return [cabecera, ...lineasDelRegistro()].map((l) => `${l}\n`).join('');
}

// The student's name: this visit's (kept while the tab lives, reloads too), else the one given
// before on this browser.
let nombreDelAlumno: string | undefined;
export function alumno(): string {
  return nombreDelAlumno ?? leerDeLaVisita() ?? leer(CLAVE_ALUMNO) ?? '';
}

function leerDeLaVisita(): string | null {
  try {
    return sessionStorage.getItem(CLAVE_ALUMNO);
  } catch {
    return null;
  }
}

// Whether this visit has its name: given or confirmed, in the question or the menu. A name from
// an earlier visit may be another student's on a shared computer: the first check asks again.
function nombreDeLaVisita(): boolean {
  return nombreDelAlumno !== undefined || leerDeLaVisita() !== null;
}

// The student's name for this visit, kept for the next, in every practice menu.
function ponerNombre(nombre: string): void {
  nombreDelAlumno = nombre.trim();
  for (const otro of document.querySelectorAll<HTMLInputElement>('.practica input[autocomplete=name]'))
    otro.value = nombreDelAlumno;
  for (const almacen of [() => sessionStorage, () => localStorage]) {
    try {
      almacen().setItem(CLAVE_ALUMNO, nombreDelAlumno);
    } catch {
      // The name then lasts as long as the page.
    }
  }
}

// An entry the core announced (a verdict, or an exercise left or revealed with no guess), whatever
// command gave it, adds its line to the record, with the time it came. A line storage refuses is
// said at once, with the download of what there is.
function anotar(nucleo: Nucleo, n: number, fecha: string): void {
  const linea = nucleo.asiento(n, fecha, alumno());
  if (!linea) return;
  try {
    localStorage.setItem(CLAVE_REGISTRO, [...lineasDelRegistro(), linea].join('\n'));
    sinGuardar.length = 0;
  } catch {
    sinGuardar.push(linea);
    const aviso = document.getElementById('sin-guardar');
    if (aviso) aviso.hidden = false;
  }
}

// Saves the record under the student's name and the date, so that a class's files do not
// collide; false when it holds nothing yet.
function descargarRegistro(nucleo: Nucleo): boolean {
  if (lineasDelRegistro().length === 0) return false;
  descargar(nucleo.nombreDeResultados(alumno(), fechaIso(new Date()).slice(0, 10)),
            registroCsv(nucleo.cabeceraDelRegistro()));
  return true;
}

// "Descargar resultados" where the page has ended, while there is something to download.
export function botonDeDescarga(nucleo: Nucleo): HTMLElement[] {
  if (lineasDelRegistro().length === 0) return [];
  const b = document.createElement('button');
  b.type = 'button';
  b.textContent = textoDeLaPagina('descargar');
  b.addEventListener('click', () => descargarRegistro(nucleo));
  return [b];
}

// Saves CSV text as a file, UTF-8 behind a byte-order mark: without it a spreadsheet on Windows
// reads "José" as "JosÃ©". The summary, the desktop's and the page's, passes the mark over.
export function descargar(nombre: string, texto: string): void {
  guardarArchivo(nombre, new Blob(['\ufeff', texto], { type: 'text/csv;charset=utf-8' }));
}

// A Qt label's text as the page shows it: "&Nivel:" → "Nivel:".
export function sinAtajo(texto: string): string {
  return texto.replace(/&(&?)/g, '$1');
}

let serie = 0;
// A control with its label; texts are set by the caller, in the page's language.
function campo<T extends HTMLElement>(contenedor: HTMLElement, control: T): [HTMLLabelElement, T] {
  const etiqueta = document.createElement('label');
  control.id = `practica-${++serie}`;
  etiqueta.htmlFor = control.id;
  contenedor.append(etiqueta, control);
  return [etiqueta, control];
}

// Practice's controls in each method window's row of tools, and the record of every entry.
export function montarPractica(cara: Cara): void {
  const { nucleo } = cara;
  const estilo = document.createElement('style');
  estilo.textContent =
    '.practica .lista { grid-template-columns: auto 1fr; align-items: center; gap: 4px 8px; }\n' +
    '.practica .lista > button, .practica .lista > p { grid-column: 1 / -1; margin: 0; }\n' +
    '.practica input[type=checkbox] { justify-self: start; }\n' +
    '.practica input:not([type]) { width: 9em; }';
  document.head.append(estilo);
  // Entries that wait while the name is asked.
  let esperando: [number, string][] | null = null;
  let preguntado = false;
  cara.alEvento((e) => {
    if (e.tipo !== 'asiento') return;
    const fecha = fechaIso(new Date());
    if (esperando) {
      esperando.push([e.n, fecha]);
    } else if (!preguntado && !nombreDeLaVisita() && e.codigo !== 'saltado') {
      // The first check of a visit asks the name, the last one given offered, as the desktop
      // asks once a run; its entry waits for the answer.
      preguntado = true;
      esperando = [[e.n, fecha]];
      pedirNombre(cara, () => {
        for (const [n, f] of esperando ?? []) anotar(nucleo, n, f);
        esperando = null;
      });
    } else {
      anotar(nucleo, e.n, fecha);
    }
  });
  const textos: [HTMLElement, (tr: (c: string, t: string) => string) => void][] = [];
  const texto = (e: HTMLElement, poner: (tr: (c: string, t: string) => string) => void) =>
    textos.push([e, poner]);
  const menus = new Map<string, MenuDePractica>();
  const pasos = new Map<string, () => boolean>();
  nucleo.textosDePracticaAparte();
  for (const ventana of ventanasConPractica(cara.nucleo)) {
    const herramientas = cara.herramientas(ventana);
    if (herramientas) menus.set(ventana, montarEn(cara, ventana, herramientas, texto));
    pasos.set(ventana, montarPanel(cara, ventana));
  }
  // The start window's path over every window: from the clock's seed and the default level, or
  // the one kept for the student.
  document.getElementById(kIdCaminoDeInicio)?.addEventListener('click', () => {
    const niveles = leerNiveles(nucleo);
    const nivel = (niveles.find((n) => n.predeterminado) ?? niveles[0]).nombre;
    const r = empezarCamino(cara, kTodas, semillaDelReloj(), nivel);
    if (r.error) cara.mostrarRechazo(r.error);
  });
  const retraducir = () => {
    const tr = (c: string, t: string) => nucleo.traducir(c, t);
    for (const [, poner] of textos) poner(tr);
  };
  cara.alCambiarIdioma(retraducir);
  retraducir();
  // The count of results kept follows each entry.
  cara.alEvento((e) => e.tipo === 'asiento' && retraducir());
  cara.alAtajo('Practicar', (v) => menus.get(v)?.alternar() ?? false);
  cara.alAtajo('OtroEjercicio', (v) => menus.get(v)?.otro() ?? false);
  cara.alAtajo('Construccion', (v) => pasos.get(v)?.() ?? false);
  document.getElementById('descargar-sin-guardar')?.addEventListener('click', () => {
    descargarRegistro(nucleo);
    document.getElementById('sin-guardar')!.hidden = true;
  });
}

// The instruction, the guess and the verdict, in a panel at the head of the controls: beside the
// picture held sideways, just under it held upright, never over the construction. The live region
// already says each of them, so the panel itself is not read out again. Gives the construction's
// next step, as its button does, while the button is there (false otherwise).
function montarPanel(cara: Cara, ventana: string): () => boolean {
  const panel = document.createElement('p');
  panel.className = 'veredicto';
  panel.hidden = true;
  // While the construction is shown, the panel holds its step, question or answer, as the core
  // announced it; anything else the core does gives the panel back to practice.
  let propio: string | null = null;
  let dePaso = false;
  let mio = false;
  const poner = () => {
    const t = propio ?? cara.nucleo.textoDePractica(ventana);
    if (panel.textContent === t) return;
    panel.textContent = t;
    panel.hidden = !t;
  };
  const construccion = montarConstruccion(cara, ventana, (orden, paso) => {
    mio = true;
    let r: Respuesta;
    try {
      r = cara.ejecutar(orden);
    } finally {
      mio = false;
    }
    const anuncios = r.eventos.filter((e) => e.tipo === 'anuncio' && e.v === ventana);
    const ultimo = anuncios[anuncios.length - 1];
    propio = !r.error && ultimo?.tipo === 'anuncio' ? ultimo.texto : null;
    dePaso = paso;
    poner();
    return r;
  });
  cara.ventana(ventana)?.querySelector('.controles')?.prepend(panel, construccion.raiz);
  cara.alEvento((e) => {
    if (!mio) propio = null;
    construccion.poner(mio);
    poner();
    // A verdict given from a menu further down comes into view, under a picture that stays.
    if (e.tipo === 'asiento' && e.v === ventana)
      requestAnimationFrame(() => panel.hidden || panel.scrollIntoView({ block: 'nearest' }));
  });
  cara.alCambiarIdioma(() => {
    // A step's line is the core's in the new language; a question or answer stays as said.
    const e = JSON.parse(cara.nucleo.etapaDeConstruccion(ventana)) as EtapaDelNucleo | null;
    if (propio !== null && dePaso && e?.etapa) propio = e.leyenda;
    poner();
  });
  return construccion.paso;
}

// After a verdict on the path that names a mistake: «Ver la construcción paso a paso» draws the
// core's next step at each press (the last gives the picture back), and «¿Dónde está el error?»
// plants a mistake in it and offers the core's choices, one button each.
function montarConstruccion(
  cara: Cara,
  ventana: string,
  // paso: the command draws a step, whose line the core gives again in another language.
  ejecutar: (orden: (n: Nucleo) => string, paso: boolean) => Respuesta,
): { raiz: HTMLElement; poner: (mio: boolean) => void; paso: () => boolean } {
  const raiz = document.createElement('div');
  raiz.className = 'construccion';
  raiz.hidden = true;
  const boton = (clave: string, accion: () => void) => {
    const b = document.createElement('button');
    b.type = 'button';
    b.dataset.clave = clave;
    b.addEventListener('click', accion);
    return b;
  };
  const opciones = document.createElement('div');
  opciones.className = 'opciones';
  opciones.setAttribute('role', 'group');
  opciones.hidden = true;
  let preguntando = false;
  const pasos = boton('verConstruccion', () => ejecutar((n) => n.construccion(ventana, ''), true));
  const error = boton('dondeError', () => {
    if (ejecutar((n) => n.construccion(ventana, 'error'), false).error) return;
    preguntando = true;
    poner(true);
    opciones.querySelector('button')?.focus();
  });
  raiz.append(pasos, error, opciones);
  const leer = () => JSON.parse(cara.nucleo.etapaDeConstruccion(ventana)) as EtapaDelNucleo | null;
  const poner = (mio: boolean) => {
    const e = leer();
    if (!mio) preguntando = false;
    raiz.hidden = !e || e.etapas === 0;
    pasos.textContent = textoDeLaPagina('verConstruccion');
    error.textContent = textoDeLaPagina('dondeError');
    opciones.setAttribute('aria-label', error.textContent);
    const mostradas = preguntando && e ? e.opciones : [];
    opciones.hidden = mostradas.length === 0;
    const nombres = mostradas.map((o) => o.nombre).join('\n');
    if (opciones.dataset.nombres === nombres) return;
    opciones.dataset.nombres = nombres;
    opciones.replaceChildren(...mostradas.map((o) => {
      const b = boton(o.codigo, () => ejecutar((n) => n.construccion(ventana, o.codigo), false));
      b.textContent = o.nombre;
      return b;
    }));
  };
  cara.alCambiarIdioma(() => poner(true));
  const paso = () => {
    if (raiz.hidden) return false;
    pasos.click();
    return true;
  };
  return { raiz, poner, paso };
}

// The path over every window, as the core names it where it takes a window's.
export const kTodas = 'todas';

// Where this browser keeps a path for the student, a window's or the one over every window
// (kTodas), and that path's state, if any.
function claveDeCamino(cual: string): string {
  return `trazalia.camino.${cual}.${alumno()}`;
}
export function caminoGuardado(cual: string): string | null {
  return leer(claveDeCamino(cual));
}

// A path from this seed and level, or the one this browser kept for the student, resumed where
// it was left: the core's answer to the last command tried. Over every window, the core opens
// the window of the exercise it sets.
function empezarCamino(cara: Cara, cual: string, semilla: string, nivel: string): Respuesta {
  const guardado = caminoGuardado(cual);
  if (guardado !== null) {
    const r = cara.ejecutar((n) => n.retomarCamino(cual, guardado));
    if (!r.error) return r;
  }
  return cara.ejecutar((n) => n.caminar(cual, semilla, nivel));
}

// A seed from the clock, as the practice menu offers one.
function semillaDelReloj(): string {
  return String(Math.floor(Date.now() / 1000) >>> 0);
}

// «Camino por todas las ventanas» on the start window, under the methods' buttons, where a
// student starts: on the window the page draws before the core arrives too, so that nothing
// moves when it does. The practice part gives it its action.
const kIdCaminoDeInicio = 'camino-todas';
export function ponerCaminoDeInicio(ventana: HTMLElement, texto: string): HTMLElement | null {
  const principales = ventana.querySelector('.acciones.principales');
  if (!principales || ventana.querySelector(`#${kIdCaminoDeInicio}`)) return null;
  const b = document.createElement('button');
  b.type = 'button';
  b.id = kIdCaminoDeInicio;
  // A control as the window's own buttons are: styled, laid out and measured with them.
  b.className = 'control boton';
  b.dataset.texto = 'caminoTodas';
  b.textContent = texto;
  const fila = document.createElement('div');
  fila.className = 'fila botones';
  fila.append(b);
  const grupo = document.createElement('div');
  grupo.className = 'grupo acciones camino-todas';
  grupo.append(fila);
  principales.after(grupo);
  return b;
}

// What a window's practice menu does for its keys: P turns practice on or off, N gives another
// exercise while practising; false when it did nothing.
interface MenuDePractica {
  alternar(): boolean;
  otro(): boolean;
}

// The desktop's name question, in the page's language: a name accepted is the student's; skipped
// (or Esc), the name stays empty. hecho runs once it closes, either way.
function pedirNombre(cara: Cara, hecho: () => void): void {
  const tr = (c: string, t: string) => cara.nucleo.traducir(c, t);
  const dialogo = document.createElement('dialog');
  dialogo.id = 'panel-nombre';
  dialogo.setAttribute('aria-labelledby', 'titulo-nombre');
  const titulo = document.createElement('h2');
  titulo.id = 'titulo-nombre';
  titulo.textContent = tr('Practica', 'Nombre');
  const lista = document.createElement('p');
  const [etiqueta, entrada] = campo(lista, document.createElement('input'));
  etiqueta.textContent = tr('Practica', 'Nombre del alumno, para el registro de resultados:');
  const botones = document.createElement('p');
  const boton = (texto: string, accion: () => void) => {
    const b = document.createElement('button');
    b.type = 'button';
    b.textContent = texto;
    b.addEventListener('click', () => {
      accion();
      dialogo.close();
    });
    botones.append(b);
    return b;
  };
  entrada.value = alumno();
  const aceptar = boton(textoDeLaPagina('aceptar'), () => ponerNombre(entrada.value));
  // Skipped, the name offered stays, as on the desktop, and is not asked again this visit.
  boton(tr('Dialogos', 'Omitir'), () => undefined);
  entrada.addEventListener('keydown', (ev) => {
    if (ev.key !== 'Enter') return;
    ev.preventDefault();
    aceptar.click();
  });
  dialogo.addEventListener('close', () => {
    if (!nombreDeLaVisita()) ponerNombre(alumno());
    dialogo.remove();
    hecho();
  });
  dialogo.append(titulo, lista, botones);
  document.body.append(dialogo);
  dialogo.showModal();
  // The name offered is replaced by whatever the next student types.
  entrada.select();
}

// The right answers in a row that master a skill (practice::kRachaDeDominio).
const kRachaDeDominio = 3;

function montarEn(
  cara: Cara,
  ventana: string,
  herramientas: HTMLElement,
  texto: (e: HTMLElement, poner: (tr: (c: string, t: string) => string) => void) => void,
): MenuDePractica {
  const { nucleo } = cara;
  const menu = document.createElement('details');
  menu.className = 'menu practica';
  const resumen = document.createElement('summary');
  texto(resumen, (tr) => (resumen.textContent = tr('Practica', 'Practicar')));
  const lista = document.createElement('div');
  lista.className = 'lista';
  menu.append(resumen, lista);
  herramientas.append(menu);

  const [rActiva, activa] = campo(lista, document.createElement('input'));
  activa.type = 'checkbox';
  texto(rActiva, (tr) => (rActiva.textContent = tr('Practica', 'Practicar')));
  const [rNivel, nivel] = campo(lista, document.createElement('select'));
  for (const n of leerNiveles(nucleo)) nivel.add(new Option('', n.nombre));
  nivel.value = leerNiveles(nucleo).find((n) => n.predeterminado)?.nombre ?? '';
  texto(nivel, (tr) => {
    rNivel.textContent = tr('Practica', 'Nivel');
    leerNiveles(nucleo).forEach((n, i) => (nivel.options[i].text = n.titulo));
  });
  // The equilibrant is asked for where the window adds its vectors.
  const suma = leerVentanas(nucleo).find((v) => v.nombre === ventana)?.suma ?? false;
  const equilibrante = document.createElement('input');
  equilibrante.type = 'checkbox';
  if (suma) {
    const [rEquilibrante] = campo(lista, equilibrante);
    texto(rEquilibrante, (tr) => (rEquilibrante.textContent = tr('Practica', 'Equilibrante')));
  }
  const [rSemilla, semilla] = campo(lista, document.createElement('input'));
  semilla.inputMode = 'numeric';
  semilla.value = semillaDelReloj();
  texto(rSemilla, (tr) => (rSemilla.textContent = sinAtajo(tr('Hoja', '&Semilla:'))));
  const [rModulo, r] = campo(lista, document.createElement('input'));
  r.inputMode = 'decimal';
  rModulo.textContent = 'r';
  const [rDireccion, alfa] = campo(lista, document.createElement('input'));
  alfa.inputMode = 'decimal';
  rDireccion.textContent = 'α';
  texto(r, (tr) => {
    r.setAttribute('aria-label', tr('Practica', 'Módulo de su resultante'));
    alfa.setAttribute('aria-label', tr('Practica', 'Dirección de su resultante'));
  });

  const error = document.createElement('p');
  error.className = 'practica-error';
  const ejecutar = (orden: (n: Nucleo) => string) => {
    const respuesta = cara.ejecutar(orden);
    error.textContent = respuesta.error;
    return respuesta;
  };
  const comenzar = () =>
    ejecutar((n) =>
      activa.checked
        ? n.practicarPidiendo(
            ventana,
            semilla.value.trim(),
            nivel.value,
            equilibrante.checked ? 'equilibrante' : 'resultante',
          )
        : n.practicar(ventana, 'off', '', ''),
    );
  activa.addEventListener('change', comenzar);
  equilibrante.addEventListener('change', () => activa.checked && comenzar());
  semilla.addEventListener('change', () => activa.checked && comenzar());
  nivel.addEventListener('change', () => {
    const n = Number(semilla.value.trim());
    ejecutar((nu) => nu.nivel(ventana, nivel.value, Number.isInteger(n) ? n >>> 0 : 0));
  });
  // Practice a link gave back, or one the core ended: the menu shows what the core practises, so
  // that P and N go on from there.
  cara.alEvento(() => {
    const p = JSON.parse(nucleo.practica(ventana)) as PracticaDelNucleo | null;
    if (!p || p.activa === activa.checked) return;
    activa.checked = p.activa;
    if (!p.activa) return;
    semilla.value = String(p.semilla);
    nivel.value = p.nivel;
    equilibrante.checked = p.pregunta === 'equilibrante';
  });
  // After an action the menu closes, as a menu of the desktop does, so that it covers nothing
  // the action shows (the verdict); a refusal keeps it open, to be read and mended.
  const cerrarMenu = () => {
    const tenia = menu.contains(document.activeElement);
    menu.open = false;
    if (tenia) resumen.focus();
  };
  const boton = (poner: (tr: (c: string, t: string) => string) => string, accion: () => boolean) => {
    const b = document.createElement('button');
    b.type = 'button';
    b.addEventListener('click', () => accion() && cerrarMenu());
    texto(b, (tr) => (b.textContent = poner(tr)));
    lista.append(b);
  };
  const otro = () => {
    r.value = alfa.value = '';
    return !ejecutar((n) => n.practicar(ventana, 'next', '', '')).error;
  };
  boton((tr) => tr('Practica', 'Otro ejercicio'), otro);
  boton(
    (tr) => tr('Practica', 'Comprobar'),
    () => {
      // A typed guess is given first; a dragged one is already the core's.
      if ((r.value.trim() || alfa.value.trim()) &&
          ejecutar((n) => n.adivinar(ventana, r.value.trim(), alfa.value.trim())).error)
        return false;
      return !ejecutar((n) => n.practicar(ventana, 'check', '', '')).error;
    },
  );
  // Camino: a path over the window's skills, and one over every window's, from this seed and
  // level or resumed. Its state is kept after every step.
  const camino = (cual: string) => () => {
    const tenia = activa.checked;
    // Before the core's events, so that they do not take the path for practice a link gave.
    activa.checked = true;
    const respuesta = empezarCamino(cara, cual, semilla.value.trim(), nivel.value);
    error.textContent = respuesta.error;
    if (!respuesta.error) return true;
    activa.checked = tenia;
    return false;
  };
  boton((tr) => tr('Practica', 'Camino'), camino(ventana));
  boton(() => textoDeLaPagina('caminoTodas'), camino(kTodas));
  // The path's bars stand in the controls, under the verdict, in sight all along the path.
  const barras = document.createElement('div');
  barras.className = 'camino';
  cara.ventana(ventana)?.querySelector('.controles')?.prepend(barras);
  const mostrarCamino = () => {
    const c = JSON.parse(nucleo.camino(ventana)) as CaminoDelNucleo | null;
    // A path over every window is the practice of the window it is in now, the one that keeps it.
    if (!c) {
      barras.replaceChildren();
      return;
    }
    try {
      localStorage.setItem(claveDeCamino(c.todas ? kTodas : ventana), c.estado);
    } catch {
      // Storage refused: the path lasts this visit.
    }
    const tr = (t: string) => nucleo.traducir('Practica', t);
    barras.replaceChildren(...c.destrezas.map((d) => {
      const racha = Math.min(d.racha, kRachaDeDominio);
      const barra = document.createElement('div');
      barra.setAttribute('role', 'progressbar');
      barra.setAttribute('aria-label', d.visible);
      barra.setAttribute('aria-valuemin', '0');
      barra.setAttribute('aria-valuemax', String(kRachaDeDominio));
      barra.setAttribute('aria-valuenow', String(racha));
      const valor = `${racha}/${kRachaDeDominio}${d.dominada ? ` ${tr('dominada')}` : ''}`;
      barra.setAttribute('aria-valuetext', valor);
      barra.style.setProperty('--parte', String(racha / kRachaDeDominio));
      barra.textContent = `${d.visible}: ${valor}`;
      return barra;
    }));
  };
  cara.alEvento(mostrarCamino);
  // The skills' names and "dominada" are the core's, in the page's language.
  cara.alCambiarIdioma(mostrarCamino);

  const [rNombre, nombre] = campo(lista, document.createElement('input'));
  nombre.autocomplete = 'name';
  nombre.value = alumno();
  nombre.addEventListener('change', () => ponerNombre(nombre.value));
  texto(rNombre, (tr) => (rNombre.textContent = tr('Practica', 'Nombre')));
  boton(
    () => textoDeLaPagina('descargar'),
    () => {
      if (descargarRegistro(nucleo)) return true;
      error.textContent = nucleo.traducir('Practica', 'Todavía no se ha registrado ningún veredicto.');
      return false;
    },
  );
  const guardados = document.createElement('p');
  guardados.className = 'guardados';
  const contar = () => (guardados.textContent = nucleo.resultadosGuardados(lineasGuardadas().length));
  texto(guardados, contar);
  // Another tab may have added to them.
  menu.addEventListener('toggle', () => menu.open && contar());
  lista.append(error, guardados);
  return {
    alternar: () => {
      activa.checked = !activa.checked;
      comenzar();
      return true;
    },
    otro: () => activa.checked && otro(),
  };
}
