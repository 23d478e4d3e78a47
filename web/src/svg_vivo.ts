// SPDX-License-Identifier: GPL-3.0-or-later
// The picture on screen brought to the core's new SVG element by element. An element whose
// attributes and text did not change is left alone, so the browser lays out, paints and
// rasterises only what moved (the vectors and their heads), not the axes and ticks around them.

// The root's attributes the page sets itself: the picture fills its place and is hidden from
// screen readers, which read the description instead.
const kRaizPropia: Record<string, string> = {
  width: '100%',
  height: '100%',
  'aria-hidden': 'true',
  focusable: 'false',
};

// A text or an attribute written only when it differs: writing the same again still makes the
// browser lay out and paint it anew, and the core repeats read-outs that did not change.
export function ponerTexto(e: Node, texto: string): void {
  if (e.textContent !== texto) e.textContent = texto;
}
export function ponerAtributo(e: Element, nombre: string, valor: string): void {
  if (e.getAttribute(nombre) !== valor) e.setAttribute(nombre, valor);
}

function igualarAtributos(viejo: Element, nuevo: Element, propios: Record<string, string> = {}): void {
  for (const a of [...viejo.attributes])
    if (!nuevo.hasAttribute(a.name) && !(a.name in propios)) viejo.removeAttribute(a.name);
  for (const a of nuevo.attributes) {
    const valor = propios[a.name] ?? a.value;
    ponerAtributo(viejo, a.name, valor);
  }
  for (const [nombre, valor] of Object.entries(propios)) ponerAtributo(viejo, nombre, valor);
}

// The document as the core writes it (with its XML declaration) into contenedor.
export function ponerSvg(contenedor: Element, texto: string): void {
  const plantilla = document.createElement('template');
  plantilla.innerHTML = texto.replace(/^<\?xml[^>]*>\s*/, '');
  const nuevo = plantilla.content.querySelector('svg');
  if (!nuevo) {
    contenedor.replaceChildren();
    return;
  }
  const viejo = contenedor.querySelector(':scope > svg');
  if (!viejo) {
    igualarAtributos(nuevo, nuevo, kRaizPropia);
    contenedor.replaceChildren(nuevo);
    return;
  }
  igualarAtributos(viejo, nuevo, kRaizPropia);
  const antes = viejo.children;
  const despues = [...nuevo.children];
  despues.forEach((e, i) => {
    const v = antes[i];
    if (!v) viejo.append(e);
    else if (v.tagName !== e.tagName) v.replaceWith(e);
    else {
      igualarAtributos(v, e);
      ponerTexto(v, e.textContent ?? '');
    }
  });
  while (antes.length > despues.length) antes[antes.length - 1].remove();
}
