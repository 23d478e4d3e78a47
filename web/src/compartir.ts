// SPDX-License-Identifier: GPL-3.0-or-later
// "Compartir": the link to what is on screen, copied where the browser lets the page copy, and
// shown as a QR code large enough to read from the back of a classroom off a projector.
import qrcode from 'qrcode-generator';
import type { Cara } from './cara';
import { direccion, estadoActual } from './enlace';
import { texto } from './idioma';

const kSvg = 'http://www.w3.org/2000/svg';
// The quiet zone the standard asks for around the code, in modules.
const kMargen = 4;

// The link's bytes as UTF-8, which readers expect (the library's own default keeps one byte of
// each character).
qrcode.stringToBytes = (s: string) => Array.from(new TextEncoder().encode(s));

// The code as an SVG of its dark modules, one path, so that it scales crisp to any size.
export function codigoQr(enlace: string): SVGSVGElement {
  const qr = qrcode(0, 'M');
  qr.addData(enlace, 'Byte');
  qr.make();
  const n = qr.getModuleCount();
  let d = '';
  for (let fila = 0; fila < n; fila++)
    for (let col = 0; col < n; col++)
      if (qr.isDark(fila, col)) d += `M${col + kMargen} ${fila + kMargen}h1v1h-1z`;
  const lado = n + 2 * kMargen;
  const svg = document.createElementNS(kSvg, 'svg');
  svg.setAttribute('viewBox', `0 0 ${lado} ${lado}`);
  svg.setAttribute('shape-rendering', 'crispEdges');
  const fondo = document.createElementNS(kSvg, 'rect');
  fondo.setAttribute('width', String(lado));
  fondo.setAttribute('height', String(lado));
  fondo.setAttribute('fill', '#fff');
  const modulos = document.createElementNS(kSvg, 'path');
  modulos.setAttribute('d', d);
  modulos.setAttribute('fill', '#000');
  svg.append(fondo, modulos);
  return svg;
}

// Puts the text on the clipboard; false when the browser does not let the page (a page from a
// folder, no permission, an old browser).
async function copiarTexto(t: string): Promise<boolean> {
  try {
    if (!navigator.clipboard?.writeText) return false;
    await navigator.clipboard.writeText(t);
    return true;
  } catch {
    return false;
  }
}

export function montarCompartir(cara: Cara): void {
  const dialogo = document.getElementById('panel-compartir') as HTMLDialogElement | null;
  if (!dialogo) return;
  const estilo = document.createElement('style');
  estilo.textContent =
    '#qr svg { display: block; width: min(70vmin, 40rem); height: auto; margin: 0 auto; }\n' +
    '#enlace { width: min(70vmin, 40rem); }';
  document.head.append(estilo);
  const qr = document.getElementById('qr')!;
  const campo = document.getElementById('enlace') as HTMLInputElement;
  const estado = document.getElementById('enlace-copiado')!;
  const decir = (t: string) => {
    estado.textContent = t;
    cara.anunciar(t);
  };
  const copiar = async () => {
    if (await copiarTexto(campo.value)) {
      decir(texto('enlaceCopiado'));
    } else {
      // Selected, so that Ctrl+C or the field's own menu copies it.
      campo.focus();
      campo.select();
      decir(texto('enlaceSinCopiar'));
    }
  };
  const abrir = () => {
    const enlace = direccion(estadoActual(cara));
    campo.value = enlace;
    qr.replaceChildren(codigoQr(enlace));
    qr.setAttribute('aria-label', texto('codigoQr'));
    estado.textContent = '';
    dialogo.showModal();
    void copiar();
  };
  document.getElementById('copiar-enlace')?.addEventListener('click', () => void copiar());
  cara.alCambiarIdioma(() => qr.setAttribute('aria-label', texto('codigoQr')));

  for (const { nombre } of JSON.parse(cara.nucleo.ventanas()) as { nombre: string }[]) {
    const herramientas = cara.herramientas(nombre);
    if (!herramientas) continue;
    const boton = document.createElement('button');
    boton.type = 'button';
    boton.className = 'compartir';
    boton.dataset.texto = 'compartir';
    boton.textContent = texto('compartir');
    boton.addEventListener('click', abrir);
    herramientas.append(boton);
  }
}
