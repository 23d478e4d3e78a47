// SPDX-License-Identifier: GPL-3.0-or-later
// What the page gives its windows and what works on them (a dragged tip): its own file, so that
// neither imports the other.
import type { Nucleo, Respuesta } from './nucleo';

// What a window needs of the page around it.
export interface Entorno {
  readonly nucleo: Nucleo;
  ejecutar(orden: (nucleo: Nucleo) => string): Respuesta;
  // A key the page itself handles first (the shortcuts of the core's table it runs); true when it
  // took it.
  teclaDePagina(ventana: string, tecla: string): boolean;
  ajustar(): boolean;
  mostrarRechazo(texto: string): void;
}
