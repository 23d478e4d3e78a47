// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets on the page: the desktop dialog's options, the core's pages as SVG documents sized
// in millimetres, and the browser's print, so that a centimetre on the sheet is one on paper.
import type { Cara } from './cara';
import { texto } from './idioma';
import type { Nucleo } from './nucleo';
import { leerNiveles, ventanasConPractica } from './nucleo';
import { exportarAMoodle, listaDeFormatos } from './moodle';
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

export interface ValoresDeHoja {
  ejercicios: string;
  metodo: string;
  nivel: string;
  semilla: string;
  titulo?: string; // unset: the core's own title in the page's language
  papel: string;
  dibujados: boolean;
}

// The command line's options for those values.
export function opcionesDeHoja(v: ValoresDeHoja): string[] {
  const o = ['--ejercicios', v.ejercicios.trim(), '--metodo', v.metodo, '--nivel', v.nivel];
  if (v.semilla.trim()) o.push('--semilla', v.semilla.trim());
  if (v.titulo !== undefined) o.push('--titulo', v.titulo);
  o.push('--papel', v.papel);
  if (v.dibujados) o.push('--dibujados');
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

function lista(pares: ReadonlyArray<[string, string]>, valor: string): HTMLSelectElement {
  const s = document.createElement('select');
  for (const [v, texto] of pares) s.add(new Option(texto, v));
  s.value = valor;
  return s;
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

  const ejercicios = campo(formulario, sinAtajo(tr('Hoja', '&Ejercicios:')), document.createElement('input'));
  ejercicios.type = 'number';
  ejercicios.min = '1';
  ejercicios.max = '200';
  ejercicios.value = '6';
  ejercicios.required = true;
  const metodo = campo(
    formulario,
    sinAtajo(tr('Hoja', '&Método:')),
    lista(
      [
        ['ambos', tr('Hoja', 'Los dos')],
        ['paralelogramo', tr('Hoja', 'Paralelogramo')],
        ['poligono', tr('Hoja', 'Polígono')],
      ],
      'ambos',
    ),
  );
  const nivel = campo(
    formulario,
    sinAtajo(tr('Hoja', '&Nivel:')),
    lista(leerNiveles(nucleo).map((n) => [n.nombre, n.titulo]), 'medio'),
  );
  const semilla = campo(formulario, sinAtajo(tr('Hoja', '&Semilla:')), document.createElement('input'));
  semilla.inputMode = 'numeric';
  semilla.pattern = '[0-9]+';
  semilla.required = true;
  semilla.value = String(Math.floor(Date.now() / 1000) >>> 0);
  const tituloPorOmision = tr('Trazalia', 'Suma de vectores');
  const textoDelTitulo = campo(formulario, sinAtajo(tr('Hoja', '&Título:')), document.createElement('input'));
  textoDelTitulo.value = tituloPorOmision;
  const papel = campo(
    formulario,
    sinAtajo(tr('Hoja', '&Papel:')),
    lista(
      [
        ['a4', 'A4'],
        ['carta', tr('Hoja', 'Carta')],
      ],
      'a4',
    ),
  );
  const dibujados = document.createElement('input');
  dibujados.type = 'checkbox';
  campo(formulario, tr('Hoja', 'con los vectores dibujados'), dibujados);
  const formato = campo(formulario, sinAtajo(tr('Hoja', '&Formato de Moodle:')), listaDeFormatos(tr));

  let hoja: HojaDelNucleo | undefined;
  const valores = (): ValoresDeHoja => ({
    ejercicios: ejercicios.value,
    metodo: metodo.value,
    nivel: nivel.value,
    semilla: semilla.value,
    titulo: textoDelTitulo.value === tituloPorOmision ? undefined : textoDelTitulo.value,
    papel: papel.value,
    dibujados: dibujados.checked,
  });
  // A field the browser already finds wrong (a count out of its range, a seed that is not a
  // number) is told in the browser's words after the field's name, not as a command-line option.
  const fallo = (): string => {
    const malo = [ejercicios, semilla].find((c) => !c.checkValidity());
    return malo ? `${malo.labels?.[0]?.textContent ?? ''} ${malo.validationMessage}`.trim() : '';
  };
  // While the options are open, the browser's own print prints the sheet too.
  const componer = () => {
    error.textContent = fallo();
    if (error.textContent) return;
    const opciones = opcionesDeHoja(valores());
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
    error.textContent = exportarAMoodle(nucleo, opcionesDeHoja(valores()), textoDelTitulo.value, formato.value);
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
