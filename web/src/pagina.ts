// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the core's three windows, the language, help and about, and the live region that
// tells screen readers what the core announces.
import ayudaEn from '../ayuda/en.html';
import ayudaEs from '../ayuda/es.html';
import ayudaPt from '../ayuda/pt_BR.html';
import type { Cara } from './cara';
import type { Idioma } from './idioma';
import {
  codigoHtml,
  darIdioma,
  idiomaInicial,
  kIdiomas,
  kNombresDeIdiomas,
  recordarIdioma,
  texto,
} from './idioma';
import type { Atajo, Evento, Nucleo, Previa as PreviaDelNucleo, Respuesta } from './nucleo';
import { crearNucleo, leerAtajos, leerVentanas, leerVistas } from './nucleo';
import { montarCompartir } from './compartir';
import { montarEnlace } from './enlace';
import { montarFigura } from './figura';
import { montarHoja } from './hoja';
import { botonDeDescarga, montarPractica, ponerCaminoDeInicio, registroSinGuardar } from './practica';
import { montarResumen } from './resumen';
import { montarSinConexion } from './sin_conexion';
import { nombreDeTecla } from './teclas';
import { VentanaWeb } from './ventana';
import type { Entorno } from './entorno';

const kAyudas: Record<Idioma, string> = { es: ayudaEs, en: ayudaEn, pt_BR: ayudaPt };
const kFuente = 'https://trazalia.org/';

function $(id: string): HTMLElement {
  return document.getElementById(id)!;
}

class Pagina implements Entorno, Cara {
  private readonly ventanas = new Map<string, VentanaWeb>();
  private readonly oyentes: ((e: Evento) => void)[] = [];
  private readonly oyentesDeIdioma: ((i: Idioma) => void)[] = [];
  // What each shortcut of the core's table does on the page, by its name.
  private readonly acciones = new Map<string, (ventana: string) => boolean>();
  private readonly atajos: Atajo[];
  private readonly vistas: HTMLInputElement[] = [];
  private idioma_: Idioma;
  private readonly ajuste: HTMLInputElement[] = [];
  // Each method window's undo and redo buttons, named after the step each would take.
  private readonly pasos = new Map<string, [HTMLButtonElement, HTMLButtonElement]>();

  // hechas: the windows drawn before the core arrived (Previa), kept as they are.
  constructor(
    readonly nucleo: Nucleo,
    hechas = new Map<string, VentanaWeb>(),
  ) {
    this.idioma_ = idiomaInicial();
    darIdioma(nucleo, this.idioma_);
    this.atajos = leerAtajos(nucleo);
    const respuesta = JSON.parse(nucleo.iniciar()) as Respuesta;
    ponerVistasIniciales(nucleo);
    for (const { nombre } of leerVentanas(nucleo)) {
      const v = hechas.get(nombre) ?? new VentanaWeb(this, nombre);
      this.ventanas.set(nombre, v);
      if (!v.raiz.isConnected) $('ventanas').append(v.raiz);
      if (v.metodo) this.montarHerramientas(v);
      else ponerCaminoDeInicio(v.raiz, texto('caminoTodas'));
    }
    this.mostrar(respuesta);
    this.montarCabecera();
    this.montarAtajos();
    this.textos();
    addEventListener('resize', () => this.disponer());
    this.disponer();
  }

  // Entorno and Cara.
  ejecutar(orden: (nucleo: Nucleo) => string): Respuesta {
    const respuesta = JSON.parse(orden(this.nucleo)) as Respuesta;
    this.mostrar(respuesta);
    this.nombrarPasos();
    return respuesta;
  }
  alEvento(oyente: (e: Evento) => void): void {
    this.oyentes.push(oyente);
  }
  alCambiarIdioma(oyente: (i: Idioma) => void): void {
    this.oyentesDeIdioma.push(oyente);
  }
  alAtajo(atajo: string, accion: (ventana: string) => boolean): void {
    this.acciones.set(atajo, accion);
  }
  // The shortcut of the core's table with that key, if the page runs one; the rest is the core's.
  teclaDePagina(ventana: string, tecla: string): boolean {
    const metodo = this.ventanas.get(ventana)?.metodo ?? false;
    const atajo = this.atajos.find((a) => a.teclas.includes(tecla) && (metodo || !a.metodo));
    const accion = atajo && this.acciones.get(atajo.atajo);
    return accion ? accion(ventana) : false;
  }
  herramientas(ventana: string): HTMLElement | undefined {
    return this.ventanas.get(ventana)?.herramientas;
  }
  ventana(ventana: string): HTMLElement | undefined {
    return this.ventanas.get(ventana)?.raiz;
  }
  idioma(): Idioma {
    return this.idioma_;
  }
  ajustar(): boolean {
    return this.ajuste.some((a) => a.checked);
  }
  anunciar(t: string): void {
    const region = $('anuncios');
    // The same text again is still news: a change of the region is what screen readers hear.
    region.textContent = region.textContent === t ? `${t}\u00a0` : t;
  }
  mostrarRechazo(t: string): void {
    const aviso = $('aviso');
    aviso.textContent = t;
    aviso.hidden = false;
    this.anunciar(t);
  }

  private mostrar(respuesta: Respuesta): void {
    let mostradas = false;
    const aviso = $('aviso');
    if (!aviso.hidden && !respuesta.eventos.some((e) => e.tipo === 'rehusado')) aviso.hidden = true;
    for (const e of respuesta.eventos) {
      switch (e.tipo) {
        case 'vista':
          for (const c of this.vistas) if (c.value === e.vista) c.checked = e.activa;
          break;
        case 'anuncio':
          this.anunciar(e.texto);
          break;
        case 'fallo':
          this.mostrarRechazo(e.texto);
          break;
        case 'terminado':
          this.terminar();
          break;
        default:
          this.ventanas.get(e.v)?.aplicar(e);
          if (e.tipo === 'mostrada') mostradas = true;
      }
    }
    for (const v of this.ventanas.values()) v.repintar();
    if (mostradas) {
      this.disponer();
      const visible = [...this.ventanas.values()].find((v) => v.visible);
      if (visible) {
        // Form1's title is the program's name, with a period of its own.
        const titulo = (visible.titulo.textContent ?? '').replace(/\.$/, '');
        document.title = titulo === 'Trazalia' ? titulo : `${titulo} · Trazalia`;
        visible.titulo.focus();
      }
    }
    for (const e of respuesta.eventos) for (const o of this.oyentes) o(e);
  }

  // "Salir": the page closes where the browser lets a page close itself (an installed app, a tab
  // opened for it alone), unless results that storage refused would go with it; otherwise it
  // says how to leave, offers the results, and can start again.
  private terminar(): void {
    for (const v of this.ventanas.values()) v.raiz.hidden = true;
    $('terminado').hidden = false;
    this.disponer();
    $('descargar-al-salir').replaceChildren(...botonDeDescarga(this.nucleo));
    $('volver').focus();
    if (!registroSinGuardar()) window.close();
  }

  private disponer(): void {
    const visible = [...this.ventanas.values()].find((v) => v.visible);
    if (visible) disponer(visible);
    else document.documentElement.classList.remove('con-dibujo');
  }

  private montarHerramientas(v: VentanaWeb): void {
    const menu = document.createElement('details');
    menu.className = 'menu';
    const resumen = document.createElement('summary');
    resumen.dataset.texto = 'vistas';
    const lista = document.createElement('div');
    lista.className = 'lista';
    for (const vista of leerVistas(this.nucleo)) {
      const etiqueta = document.createElement('label');
      const casilla = document.createElement('input');
      casilla.type = 'checkbox';
      casilla.value = vista.nombre;
      casilla.checked = vista.activa;
      casilla.addEventListener('change', () => {
        this.ejecutar((n) => n.vista(v.nombre, vista.nombre, casilla.checked));
        recordarVistas(this.nucleo);
      });
      const nombre = document.createElement('span');
      nombre.dataset.vista = vista.nombre;
      const tecla = document.createElement('kbd');
      tecla.textContent = vista.tecla;
      etiqueta.append(casilla, nombre, tecla);
      lista.append(etiqueta);
      this.vistas.push(casilla);
    }
    menu.append(resumen, lista);

    const ajuste = document.createElement('label');
    ajuste.className = 'ajuste';
    ajuste.dataset.textoTitulo = 'ajustarAyuda';
    const casilla = document.createElement('input');
    casilla.type = 'checkbox';
    casilla.addEventListener('change', () => {
      for (const a of this.ajuste) a.checked = casilla.checked;
    });
    this.ajuste.push(casilla);
    const nombre = document.createElement('span');
    nombre.dataset.texto = 'ajustar';
    ajuste.append(casilla, nombre);

    const boton = (cual: string, orden: (n: Nucleo) => string) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.dataset.texto = cual;
      b.addEventListener('click', () => this.ejecutar(orden));
      return b;
    };
    const deshacer = boton('deshacer', (n) => n.deshacer(v.nombre));
    const rehacer = boton('rehacer', (n) => n.rehacer(v.nombre));
    this.pasos.set(v.nombre, [deshacer, rehacer]);
    v.herramientas.append(menu, ajuste, deshacer, rehacer);
  }

  // "Deshacer: mover r₁" as the title and the accessible name, in the page's language.
  private nombrarPasos(): void {
    for (const [ventana, botones] of this.pasos) {
      const pasos = JSON.parse(this.nucleo.pasos(ventana)) as { deshacer: string; rehacer: string };
      for (const [b, nombre] of [[botones[0], pasos.deshacer], [botones[1], pasos.rehacer]] as const) {
        if (nombre) {
          b.title = nombre;
          b.setAttribute('aria-label', nombre);
        } else {
          b.removeAttribute('title');
          b.removeAttribute('aria-label');
        }
      }
    }
  }

  // The shortcuts the page runs itself; Comprobar is the picture's own key, the core's. Keys that
  // reach no control (the window's title has the focus, or a button of its row of tools) are
  // the window's too, views' keys included.
  private montarAtajos(): void {
    this.alAtajo('Ayuda', () => {
      this.abrir('panel-ayuda');
      return true;
    });
    for (const [atajo, orden] of [
      ['Deshacer', 'deshacer'],
      ['Rehacer', 'rehacer'],
    ] as const)
      this.alAtajo(atajo, (v) => {
        this.ejecutar((n) => n[orden](v));
        return true;
      });
    addEventListener('keydown', (ev) => {
      // The menu the focus is in, else the shown window's first open one.
      const menu =
        document.activeElement?.closest<HTMLDetailsElement>('details.menu[open]') ??
        document.querySelector<HTMLDetailsElement>('.ventana:not([hidden]) details.menu[open]');
      if (ev.key !== 'Escape' || !menu || document.querySelector('dialog[open]')) return;
      // Esc closes an open menu first, wherever the focus is, as a menu of the desktop does.
      menu.open = false;
      menu.querySelector('summary')?.focus();
      ev.preventDefault();
      ev.stopPropagation();
    }, true);
    addEventListener('keydown', (ev) => {
      const donde = ev.target instanceof Element ? ev.target : null;
      const escrito = 'input:not([type=checkbox]):not([type=radio]), select, textarea, dialog, .control';
      const v = [...this.ventanas.values()].find((w) => w.visible);
      const tecla = nombreDeTecla(ev);
      if (ev.defaultPrevented || !v || !tecla || donde?.closest(escrito)) return;
      const vista = v.metodo && !ev.ctrlKey && !ev.altKey && !ev.metaKey
        ? leerVistas(this.nucleo).find((w) => w.tecla === tecla)
        : undefined;
      if (vista) {
        this.ejecutar((n) => n.vista(v.nombre, vista.nombre, !vista.activa));
        recordarVistas(this.nucleo);
      }
      // Esc goes back as on the picture, where the core has it.
      else if (v.metodo && tecla === 'Escape') this.ejecutar((n) => n.teclas(`${v.nombre}.Picture1`, tecla));
      else if (!this.teclaDePagina(v.nombre, tecla)) return;
      ev.preventDefault();
    });
  }

  private montarCabecera(): void {
    const selector = ponerIdiomas(this.idioma_);
    selector.addEventListener('change', () => this.cambiarIdioma(selector.value as Idioma));
    $('boton-ayuda').addEventListener('click', () => this.abrir('panel-ayuda'));
    $('boton-acerca').addEventListener('click', () => this.abrir('panel-acerca'));
    for (const b of document.querySelectorAll<HTMLButtonElement>('dialog .cerrar'))
      b.addEventListener('click', () => b.closest('dialog')!.close());
    $('volver').addEventListener('click', () => location.reload());
    ($('fuente') as HTMLAnchorElement).href = kFuente;
  }

  cambiarIdioma(idioma: Idioma): void {
    this.idioma_ = idioma;
    // A link may choose it too: the selector shows the language in use.
    ($('idioma') as HTMLSelectElement).value = idioma;
    recordarIdioma(idioma);
    darIdioma(this.nucleo, idioma);
    for (const v of this.ventanas.values()) {
      v.retraducir();
      v.repintar();
    }
    this.textos();
    this.disponer();
    for (const o of this.oyentesDeIdioma) o(idioma);
  }

  // The page's own texts and the titles of the views, in the language now chosen.
  private textos(): void {
    const i = this.idioma_;
    document.documentElement.lang = codigoHtml(i);
    for (const e of document.querySelectorAll<HTMLElement>('[data-texto]'))
      e.textContent = texto(e.dataset.texto!);
    for (const e of document.querySelectorAll<HTMLElement>('[data-texto-titulo]'))
      e.title = texto(e.dataset.textoTitulo!);
    const titulos = new Map(leerVistas(this.nucleo).map((v) => [v.nombre, v.titulo]));
    for (const e of document.querySelectorAll<HTMLElement>('[data-vista]'))
      e.textContent = titulos.get(e.dataset.vista!) ?? '';
    $('titulo-ayuda').textContent = this.nucleo.traducir('Ayuda', 'Ayuda de Trazalia');
    $('titulo-acerca').textContent = this.nucleo.traducir('Ayuda', 'Acerca de Trazalia');
    const cuerpo = new DOMParser().parseFromString(kAyudas[i], 'text/html').body;
    const filas = cuerpo.querySelector('.teclas tbody');
    for (const [teclas, descripcion] of JSON.parse(this.nucleo.teclasDeLaAyuda()) as [string, string][]) {
      const fila = document.createElement('tr');
      for (const t of [teclas, descripcion]) fila.insertCell().textContent = t;
      filas?.append(fila);
    }
    $('ayuda').replaceChildren(...cuerpo.childNodes);
    $('version').textContent = `Trazalia ${this.nucleo.version()}`;
    if (!document.querySelector('.ventana:not([hidden])')) document.title = 'Trazalia';
  }

  private abrir(panel: string): void {
    ($(panel) as HTMLDialogElement).showModal();
  }
}

// The parts that plug into the page, each given the page once it is up; the link last, as it
// gives back what the others have set up.
const kPartes: ((cara: Cara) => void)[] = [
  montarPractica,
  montarHoja,
  montarResumen,
  montarSinConexion,
  montarFigura,
  montarCompartir,
  montarEnlace,
];

function disponer(v: VentanaWeb): void {
  v.disponer(document.documentElement.clientWidth, innerHeight);
}

const kClaveDeVistas = 'trazalia.vistas';
// The views the page starts with, unless a link (?vistas=grid,bold, or the address a shared
// link gives back, #…&vistas=…) or the user's last choice says otherwise: bold strokes and high
// contrast, which make the arrowheads large enough for a finger and every vector's colour stand
// out from the white. The desktop and scripts start with none.
const kVistasDeLaPagina = ['bold', 'contrast'];

function ponerVistasIniciales(nucleo: Nucleo): void {
  const delEnlace = (parte: string) => new URLSearchParams(parte.slice(1)).get('vistas');
  let elegidas = delEnlace(location.hash) ?? delEnlace(location.search);
  try {
    elegidas ??= localStorage.getItem(kClaveDeVistas);
  } catch {
    // Storage refused: the page's own.
  }
  const activas = new Set(elegidas === null ? kVistasDeLaPagina : elegidas.split(',').map((v) => v.trim()));
  for (const v of leerVistas(nucleo))
    if (activas.has(v.nombre) !== v.activa) nucleo.vistaInicial(v.nombre, !v.activa);
}

// The views the user has on now, after choosing one, for the next visit (not those a link chose).
function recordarVistas(nucleo: Nucleo): void {
  const activas = leerVistas(nucleo).filter((v) => v.activa).map((v) => v.nombre);
  try {
    localStorage.setItem(kClaveDeVistas, activas.join(','));
  } catch {
    // Remembered for this visit only.
  }
}

function ponerIdiomas(idioma: Idioma): HTMLSelectElement {
  const selector = $('idioma') as HTMLSelectElement;
  selector.replaceChildren(
    ...kIdiomas.map((i) => {
      const opcion = document.createElement('option');
      opcion.value = i;
      opcion.textContent = kNombresDeIdiomas[i];
      opcion.lang = codigoHtml(i);
      return opcion;
    }),
  );
  selector.value = idioma;
  return selector;
}

// The page before the core has arrived: the windows it shows at start drawn from their tables as
// the core gave them when the site was built (previa.js), with the page's texts. The page keeps
// them once the core is there; what was done on them meanwhile waits for it.
class Previa implements Entorno {
  readonly ventanas: VentanaWeb[] = [];
  private readonly provisional: Nucleo;
  private real: Nucleo | undefined;
  private pagina: Pagina | undefined;
  private lista = false;
  private caminoPedido = false;
  private readonly pendientes: ((nucleo: Nucleo) => string)[] = [];
  private readonly alCambiar = () => this.ventanas.forEach(disponer);

  constructor(previa: PreviaDelNucleo, idioma: Idioma) {
    const tablas = new Map(previa.ventanas.map((t) => [t.nombre, JSON.stringify(t)]));
    this.provisional = { tabla: (ventana: string) => tablas.get(ventana)! } as Partial<Nucleo> as Nucleo;
    document.documentElement.lang = codigoHtml(idioma);
    for (const e of document.querySelectorAll<HTMLElement>('[data-texto]'))
      e.textContent = previa.textos[e.dataset.texto!] ?? e.dataset.texto!;
    ponerIdiomas(idioma);
    $('cargando').remove();
    for (const { nombre } of previa.ventanas) {
      const v = new VentanaWeb(this, nombre);
      // Pressed before the core arrives, it waits for it, as the windows' buttons do.
      if (!v.metodo)
        ponerCaminoDeInicio(v.raiz, previa.textos.caminoTodas ?? '')?.addEventListener(
          'click', () => this.lista || (this.caminoPedido = true));
      $('ventanas').append(v.raiz);
      this.ventanas.push(v);
      disponer(v);
    }
    addEventListener('resize', this.alCambiar);
  }

  get nucleo(): Nucleo {
    return this.real ?? this.provisional;
  }
  ejecutar(orden: (nucleo: Nucleo) => string): Respuesta {
    if (this.lista) return this.pagina!.ejecutar(orden);
    this.pendientes.push(orden);
    return { error: '', eventos: [] };
  }
  teclaDePagina(ventana: string, tecla: string): boolean {
    return this.pagina?.teclaDePagina(ventana, tecla) ?? false;
  }
  ajustar(): boolean {
    return this.pagina?.ajustar() ?? false;
  }
  mostrarRechazo(texto: string): void {
    this.pagina?.mostrarRechazo(texto);
  }

  // Painted, the largest thing the browser measures (LCP) included: the core's files, asked for
  // only then, do not hold up on a slow line what a visitor sees first. A browser that measures
  // no LCP, or a page in a tab not shown, waits for a frame only; a visitor's first touch or key
  // (after which the browser measures no more) waits for nothing.
  async pintada(): Promise<void> {
    if (
      document.visibilityState === 'hidden' ||
      !PerformanceObserver.supportedEntryTypes?.includes('largest-contentful-paint')
    )
      return new Promise((listo) => requestAnimationFrame(() => setTimeout(listo)));
    return new Promise((listo) => {
      const fin = () => {
        observador.disconnect();
        clearTimeout(espera);
        for (const tipo of kEntradas) removeEventListener(tipo, fin, true);
        listo();
      };
      const observador = new PerformanceObserver((lista) => {
        const pintados = lista.getEntries().map((e) => (e as LargestContentfulPaint).element);
        if (pintados.some((e) => this.ventanas.some((v) => e && v.raiz.contains(e)))) fin();
      });
      const espera = setTimeout(fin, 3000);
      const kEntradas = ['pointerdown', 'keydown'];
      for (const tipo of kEntradas) addEventListener(tipo, fin, true);
      observador.observe({ type: 'largest-contentful-paint', buffered: true });
    });
  }

  // The page with the core, around these windows; the focus left where it was.
  dejarA(nucleo: Nucleo): Pagina {
    removeEventListener('resize', this.alCambiar);
    const foco = document.activeElement;
    this.real = nucleo;
    this.pagina = new Pagina(nucleo, new Map(this.ventanas.map((v) => [v.nombre, v])));
    if (foco instanceof HTMLElement && foco !== document.body) foco.focus();
    return this.pagina;
  }

  // The page whole, its parts mounted: what was done on these windows meanwhile, in order.
  soltar(): void {
    this.lista = true;
    for (const orden of this.pendientes.splice(0)) this.pagina!.ejecutar(orden);
    if (this.caminoPedido) document.querySelector<HTMLElement>('#camino-todas')?.click();
  }
}

async function empezar(): Promise<void> {
  const idioma = idiomaInicial();
  // An address with a # is a link to what it shows, which the core gives (enlace.ts).
  const datos = location.hash ? undefined : globalThis.trazaliaPrevia?.[idioma];
  const previa = datos && new Previa(datos, idioma);
  let pagina: Pagina;
  try {
    await previa?.pintada();
    const n = await crearNucleo();
    await otraTarea();
    if (previa) pagina = previa.dejarA(n);
    else {
      pagina = new Pagina(n);
      $('cargando').remove();
    }
  } catch (e) {
    const aviso = $('aviso');
    aviso.textContent = String(e);
    aviso.hidden = false;
    throw e;
  }
  for (const parte of kPartes) {
    await otraTarea();
    parte(pagina);
  }
  previa?.soltar();
  (globalThis as { trazalia?: Cara }).trazalia = pagina;
}

// The page set up in several tasks, so that none holds a slow phone's input for long.
function otraTarea(): Promise<void> {
  return new Promise((listo) => setTimeout(listo));
}

void empezar();
