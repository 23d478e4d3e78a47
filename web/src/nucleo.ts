// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the WebAssembly module gives it, typed: every command answers with what it changed.

// What the core tells the page, in the order it happened (web/nucleo_web.cpp writes them).
export type Evento =
  | { tipo: 'mostrada'; v: string; visible: boolean }
  | { tipo: 'escrito'; v: string; c: string; texto: string }
  | { tipo: 'valor'; v: string; c: string; valor: number }
  | { tipo: 'anterior'; v: string; c: string; anterior: boolean }
  | { tipo: 'enfocable'; v: string; c: string; enfocable: boolean }
  | { tipo: 'dibujo'; v: string }
  | { tipo: 'vista'; vista: string; activa: boolean }
  | { tipo: 'asiento'; v: string; n: number; codigo: string }
  | { tipo: 'anuncio'; v: string; texto: string }
  | { tipo: 'rehusado'; v: string; c: string; texto: string }
  | { tipo: 'fallo'; v: string; texto: string }
  | { tipo: 'editor'; v: string; c: string; abierto: boolean; texto: string }
  | { tipo: 'terminado' };

export interface Respuesta {
  error: string;
  eventos: Evento[];
}

export type TipoDeControl = 'picture' | 'barra' | 'rotulo' | 'lectura' | 'boton' | 'imagen';

// A control's row of its window's table, with its state now; texts in the page's language.
export interface Control {
  nombre: string;
  tipo: TipoDeControl;
  left: number;
  top: number;
  width: number;
  height: number;
  tab: number;
  texto: string;
  puntos: number;
  color: string;
  centrado: boolean;
  min: number;
  max: number;
  large: number;
  descripcion: string;
  ayuda: string;
  resultado: boolean;
  valor: number;
  caption: string;
  visto: boolean;
  habilitado: boolean;
  enfocable: boolean;
  anterior: boolean;
  // The window a button of Form1 opens; empty for the rest.
  abre: string;
}

export interface Tabla {
  nombre: string;
  titulo: string;
  ancho: number;
  alto: number;
  visible: boolean;
  fore: string;
  vectores: number;
  comoRenovar: string;
  // [HScroll n, Label m]: the read-out of each bar.
  lecturas: [number, number][];
  // The read-outs of the resultant's magnitude and direction (Label numbers).
  resultado: [number, number];
  controles: Control[];
}

// The module's class, as embind exposes it: each command returns a Respuesta as JSON.
export interface Nucleo {
  iniciar(): string;
  pulsar(ruta: string): string;
  mover(ruta: string, valor: number): string;
  // The bar's gesture ended (thumb or key let go, focus gone): its next change is another step.
  terminarPaso(ventana: string): string;
  teclas(ruta: string, nombres: string): string;
  escribir(ruta: string, texto: string): string;
  cerrar(ventana: string): string;
  // Closes the core's value editor over that control, which the page's own editor stood for.
  cerrarEditor(ventana: string, control: string): string;
  vista(ventana: string, vista: string, activa: boolean): string;
  // A view as the page starts with it, in every window: no step to undo.
  vistaInicial(vista: string, activa: boolean): string;
  // Practice's instruction and verdict go to the page's panel (textoDePractica), not the picture.
  textosDePracticaAparte(): void;
  textoDePractica(ventana: string): string;
  practicar(ventana: string, que: string, semilla: string, nivel: string): string;
  // Practice on asking for pregunta: "resultante" or "equilibrante".
  practicarPidiendo(ventana: string, semilla: string, nivel: string, pregunta: string): string;
  nivel(ventana: string, nivel: string, semilla: number): string;
  // The window's practice as a link gives it back: JSON PracticaDelNucleo, or null.
  practica(ventana: string): string;
  // Practice on as practicarPidiendo, moved on to the exercise that came that many after the
  // first; the exercises passed over leave no entry.
  retomar(ventana: string, semilla: string, nivel: string, pregunta: string, siguientes: number): string;
  // Practice along a path over the window's skills; or one resumed from the state it kept.
  // ventana "todas": a path over every window's skills, in the window of each exercise.
  caminar(ventana: string, semilla: string, nivel: string): string;
  retomarCamino(ventana: string, estado: string): string;
  // The window's path: JSON CaminoDelNucleo, or null off a path.
  camino(ventana: string): string;
  // After a mistake named on the path, the construction's next step; que "error" plants a
  // mistake in it, and a mistake's code ("suma-de-modulos") names it.
  construccion(ventana: string, que: string): string;
  // What the construction shows: JSON EtapaDelNucleo, or null off practice.
  etapaDeConstruccion(ventana: string): string;
  adivinar(ventana: string, r: string, alfa: string): string;
  deshacer(ventana: string): string;
  rehacer(ventana: string): string;
  // The steps undo and redo would take, named as their buttons show them: JSON {deshacer, rehacer}.
  pasos(ventana: string): string;
  presionar(ventana: string, x: number, y: number, alcance: number): string;
  gesto(): 'nada' | 'punta' | 'intento' | 'rehusado';
  // Whether practice in that window holds a guess, typed or dragged.
  adivinado(ventana: string): boolean;
  // Where a press on the picture starts a drag: JSON [{x, y, alcance}] in twips of the picture.
  agarres(ventana: string): string;
  moverPuntero(ventana: string, x: number, y: number, ajustar: boolean): string;
  soltarPuntero(ventana: string, x: number, y: number, ajustar: boolean): string;
  tabla(ventana: string): string;
  svg(ventana: string): string;
  // The name the desktop saves the picture under, without its extension: "poligono-paso-3".
  nombreDeImagen(ventana: string): string;
  descripcion(ventana: string): string;
  editor(ventana: string, control: string): string;
  vistas(): string;
  // The shortcuts of the core's table the page answers to, as JSON [Atajo].
  atajos(): string;
  // The help's table of keys in the page's language, as JSON [[keys, what they do]].
  teclasDeLaAyuda(): string;
  // "3 results kept in this browser", in the page's language.
  resultadosGuardados(n: number): string;
  idioma(): void;
  traduccion(clave: string, texto: string): void;
  traducir(contexto: string, texto: string): string;
  // The page's own texts in its language, as JSON {clave: texto}.
  textosDeLaPagina(): string;
  // Practice's levels, as JSON [{nombre, titulo}].
  niveles(): string;
  // The worksheet's dialog, as JSON [CampoDeHoja] (hoja.ts).
  dialogoDeHoja(): string;
  ventanas(): string;
  volcar(ventana: string): string;
  terminado(): boolean;
  // Practice's record (web/nucleo_practica.h): the line of the entry an 'asiento' event
  // numbered, once, and the file's header; a worksheet from its options, one a line.
  asiento(n: number, fecha: string, alumno: string): string;
  cabeceraDelRegistro(): string;
  nombreDeResultados(alumno: string, fecha: string): string;
  // The class's summary of the students' records, read as the desktop's --resumen reads them:
  // anew with which names are one student's, then each file opened, its bytes given in pieces in
  // order, and closed, which says how many of its lines were records (0: the file is none).
  resumenNuevo(clave: (nombre: string) => string): void;
  resumenAbrir(archivo: string): void;
  resumenLeer(trozo: Uint8Array): void;
  resumenCerrar(): number;
  // The summary as JSON in the page's language (ResumenDelNucleo, resumen.ts), and its CSV.
  resumen(): string;
  resumenCsv(): string;
  hoja(opciones: string, relojDeSemilla: number): string;
  // Its question bank for Moodle, as JSON {error, xml}.
  moodle(opciones: string, relojDeSemilla: number): string;
  version(): string;
  delete(): void;
}

interface Modulo {
  Nucleo: new () => Nucleo;
}

// What emscripten's factory is given: the module's bytes, or how to make it from its imports.
interface Opciones {
  wasmBinary?: Uint8Array;
  instantiateWasm?(
    imports: WebAssembly.Imports,
    recibir: (instancia: WebAssembly.Instance, modulo: WebAssembly.Module) => void,
  ): object;
}

// The windows the core shows at start, and the page's texts, in each language (previa.js, made
// from the core by make web-pagina): the page draws them while the core is still on its way.
export interface Previa {
  ventanas: Tabla[];
  textos: Record<string, string>;
}

declare global {
  // The module's factory, from trazalia-web.js (a classic script, so that a page opened from a
  // folder loads it too).
  function TrazaliaNucleo(opciones?: Opciones): Promise<Modulo>;
  // trazalia-web-modulo.js: the module's bytes in base64, for a page opened from a folder.
  var trazaliaModulo: string | undefined;
  var trazaliaPrevia: Record<string, Previa> | undefined;
}

function cargar(src: string): Promise<void> {
  return new Promise((listo, fallo) => {
    const s = document.createElement('script');
    s.src = src;
    s.onload = () => listo();
    s.onerror = () => fallo(new Error(`${src}: no se pudo cargar`));
    document.head.append(s);
  });
}

// Over http(s) the module is fetched beside its script, and compiled while it arrives (from a
// server that does not call it application/wasm, once it is there). A page opened from a folder
// can fetch nothing, and a server may not serve .wasm at all (IIS without its type): the page
// reads the module's bytes from a script of the site. A site built with the module inside its
// script has neither file, and needs neither.
async function cargarModulo(): Promise<Modulo> {
  const scripts = Promise.all([cargar('idiomas/idiomas.js'), cargar('trazalia-web.js')]);
  let compilado: WebAssembly.Module | undefined;
  if (/^https?:$/.test(location.protocol))
    compilado = await fetch('trazalia-web.wasm').then(
      async (r) => {
        if (!r.ok) return undefined;
        return /^application\/wasm\b/.test(r.headers.get('Content-Type') ?? '')
          ? WebAssembly.compileStreaming(r)
          : WebAssembly.compile(await r.arrayBuffer());
      },
      () => undefined,
    );
  let bytes: Uint8Array | undefined;
  if (!compilado) {
    await cargar('trazalia-web-modulo.js').catch(() => undefined);
    const base64 = globalThis.trazaliaModulo;
    if (base64) bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  }
  await scripts;
  return new Promise((listo, fallo) => {
    const m = compilado;
    const opciones: Opciones | undefined = m
      ? {
          instantiateWasm(imports, recibir) {
            WebAssembly.instantiate(m, imports).then((i) => recibir(i, m), fallo);
            return {};
          },
        }
      : bytes && { wasmBinary: bytes };
    TrazaliaNucleo(opciones).then(listo, fallo);
  });
}

let modulo: Promise<Modulo> | undefined;

export async function crearNucleo(): Promise<Nucleo> {
  modulo ??= cargarModulo();
  return new (await modulo).Nucleo();
}

export interface Vista {
  nombre: string;
  tecla: string;
  titulo: string;
  activa: boolean;
}

// A shortcut of the core's table: its name, whether only a method window has it, its keys as the
// core names them ("Ctrl+Z", "N").
export interface Atajo {
  atajo: string;
  metodo: boolean;
  teclas: string[];
}

export function leerAtajos(nucleo: Nucleo): Atajo[] {
  return JSON.parse(nucleo.atajos()) as Atajo[];
}

export function leerVistas(nucleo: Nucleo): Vista[] {
  return JSON.parse(nucleo.vistas()) as Vista[];
}

// A level of practice: its name in commands, its title in the page's language.
export interface Nivel {
  nombre: string;
  titulo: string;
  // The level practice starts at until one is chosen.
  predeterminado: boolean;
}

// A window of the program: Form1, then each method's in the registry's order.
export interface VentanaDelNucleo {
  nombre: string;
  practica: boolean;
  // It adds its vectors: its practice may ask for the equilibrant.
  suma: boolean;
}

export function leerVentanas(nucleo: Nucleo): VentanaDelNucleo[] {
  return JSON.parse(nucleo.ventanas()) as VentanaDelNucleo[];
}

// The windows with practice, worksheets and banks.
export function ventanasConPractica(nucleo: Nucleo): string[] {
  return leerVentanas(nucleo)
    .filter((v) => v.practica)
    .map((v) => v.nombre);
}

// The construction a path shows after a mistake: its steps, the one drawn (0: the window's
// picture), that step's line, and a planted mistake's choices with their names.
export interface EtapaDelNucleo {
  etapas: number;
  etapa: number;
  leyenda: string;
  opciones: { codigo: string; nombre: string }[];
}
// A path's progress as the core gives it: each of its skills' right answers in a row; todas, a
// path over every window's skills.
export interface CaminoDelNucleo {
  estado: string;
  todas: boolean;
  // nombre as the state names it, visible as the student reads it.
  destrezas: { nombre: string; visible: string; racha: number; dominada: boolean }[];
}
// A window's practice: on or off, its level and question, the seed its exercises come from and how
// many came after the first.
export interface PracticaDelNucleo {
  activa: boolean;
  nivel: string;
  pregunta: string;
  semilla: number;
  siguientes: number;
}

export function leerNiveles(nucleo: Nucleo): Nivel[] {
  return JSON.parse(nucleo.niveles()) as Nivel[];
}

export function leerTabla(nucleo: Nucleo, ventana: string): Tabla {
  return JSON.parse(nucleo.tabla(ventana)) as Tabla;
}
