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
    // Lines of one block (the verdict, the instruction: the same x, size and colour, each a line
    // below the last) keep their spacing in proportion to the size they grow to, or they would
    // overlap; a block made larger may then cross the picture's edge, and moves back inside whole.
    const y = (e: Element) => Number(e.getAttribute('y'));
    const bloques: { e: SVGTextElement; i: number }[][] = [];
    for (const t of textos) {
      const bloque = bloques[bloques.length - 1];
      const previo = bloque?.[bloque.length - 1];
      const paso = previo ? y(t.e) - y(previo.e) : 0;
      const primero = bloque && bloque.length > 1 ? y(bloque[1].e) - y(bloque[0].e) : paso;
      const seguida =
        previo !== undefined && previo.i + 1 === t.i && paso > 0 && Math.abs(paso - primero) < 0.5 &&
        paso <= 2 * Number(t.e.getAttribute('font-size')) &&
        ['x', 'font-size', 'fill'].every((a) => previo.e.getAttribute(a) === t.e.getAttribute(a));
      if (seguida) bloque!.push(t);
      else bloques.push([t]);
    }
    const dentro = (desde: number, hasta: number, inicio: number, fin: number) =>
      Math.min(0, hasta - fin) || Math.max(0, desde - inicio);
    const movidos = bloques.flatMap((bloque) => {
      const [uno, dos] = bloque;
      const aumento = minima / Number(uno.e.getAttribute('font-size'));
      const extra = dos ? (y(dos.e) - y(uno.e)) * (aumento - 1) : 0;
      const cajas = bloque.map(({ e }, k) => {
        const c = e.getBBox();
        return { x0: c.x, x1: c.x + c.width, y0: c.y + k * extra, y1: c.y + c.height + k * extra };
      });
      const dx = dentro(vista.x, vista.x + vista.width, Math.min(...cajas.map((c) => c.x0)),
        Math.max(...cajas.map((c) => c.x1)));
      const dy = dentro(vista.y, vista.y + vista.height, Math.min(...cajas.map((c) => c.y0)),
        Math.max(...cajas.map((c) => c.y1)));
      return bloque.flatMap(({ i }, k) => {
        const abajo = dy + k * extra;
        return dx || abajo
          ? [`${ventana} :nth-child(${i + 1}) { transform: translate(${dx}px, ${abajo}px); }`]
          : [];
      });
    });
    this.poner([tamanos, ...movidos].join('\n'));
  }

  private poner(reglas: string): void {
    if (reglas !== this.reglas) this.hoja.textContent = this.reglas = reglas;
  }
}
