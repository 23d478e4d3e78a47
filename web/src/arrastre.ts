// SPDX-License-Identifier: GPL-3.0-or-later
// A press on a method window's picture, by mouse, pen or finger: the core decides what it grabs
// (a tip, a guess from the origin, a refusal) and each move until the release is its command.
import type { Control } from './nucleo';
import type { Entorno } from './ventana';

// How near a tip a press grabs it, in CSS pixels: a finger covers more than a mouse's point.
const kAlcance = { mouse: 10, pen: 14, touch: 24 } as const;

export class Arrastre {
  private puntero: number | null = null;

  constructor(
    private readonly entorno: Entorno,
    private readonly ventana: string,
    private readonly picture: HTMLElement,
    private readonly fila: Control,
  ) {
    picture.addEventListener('pointerdown', (e) => this.presionar(e));
    picture.addEventListener('pointermove', (e) => this.mover(e));
    picture.addEventListener('pointerup', (e) => this.soltar(e));
    picture.addEventListener('pointercancel', (e) => this.soltar(e));
  }

  // The twips of the picture under the pointer, and how many twips one CSS pixel is: the drawing
  // fills the picture inside its border.
  private twips(e: PointerEvent): { x: number; y: number; escala: number } {
    const r = (this.picture.firstElementChild ?? this.picture).getBoundingClientRect();
    const escala = this.fila.width / r.width;
    return {
      x: (e.clientX - r.left) * escala,
      y: (e.clientY - r.top) * (this.fila.height / r.height),
      escala,
    };
  }

  private ajustar(e: PointerEvent): boolean {
    return e.shiftKey || this.entorno.ajustar();
  }

  private presionar(e: PointerEvent): void {
    if (this.puntero !== null || e.button !== 0) return;
    const p = this.twips(e);
    const alcance = (kAlcance[e.pointerType as keyof typeof kAlcance] ?? kAlcance.mouse) * p.escala;
    this.entorno.ejecutar((n) => n.presionar(this.ventana, p.x, p.y, alcance));
    const gesto = this.entorno.nucleo.gesto();
    if (gesto !== 'punta' && gesto !== 'intento') return;
    this.puntero = e.pointerId;
    this.picture.setPointerCapture(e.pointerId);
    e.preventDefault();
  }

  private mover(e: PointerEvent): void {
    if (e.pointerId !== this.puntero) return;
    const p = this.twips(e);
    this.entorno.ejecutar((n) => n.moverPuntero(this.ventana, p.x, p.y, this.ajustar(e)));
  }

  private soltar(e: PointerEvent): void {
    if (e.pointerId !== this.puntero) return;
    this.puntero = null;
    const p = this.twips(e);
    this.entorno.ejecutar((n) => n.soltarPuntero(this.ventana, p.x, p.y, this.ajustar(e)));
  }
}
