// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language: from ?idioma=, else the one chosen before, else the browser's. The core's
// texts come from the translations converted at build time; the page's own few are here.
import type { Nucleo } from './nucleo';

export const kIdiomas = ['es', 'en', 'pt_BR'] as const;
export type Idioma = (typeof kIdiomas)[number];

const kClave = 'trazalia.idioma';

interface Traducciones {
  idioma: string;
  cero: number;
  textos: Record<string, string | string[]>;
}

declare global {
  // idiomas/idiomas.js: every language's translations, for a page opened from a folder, which
  // cannot fetch a file beside it.
  var trazaliaIdiomas: Record<string, Traducciones> | undefined;
}

function Leido(texto: string | null | undefined): Idioma | null {
  if (!texto) return null;
  const t = texto.replace('-', '_').toLowerCase();
  if (t === 'pt_br' || t.startsWith('pt')) return 'pt_BR';
  if (t.startsWith('en')) return 'en';
  if (t.startsWith('es')) return 'es';
  return null;
}

function guardado(): string | null {
  try {
    return localStorage.getItem(kClave);
  } catch {
    return null;  // storage refused (a private window, a file:// page in some browsers)
  }
}

export function idiomaInicial(): Idioma {
  const pedido = Leido(new URLSearchParams(location.search).get('idioma'));
  if (pedido) return pedido;
  const elegido = Leido(guardado());
  if (elegido) return elegido;
  for (const l of navigator.languages ?? [navigator.language]) {
    const i = Leido(l);
    if (i) return i;
  }
  return 'es';
}

export function recordarIdioma(idioma: Idioma): void {
  try {
    localStorage.setItem(kClave, idioma);
  } catch {
    // Remembered for this visit only.
  }
}

// Gives the core its translations; Spanish is the source, so it needs only the plurals.
export function darIdioma(nucleo: Nucleo, idioma: Idioma): void {
  const t = globalThis.trazaliaIdiomas?.[idioma];
  nucleo.idioma(t?.cero ?? 1);
  if (!t) return;
  for (const [clave, texto] of Object.entries(t.textos))
    nucleo.traduccion(clave, Array.isArray(texto) ? texto.join('\x1f') : texto);
}

export function codigoHtml(idioma: Idioma): string {
  return idioma.replace('_', '-');
}

// The page's own texts, which no window of the desktop has.
const kTextos = {
  idioma: { es: 'Idioma', en: 'Language', pt_BR: 'Idioma' },
  ayuda: { es: 'Ayuda', en: 'Help', pt_BR: 'Ajuda' },
  acerca: { es: 'Acerca de', en: 'About', pt_BR: 'Sobre' },
  cerrar: { es: 'Cerrar', en: 'Close', pt_BR: 'Fechar' },
  vistas: { es: 'Vistas', en: 'Views', pt_BR: 'Vistas' },
  ajustar: { es: 'Ajustar', en: 'Snap', pt_BR: 'Ajustar' },
  ajustarAyuda: {
    es: 'Al arrastrar una punta, el módulo va de 5 en 5 y la dirección de 15 en 15 grados, como con Mayús',
    en: 'When dragging a tip, the magnitude moves by 5 and the direction by 15 degrees, as with Shift',
    pt_BR: 'Ao arrastar uma ponta, o módulo vai de 5 em 5 e a direção de 15 em 15 graus, como com Shift',
  },
  deshacer: { es: 'Deshacer', en: 'Undo', pt_BR: 'Desfazer' },
  rehacer: { es: 'Rehacer', en: 'Redo', pt_BR: 'Refazer' },
  terminado: {
    es: 'Trazalia se cerró.',
    en: 'Trazalia has closed.',
    pt_BR: 'O Trazalia foi fechado.',
  },
  volver: { es: 'Volver a empezar', en: 'Start again', pt_BR: 'Começar de novo' },
  acercaTexto: {
    es: 'Suma de vectores en el plano por los métodos del paralelogramo y del polígono. Funciona en el navegador, sin conexión y sin enviar nada a ningún sitio.',
    en: 'Vector addition in the plane by the parallelogram and polygon methods. It runs in the browser, offline, and sends nothing anywhere.',
    pt_BR: 'Soma de vetores no plano pelos métodos do paralelogramo e do polígono. Funciona no navegador, sem conexão e sem enviar nada a lugar nenhum.',
  },
  licencia: {
    es: 'Licencia: GNU GPL, versión 3 o posterior',
    en: 'Licence: GNU GPL, version 3 or later',
    pt_BR: 'Licença: GNU GPL, versão 3 ou posterior',
  },
  fuente: { es: 'Código fuente', en: 'Source code', pt_BR: 'Código-fonte' },
  creditos: { es: 'Créditos: Equipo Trazalia.', en: 'Credits: Trazalia Team.', pt_BR: 'Créditos: Equipe Trazalia.' },
} satisfies Record<string, Record<Idioma, string>>;

export type Texto = keyof typeof kTextos;

export function texto(idioma: Idioma, cual: Texto): string {
  return kTextos[cual][idioma];
}

export const kNombresDeIdiomas: Record<Idioma, string> = {
  es: 'Español',
  en: 'English',
  pt_BR: 'Português (Brasil)',
};
