// SPDX-License-Identifier: GPL-3.0-or-later
// What the page offers the parts that plug into it (practice, worksheets): the core's commands
// shown as they run, its events, the windows' rows of tools and the language.
import type { Idioma } from './idioma';
import type { Evento, Nucleo, Respuesta } from './nucleo';

export interface Cara {
  readonly nucleo: Nucleo;
  // Runs a command of the core and shows what it changed; then the listeners hear each event.
  ejecutar(orden: (nucleo: Nucleo) => string): Respuesta;
  alEvento(oyente: (evento: Evento) => void): void;
  alCambiarIdioma(oyente: (idioma: Idioma) => void): void;
  // What a shortcut of the core's table (by its name: "OtroEjercicio") does on the page, in that
  // window: true when it did something, false to leave the key to the core.
  alAtajo(atajo: string, accion: (ventana: string) => boolean): void;
  // A method window's row of tools, where a part adds its buttons.
  herramientas(ventana: string): HTMLElement | undefined;
  // The window's element.
  ventana(ventana: string): HTMLElement | undefined;
  idioma(): Idioma;
  cambiarIdioma(idioma: Idioma): void;
  // Said to screen readers through the page's live region.
  anunciar(texto: string): void;
  // Shown in the page's notice and said to screen readers; the next command's answer hides it.
  mostrarRechazo(texto: string): void;
}
