// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's texts are drawn to its scale, as on the desktop, and on a phone that scale leaves
// the axes' numbers 8 px high. A style sheet of the window's own raises each text size the picture
// uses that would show smaller than the page's smallest letter to that letter, and no other.
export class LetraMinima {
  // A style element rather than a constructed sheet, which Safari before 16.4 lacks.
  private readonly hoja = document.createElement('style');
  private ancho = 0;
  private alto = 0;
  private reglas = '';
  private tamanos = '';

  constructor(
    private readonly ventana: string,
    private readonly imagen: HTMLElement,
    private readonly minima: number,
  ) {
    document.head.append(this.hoja);
    // The picture's size as laid out, without asking for a layout of its own.
    new ResizeObserver(([e]) => {
      ({ width: this.ancho, height: this.alto } = e.contentRect);
      this.ajustar();
    }).observe(imagen);
  }

  // After the picture changed its texts or its size.
  ajustar(): void {
    const svg = this.imagen.querySelector<SVGSVGElement>(':scope > svg');
    const vista = svg?.viewBox.baseVal;
    if (!svg || !vista?.width || !vista.height || !this.ancho || !this.alto) return;
    // The drawing keeps its proportions inside the picture: the tighter side sets its scale.
    const escala = Math.min(this.ancho / vista.width, this.alto / vista.height);
    const minima = this.minima / escala;
    const textos = [...svg.children].flatMap((e, i) =>
      e instanceof SVGTextElement && Number(e.getAttribute('font-size')) < minima ? [{ e, i }] : [],
    );
    const ventana = `#${CSS.escape(this.ventana)} .svg > svg >`;
    const tamanos = [...new Set(textos.map(({ e }) => e.getAttribute('font-size')))]
      .map((f) => `${ventana} text[font-size="${f}"] { font-size: ${minima.toFixed(1)}px; }`)
      .join('\n');
    // The sizes apply before the texts are measured (a move in place does not change a measure).
    if (tamanos !== this.tamanos) this.poner((this.tamanos = tamanos));
    // A text made larger may now cross the picture's edge: it moves back inside.
    const dentro = (desde: number, hasta: number, inicio: number, fin: number) =>
      Math.min(0, hasta - fin) || Math.max(0, desde - inicio);
    const movidos = textos.flatMap(({ e, i }) => {
      const caja = e.getBBox();
      const dx = dentro(vista.x, vista.x + vista.width, caja.x, caja.x + caja.width);
      const dy = dentro(vista.y, vista.y + vista.height, caja.y, caja.y + caja.height);
      return dx || dy ? [`${ventana} :nth-child(${i + 1}) { transform: translate(${dx}px, ${dy}px); }`] : [];
    });
    this.poner([tamanos, ...movidos].join('\n'));
  }

  private poner(reglas: string): void {
    if (reglas !== this.reglas) this.hoja.textContent = this.reglas = reglas;
  }
}
