// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets on the page: the desktop dialog's options, the core's pages as SVG documents sized
// in millimetres, and the browser's print, so that a centimetre on the sheet is one on paper.
import type { Cara } from './cara';
import { texto } from './idioma';
import type { Nucleo } from './nucleo';
import { ventanasConPractica } from './nucleo';
import { exportarAMoodle } from './moodle';
import { sinAtajo } from './practica';

export interface HojaDelNucleo {
  error: string;
  semilla?: number;
  ancho: number; // twips
  alto: number;
  paginas: string[];
}

const MM_POR_TWIP = 25.4 / 1440;
export const mm = (twips: number) => `${(twips * MM_POR_TWIP).toFixed(3)}mm`;

// One field of the worksheet's dialog as the core describes it, its texts in the page's language.
export interface CampoDeHoja {
  opcion: string; // the command line's, without its dashes
  clase: 'entero' | 'eleccion' | 'texto' | 'casilla' | 'semilla';
  rotulo: string;
  porOmision: string; // a seed's is empty: the clock's
  minimo: number;
  maximo: number;
  elecciones: { valor: string; rotulo: string }[];
  hoja: boolean; // whether the sheet's line takes it
  moodle: boolean; // and the bank's
}

export function leerCamposDeHoja(nucleo: Nucleo): CampoDeHoja[] {
  return JSON.parse(nucleo.dialogoDeHoja()) as CampoDeHoja[];
}

// A field's value as its option takes it: undefined leaves the option out, and so does a check
// box's '' (unchecked).
export type ValoresDeHoja = Map<string, string | undefined>;

// The command line's options for those values, of the fields the sheet's line (or the bank's)
// takes.
export function opcionesDeHoja(campos: CampoDeHoja[], v: ValoresDeHoja, linea: 'hoja' | 'moodle' = 'hoja'): string[] {
  const o: string[] = [];
  for (const c of campos) {
    const valor = v.get(c.opcion);
    if (!c[linea] || valor === undefined) continue;
    if (c.clase === 'casilla') {
      if (valor) o.push(`--${c.opcion}`);
    } else {
      o.push(`--${c.opcion}`, c.clase === 'entero' || c.clase === 'semilla' ? valor.trim() : valor);
    }
  }
  return o;
}

// The pages as elements: each SVG document at its size on paper.
export function paginasDeHoja(hoja: HojaDelNucleo): HTMLElement[] {
  return hoja.paginas.map((svg) => {
    const pagina = document.createElement('div');
    pagina.className = 'hoja-pagina';
    pagina.innerHTML = svg.replace(/^<\?xml[^>]*>\s*/, '');
    const dibujo = pagina.querySelector('svg');
    dibujo?.setAttribute('width', mm(hoja.ancho));
    dibujo?.setAttribute('height', mm(hoja.alto));
    return pagina;
  });
}

// The paper's size for the print, and nothing but the sheet printed.
function estiloDeImpresion(hoja: HojaDelNucleo): string {
  return (
    `@page { size: ${mm(hoja.ancho)} ${mm(hoja.alto)}; margin: 0; }\n` +
    '@media screen { #hoja-impresion { display: none; } }\n' +
    '@media print {\n' +
    '  body > :not(#hoja-impresion) { display: none !important; }\n' +
    '  html, body { margin: 0; padding: 0; background: #fff; }\n' +
    '  #hoja-impresion .hoja-pagina { break-after: page; overflow: hidden;\n' +
    `    width: ${mm(hoja.ancho)}; height: ${mm(hoja.alto)}; }\n` +
    '  #hoja-impresion svg { display: block; }\n' +
    '}\n'
  );
}

// What prints: the sheet, directly under body, its pages at their true size.
export function prepararImpresion(hoja: HojaDelNucleo): HTMLElement {
  document.getElementById('hoja-impresion')?.remove();
  document.getElementById('hoja-estilo')?.remove();
  const estilo = document.createElement('style');
  estilo.id = 'hoja-estilo';
  estilo.textContent = estiloDeImpresion(hoja);
  const impresion = document.createElement('div');
  impresion.id = 'hoja-impresion';
  impresion.append(...paginasDeHoja(hoja));
  document.head.append(estilo);
  document.body.append(impresion);
  return impresion;
}

let serie = 0;
function campo<T extends HTMLInputElement | HTMLSelectElement>(
  formulario: HTMLElement,
  rotulo: string,
  control: T,
): T {
  const etiqueta = document.createElement('label');
  control.id = `hoja-${++serie}`;
  etiqueta.htmlFor = control.id;
  etiqueta.textContent = rotulo;
  formulario.append(etiqueta, control);
  return control;
}

function lista(c: CampoDeHoja): HTMLSelectElement {
  const s = document.createElement('select');
  for (const e of c.elecciones) s.add(new Option(e.rotulo, e.valor));
  s.value = c.porOmision;
  return s;
}

// The control of a field, by its kind, with its default.
function control(c: CampoDeHoja): HTMLInputElement | HTMLSelectElement {
  if (c.clase === 'eleccion') return lista(c);
  const e = document.createElement('input');
  if (c.clase === 'entero') {
    e.type = 'number';
    e.min = String(c.minimo);
    e.max = String(c.maximo);
    e.required = true;
    e.value = c.porOmision;
  } else if (c.clase === 'semilla') {
    e.inputMode = 'numeric';
    e.pattern = '[0-9]+';
    e.required = true;
    e.value = String(Math.floor(Date.now() / 1000) >>> 0);
  } else if (c.clase === 'casilla') {
    e.type = 'checkbox';
    e.checked = c.porOmision !== '';
  } else {
    e.value = c.porOmision;
  }
  return e;
}

// The worksheet's options and its preview, in the contenedor; "Imprimir…" prints the sheet.
function formularioDeHoja(contenedor: HTMLElement, nucleo: Nucleo): HTMLElement {
  const tr = (contexto: string, texto: string) => nucleo.traducir(contexto, texto);
  const seccion = document.createElement('section');
  seccion.className = 'hoja';
  const estilo = document.createElement('style');
  // The preview fits the page's width; the print keeps each sheet's size on paper.
  estilo.textContent =
    '.hoja-opciones { display: flex; flex-wrap: wrap; align-items: center; gap: 6px 4px; }\n' +
    '.hoja-opciones label { margin-left: 8px; }\n' +
    '.hoja-vista svg { width: 100%; height: auto; max-width: 210mm; margin-top: 12px;\n' +
    '  box-shadow: 0 1px 4px rgba(0, 0, 0, 0.4); }\n' +
    '.panel-hoja .cerrar { float: right; }';
  const titulo = document.createElement('h2');
  titulo.textContent = tr('Hoja', 'Hoja de ejercicios');
  const formulario = document.createElement('form');
  formulario.className = 'hoja-opciones';
  const vista = document.createElement('div');
  vista.className = 'hoja-vista';
  vista.setAttribute('role', 'region');
  vista.setAttribute('aria-label', tr('Hoja', 'Vista previa de la hoja'));
  const error = document.createElement('p');
  error.className = 'hoja-error';
  error.setAttribute('role', 'alert');
  seccion.append(estilo, titulo, formulario, error, vista);

  // The fields in the core's order; a check box's text is its own, without an accelerator.
  const campos = leerCamposDeHoja(nucleo);
  const controles = campos.map((c) =>
    campo(formulario, c.clase === 'casilla' ? c.rotulo : sinAtajo(c.rotulo), control(c)),
  );
  let hoja: HojaDelNucleo | undefined;
  // A text left as the core offered it is left to the core, in the sheet's language.
  const valores = (): ValoresDeHoja =>
    new Map(
      campos.map((c, i) => {
        const e = controles[i];
        if (c.clase === 'casilla') return [c.opcion, (e as HTMLInputElement).checked ? '1' : ''];
        if (c.clase === 'texto' && e.value === c.porOmision) return [c.opcion, undefined];
        return [c.opcion, e.value];
      }),
    );
  const textoDelTitulo = controles[campos.findIndex((c) => c.clase === 'texto')];
  // A field the browser already finds wrong (a count out of its range, a seed that is not a
  // number) is told in the browser's words after the field's name, not as a command-line option.
  const fallo = (): string => {
    const malo = controles.find((c) => !c.checkValidity());
    return malo ? `${malo.labels?.[0]?.textContent ?? ''} ${malo.validationMessage}`.trim() : '';
  };
  // While the options are open, the browser's own print prints the sheet too.
  const componer = () => {
    error.textContent = fallo();
    if (error.textContent) return;
    const opciones = opcionesDeHoja(campos, valores());
    const nueva = JSON.parse(nucleo.hoja(opciones.join('\n'), Math.floor(Date.now() / 1000))) as HojaDelNucleo;
    error.textContent = nueva.error;
    if (nueva.error) return;
    hoja = nueva;
    vista.replaceChildren(...paginasDeHoja(hoja));
    prepararImpresion(hoja);
  };
  formulario.addEventListener('change', componer);
  formulario.addEventListener('submit', (e) => e.preventDefault());

  const imprimir = document.createElement('button');
  imprimir.type = 'button';
  imprimir.textContent = sinAtajo(tr('Hoja', '&Imprimir…'));
  imprimir.addEventListener('click', () => hoja && window.print());
  const moodle = document.createElement('button');
  moodle.type = 'button';
  moodle.textContent = sinAtajo(tr('Hoja', 'E&xportar a Moodle…'));
  moodle.addEventListener('click', () => {
    error.textContent = fallo();
    if (error.textContent) return;
    error.textContent = exportarAMoodle(nucleo, opcionesDeHoja(campos, valores(), 'moodle'), textoDelTitulo?.value ?? '');
  });
  formulario.append(imprimir, moodle);
  contenedor.append(seccion);
  componer();
  return seccion;
}

// "Hoja de ejercicios…" in each method window's row of tools opens the options and the preview.
export function montarHoja(cara: Cara): void {
  const dialogo = document.createElement('dialog');
  dialogo.id = 'panel-hoja';
  dialogo.className = 'panel-hoja';
  dialogo.setAttribute('aria-labelledby', 'titulo-hoja');
  const cerrar = document.createElement('button');
  cerrar.type = 'button';
  cerrar.className = 'cerrar';
  cerrar.addEventListener('click', () => dialogo.close());
  dialogo.addEventListener('close', () => {
    document.getElementById('hoja-impresion')?.remove();
    document.getElementById('hoja-estilo')?.remove();
  });
  document.body.append(dialogo);
  const botones: HTMLButtonElement[] = [];
  const textos = () => {
    for (const b of botones) b.textContent = cara.nucleo.traducir('Acciones', 'Hoja de ejercicios…');
    cerrar.textContent = texto('cerrar');
  };
  const ventanas = ventanasConPractica(cara.nucleo);
  for (const ventana of ventanas) {
    const b = document.createElement('button');
    b.type = 'button';
    b.addEventListener('click', () => {
      dialogo.replaceChildren();
      dialogo.append(cerrar);
      formularioDeHoja(dialogo, cara.nucleo).querySelector('h2')!.id = 'titulo-hoja';
      dialogo.showModal();
    });
    botones.push(b);
    cara.herramientas(ventana)?.append(b);
  }
  // W, the core's key for it, in the method window it is pressed in.
  cara.alAtajo('HojaDeEjercicios', (v) => {
    botones[ventanas.indexOf(v)]?.click();
    return true;
  });
  cara.alCambiarIdioma(textos);
  textos();
}
