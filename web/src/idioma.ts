// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language: from ?idioma=, else the one chosen before, else the browser's. The core's
// texts and the page's own come from the translations converted at build time.
import type { Nucleo } from './nucleo';

export const kIdiomas = ['es', 'en', 'pt_BR'] as const;
export type Idioma = (typeof kIdiomas)[number];

const kClave = 'trazalia.idioma';

interface Traducciones {
  idioma: string;
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
  nucleo.idioma();
  for (const [clave, texto] of Object.entries(t?.textos ?? {}))
    nucleo.traduccion(clave, Array.isArray(texto) ? texto.join('\x1f') : texto);
  textos = JSON.parse(nucleo.textosDeLaPagina()) as Record<string, string>;
}

export function codigoHtml(idioma: Idioma): string {
  return idioma.replace('_', '-');
}

// The page's own texts, as the core last gave them in its language (keyed as data-texto names
// them); a missing one shows its key, so that it is seen.
let textos: Record<string, string> = {};

export function texto(cual: string): string {
  return textos[cual] ?? cual;
}

export const kNombresDeIdiomas: Record<Idioma, string> = {
  es: 'Español',
  en: 'English',
  pt_BR: 'Português (Brasil)',
};
