// SPDX-License-Identifier: GPL-3.0-or-later
// The picture as a file, as the desktop's picture menu has it: copied as an image, saved as PNG
// (at least twice its size, crisp when zoomed or printed) or as SVG, the core's own document.
import type { Cara } from './cara';
import { texto } from './idioma';
import { leerTabla, leerVentanas } from './nucleo';
import { guardarArchivo } from './archivo';

// As the desktop's PNG and clipboard images: at least twice the picture's size.
export function resolucion(): number {
  return Math.max(2, devicePixelRatio || 1);
}

// The SVG drawn on a canvas at that scale of its own size, as many whole pixels as the desktop's
// image has (the last one partly background). Through a data: address, which a page opened from a
// folder may draw and read back (a blob: one would taint the canvas there).
export async function png(svg: string, escala: number): Promise<Blob> {
  const medida = (atributo: string) => Number(new RegExp(`<svg[^>]* ${atributo}="([\\d.]+)"`).exec(svg)?.[1]) * escala;
  const img = new Image();
  img.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(svg)}`;
  await img.decode();
  const lienzo = document.createElement('canvas');
  lienzo.width = Math.ceil(medida('width') - 1e-6);
  lienzo.height = Math.ceil(medida('height') - 1e-6);
  const contexto = lienzo.getContext('2d')!;
  contexto.fillStyle = /<rect [^>]*fill="([^"]+)"/.exec(svg)?.[1] ?? '#fff';
  contexto.fillRect(0, 0, lienzo.width, lienzo.height);
  contexto.drawImage(img, 0, 0, medida('width'), medida('height'));
  return new Promise((hecho, fallo) =>
    lienzo.toBlob((b) => (b ? hecho(b) : fallo(new Error('toBlob'))), 'image/png'),
  );
}

export function montarFigura(cara: Cara): void {
  const { nucleo } = cara;
  const tr = (c: string, t: string) => nucleo.traducir(c, t);
  const textos: (() => void)[] = [];
  for (const { nombre } of leerVentanas(nucleo)) {
    const herramientas = cara.herramientas(nombre);
    // The method windows, the ones with a picture.
    if (!herramientas || leerTabla(nucleo, nombre).vectores === 0) continue;
    const menu = document.createElement('details');
    menu.className = 'menu figura';
    const resumen = document.createElement('summary');
    const lista = document.createElement('div');
    lista.className = 'lista';
    menu.append(resumen, lista);
    const boton = (poner: () => string, accion: () => void) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.addEventListener('click', () => {
        accion();
        menu.open = false;
      });
      textos.push(() => (b.textContent = poner()));
      lista.append(b);
    };
    const archivo = (extension: string) => `${nucleo.nombreDeImagen(nombre)}.${extension}`;
    boton(
      () => tr('Acciones', 'Copiar imagen'),
      () => {
        // The image handed over as a promise, so that the copy keeps the click's permission.
        const copia =
          typeof ClipboardItem === 'undefined' || !navigator.clipboard?.write
            ? Promise.reject(new Error('ClipboardItem'))
            : navigator.clipboard.write([
                new ClipboardItem({ 'image/png': png(nucleo.svg(nombre), resolucion()) }),
              ]);
        copia.then(
          () => cara.anunciar(texto('imagenCopiada')),
          () => cara.mostrarRechazo(texto('imagenSinCopiar')),
        );
      },
    );
    boton(
      () => tr('Exportar', 'Imagen PNG (*.png)'),
      () => void png(nucleo.svg(nombre), resolucion()).then((b) => guardarArchivo(archivo('png'), b)),
    );
    boton(
      () => tr('Exportar', 'Imagen SVG (*.svg)'),
      () => guardarArchivo(archivo('svg'), new Blob([nucleo.svg(nombre)], { type: 'image/svg+xml;charset=utf-8' })),
    );
    textos.push(() => (resumen.textContent = tr('Exportar', 'Guardar imagen')));
    herramientas.append(menu);
  }
  const retraducir = () => textos.forEach((t) => t());
  cara.alCambiarIdioma(retraducir);
  retraducir();
}
