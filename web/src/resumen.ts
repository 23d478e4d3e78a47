// SPDX-License-Identifier: GPL-3.0-or-later
// The class's summary for the teacher: the records the students downloaded, chosen or dropped,
// read by the core's own summary (what `trazalia --resumen` prints) and shown as tables, with its
// CSV to download. Files are read in pieces and stay in this browser; the page counts nothing.

import type { Cara } from './cara';
import { texto } from './idioma';
import { descargar, fechaIso } from './practica';

// What the core's summary gives (web/nucleo_practica.h).
interface ResumenDelNucleo {
  totales: string[];
  alumnos: {
    nombre: string;
    intentos: number;
    aciertos: number;
    porcentaje: string;
    casi: number;
    saltados: number;
    sinRespuesta: number;
    errores: number[];
  }[];
  errores: { codigo: string; nombre: string; veces: number; porcentaje: string }[];
  cometidos: { codigo: string; nombre: string }[];
  ilegibles: { titulo: string; lineas: string[]; mas: string };
  // Only where an entry is on a path: each student's skills ("2/3", "3/3 dominada") and the
  // mistakes still to come back.
  caminos?: {
    titulo: string;
    vuelven: string;
    destrezas: string[];
    alumnos: { nombre: string; celdas: string[]; vuelven: string }[];
  };
}

// A file the summary leaves out, and why: a copy of one already given, one the browser could not
// read (moved or deleted since it was chosen: its own reason, "network error", says nothing), or
// one none of whose lines is a record.
interface Problema {
  archivo: string;
  por: 'repetido' | 'ilegible' | 'sinRegistros';
}

// Which names are one student's, as on the desktop: spaces around dropped, Unicode's composed
// form, case folded; "José" typed with a combining accent and "JOSÉ" are one student.
function clave(nombre: string): string {
  return nombre.trim().normalize('NFC').toLowerCase();
}

function elemento<K extends keyof HTMLElementTagNameMap>(
  etiqueta: K, texto = '', clase = '',
): HTMLElementTagNameMap[K] {
  const e = document.createElement(etiqueta);
  e.textContent = texto;
  if (clase) e.className = clase;
  return e;
}

// A table whose first column names its rows: headers with their scope, numbers to the right.
function tabla(titulo: string, cabeceras: string[], filas: (string | number)[][]): HTMLTableElement {
  const t = elemento('table');
  t.createCaption().textContent = titulo;
  const arriba = t.createTHead().insertRow();
  for (const c of cabeceras) {
    const th = elemento('th', c);
    th.scope = 'col';
    arriba.append(th);
  }
  const cuerpo = t.createTBody();
  for (const [nombre, ...celdas] of filas) {
    const fila = cuerpo.insertRow();
    const th = elemento('th', String(nombre));
    th.scope = 'row';
    fila.append(th);
    for (const c of celdas) fila.insertCell().textContent = String(c);
  }
  return t;
}

const kEstilo = `
#panel-resumen { max-width: min(60rem, 95vw); }
#panel-resumen .zona { border: 2px dashed; padding: 1rem; margin: 0 0 1rem; }
#panel-resumen .zona.encima { background: Highlight; color: HighlightText; }
#panel-resumen .tablas { overflow-x: auto; }
#panel-resumen table { border-collapse: collapse; margin: 1rem 0; }
#panel-resumen caption { font-weight: bold; text-align: start; }
#panel-resumen th, #panel-resumen td { border: 1px solid; padding: 2px 8px; text-align: start; }
#panel-resumen td { text-align: end; font-variant-numeric: tabular-nums; }
#panel-resumen .problemas:empty { display: none; }
#panel-resumen .botones { display: flex; flex-wrap: wrap; gap: 0.5em; }`;

export function montarResumen(cara: Cara): void {
  const { nucleo } = cara;
  const estilo = document.createElement('style');
  estilo.textContent = kEstilo;
  document.head.append(estilo);

  const dialogo = elemento('dialog');
  dialogo.id = 'panel-resumen';
  dialogo.setAttribute('aria-labelledby', 'titulo-resumen');
  const titulo = elemento('h2');
  titulo.id = 'titulo-resumen';
  const zona = elemento('div', '', 'zona');
  const indicacion = elemento('label');
  const entrada = elemento('input');
  entrada.type = 'file';
  entrada.multiple = true;
  entrada.accept = '.csv,text/csv';
  entrada.id = indicacion.htmlFor = 'archivos-resumen';
  zona.append(indicacion, ' ', entrada);
  // The files left out, said as they are found.
  const problemas = elemento('ul', '', 'problemas');
  const aviso = elemento('div');
  aviso.setAttribute('aria-live', 'polite');
  aviso.append(problemas);
  const tablas = elemento('div', '', 'tablas');
  const botones = elemento('p', '', 'botones');
  const boton = (accion: () => void) => {
    const b = elemento('button');
    b.type = 'button';
    b.addEventListener('click', accion);
    botones.append(b);
    return b;
  };
  const csv = boton(() =>
    descargar(`resumen-${fechaIso(new Date()).slice(0, 10)}.csv`, nucleo.resumenCsv()));
  const quitar = boton(() => {
    archivos.length = 0;
    repetidos.length = 0;
    void resumir();
  });
  const cerrar = boton(() => dialogo.close());
  dialogo.append(titulo, zona, botones, aviso, tablas);
  document.body.append(dialogo);

  // In the header from the start (index.html), so that nothing moves when the core arrives.
  const abrir = document.getElementById('boton-resumen')!;
  abrir.addEventListener('click', () => dialogo.showModal());

  const archivos: File[] = [];
  const repetidos: Problema[] = [];
  let leidos: Problema[] = [];
  let resumen: ResumenDelNucleo | null = null;

  const mostrar = () => {
    const tr = (c: string, t: string) => nucleo.traducir(c, t);
    for (const [e, cual] of [[abrir, 'resumenDeLaClase'], [titulo, 'resumenDeLaClase'],
      [indicacion, 'resumenSoltar'], [csv, 'resumenCsv'], [quitar, 'resumenQuitar'],
      [cerrar, 'cerrar']] as const)
      e.textContent = texto(cual);
    csv.disabled = quitar.disabled = archivos.length === 0;
    problemas.replaceChildren(...[...repetidos, ...leidos].map((p) => {
      const frase = p.por === 'repetido' ? tr('Resumen', '%1: ya se leyó; no se cuenta dos veces')
        : p.por === 'sinRegistros' ? tr('Resumen', '%1: ninguna línea es un registro de la práctica')
          : texto('resumenIlegible');
      // A function, so that a "$&" in a file's name stays as it is.
      return elemento('li', frase.replace('%1', () => p.archivo));
    }));
    if (!resumen || archivos.length === 0) {
      tablas.replaceChildren();
      return;
    }
    const r = resumen;
    const partes: HTMLElement[] = r.totales.map((l) => elemento('p', l));
    partes.push(tabla(texto('porAlumno'),
      ['alumno', 'intentos', 'aciertos', 'porcentajeDeAciertos', 'casi', 'saltados', 'sinRespuesta']
        .map(texto),
      r.alumnos.map((a) => [a.nombre, a.intentos, a.aciertos, a.porcentaje, a.casi, a.saltados,
        a.sinRespuesta])));
    partes.push(tabla(texto('erroresDeLaClase'),
      ['error', 'veces', 'porcentajeDeLosIntentos'].map(texto),
      r.errores.map((e) => [e.nombre, e.veces, e.porcentaje])));
    // Who made each mistake made: a student a row, a mistake a column, blank for none.
    if (r.cometidos.length > 0)
      partes.push(tabla(texto('alumnosPorError'),
        [texto('alumno'), ...r.cometidos.map((c) => c.nombre)],
        r.alumnos.filter((a) => a.errores.some((n) => n > 0))
          .map((a) => [a.nombre, ...a.errores.map((n) => (n > 0 ? n : ''))])));
    if (r.caminos)
      partes.push(tabla(r.caminos.titulo.replace(/:$/, ''),
        [texto('alumno'), ...r.caminos.destrezas, r.caminos.vuelven],
        r.caminos.alumnos.map((a) => [a.nombre, ...a.celdas, a.vuelven])));
    if (r.ilegibles.titulo) {
      const lista = elemento('ul');
      lista.append(...[...r.ilegibles.lineas, r.ilegibles.mas].filter(Boolean)
        .map((l) => elemento('li', l)));
      partes.push(elemento('h3', r.ilegibles.titulo), lista);
    }
    tablas.replaceChildren(...partes);
  };

  // Every file read again into a new summary; a later call abandons an earlier one still reading.
  // A file that fails part way has given the core some of its lines: the summary starts again
  // without it.
  let vuelta = 0;
  const resumir = async () => {
    const esta = ++vuelta;
    const rotos = new Set<File>();
    let sinRegistros: File[] = [];
    for (let completo = false; !completo;) {
      completo = true;
      sinRegistros = [];
      nucleo.resumenNuevo(clave);
      for (const archivo of archivos.filter((a) => !rotos.has(a))) {
        nucleo.resumenAbrir(archivo.name);
        try {
          const lector = archivo.stream().getReader();
          for (let trozo = await lector.read(); !trozo.done; trozo = await lector.read()) {
            if (esta !== vuelta) return;
            nucleo.resumenLeer(trozo.value);
          }
        } catch {
          rotos.add(archivo);
          completo = false;
          break;
        }
        if (esta !== vuelta) return;
        if (nucleo.resumenCerrar() === 0) sinRegistros.push(archivo);
      }
      if (esta !== vuelta) return;
    }
    leidos = archivos.flatMap((a): Problema[] =>
      rotos.has(a) ? [{ archivo: a.name, por: 'ilegible' }]
        : sinRegistros.includes(a) ? [{ archivo: a.name, por: 'sinRegistros' }] : []);
    resumen = JSON.parse(nucleo.resumen()) as ResumenDelNucleo;
    mostrar();
  };

  // Files given again (the same name, size and time) are counted once, as the desktop counts a
  // file named twice once.
  const anadir = (lista: FileList | null) => {
    for (const a of lista ?? []) {
      const igual = (b: File) => b.name === a.name && b.size === a.size && b.lastModified === a.lastModified;
      if (archivos.some(igual)) repetidos.push({ archivo: a.name, por: 'repetido' });
      else archivos.push(a);
    }
    void resumir();
  };
  entrada.addEventListener('change', () => {
    anadir(entrada.files);
    entrada.value = '';
  });
  dialogo.addEventListener('dragover', (ev) => {
    ev.preventDefault();
    zona.classList.add('encima');
  });
  dialogo.addEventListener('dragleave', () => zona.classList.remove('encima'));
  dialogo.addEventListener('drop', (ev) => {
    ev.preventDefault();
    zona.classList.remove('encima');
    anadir(ev.dataTransfer?.files ?? null);
  });
  cara.alCambiarIdioma(() => {
    if (resumen) resumen = JSON.parse(nucleo.resumen()) as ResumenDelNucleo;
    mostrar();
  });
  mostrar();
}
