// SPDX-License-Identifier: GPL-3.0-or-later
// A press on a method window's picture, by mouse, pen or finger: the core decides what it grabs
// (a tip, a guess from the origin, a refusal) and each move until the release is its command.
import type { Control } from './nucleo';
import type { Entorno } from './entorno';

// How near a tip a press grabs it, in CSS pixels: a finger covers more than a mouse's point. The
// handle drawn at each tip is as wide (estilo.css, --agarre: a mouse's where the screen has one, a
// finger's on a touch screen), so that a press inside what is seen grabs.
const kAlcance = { mouse: 14, pen: 14, touch: 24 } as const;

// Where a press starts a drag, in twips of the picture, and how near it reaches there (0: as near
// as the pointer's own reach).
interface Agarre {
  x: number;
  y: number;
  alcance: number;
}

export class Arrastre {
  private puntero: number | null = null;
  // The position the core was last given, so that a frame's move does not repeat it.
  private ultimo = '';
  // A frame's first raw movement has gone to the core already.
  private adelantado = false;
  // Over the picture, a handle at each place a press starts a drag: a finger or a pen there
  // drags, and anywhere else on the picture scrolls the page, which the picture may fill on a
  // phone. The handles show where a tip can be taken.
  private readonly agarres = document.createElement('div');
  private marcados = '';

  constructor(
    private readonly entorno: Entorno,
    private readonly ventana: string,
    private readonly picture: HTMLElement,
    private readonly fila: Control,
  ) {
    picture.addEventListener('pointerdown', (e) => this.presionar(e));
    picture.addEventListener('pointermove', (e) => this.mover(e));
    // The browser hands pointermove only when a frame begins, up to a refresh after the pointer
    // moved. A frame's first raw movement goes to the core at once, so that the frame can show
    // it; the frame's own move then gives the last position.
    picture.addEventListener('pointerrawupdate', (e) => {
      if (this.adelantado || (e as PointerEvent).pointerId !== this.puntero) return;
      this.adelantado = true;
      requestAnimationFrame(() => (this.adelantado = false));
      this.mover(e as PointerEvent);
    });
    picture.addEventListener('pointerup', (e) => this.soltar(e));
    picture.addEventListener('pointercancel', (e) => this.soltar(e));
    this.agarres.className = 'agarres';
    picture.append(this.agarres);
  }

  // The places the core says a press starts a drag now (Nucleo.agarres), after each redraw. The
  // browser decides whether a touch scrolls when it begins, before the press reaches the core.
  marcar(json: string): void {
    if (json === this.marcados) return;
    this.marcados = json;
    const porCiento = (twips: number, de: number) => `${(twips * 100) / de}%`;
    this.agarres.replaceChildren(
      ...(JSON.parse(json) as Agarre[]).map((a) => {
        const e = document.createElement('div');
        e.style.left = porCiento(a.x, this.fila.width);
        e.style.top = porCiento(a.y, this.fila.height);
        // A place with a reach of its own (a guess from the origin) is as wide, or a pointer's
        // reach where that is more, as the core takes the larger; a tip is a pointer's reach.
        e.className = a.alcance ? 'origen' : 'punta';
        if (a.alcance) e.style.width = `max(${porCiento(2 * a.alcance, this.fila.width)}, var(--agarre))`;
        return e;
      }),
    );
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
    this.ultimo = '';
    this.picture.setPointerCapture(e.pointerId);
    e.preventDefault();
  }

  private mover(e: PointerEvent): void {
    if (e.pointerId !== this.puntero) return;
    const p = this.twips(e);
    const ajustar = this.ajustar(e);
    const posicion = `${p.x} ${p.y} ${ajustar}`;
    if (posicion === this.ultimo) return;
    this.ultimo = posicion;
    this.entorno.ejecutar((n) => n.moverPuntero(this.ventana, p.x, p.y, ajustar));
  }

  private soltar(e: PointerEvent): void {
    if (e.pointerId !== this.puntero) return;
    this.puntero = null;
    const p = this.twips(e);
    this.entorno.ejecutar((n) => n.soltarPuntero(this.ventana, p.x, p.y, this.ajustar(e)));
  }
}
