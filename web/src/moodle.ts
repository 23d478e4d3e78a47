// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet's question bank for Moodle, written by the core and saved by the browser: nothing
// leaves the page.
import type { Nucleo } from './nucleo';

interface BancoDelNucleo {
  error: string;
  xml?: string;
}

// A file name from the sheet's title, without what file systems refuse.
export function nombreDelBanco(titulo: string): string {
  const nombre = titulo.replace(/[\u0000-\u001f\u007f/\\:*?"<>|]+/g, '-').trim().replace(/^\.+/, '');
  return nombre ? `${nombre}.xml` : 'trazalia-moodle.xml';
}

// Downloads the bank for those options; the core's error when there is none, else ''.
export function exportarAMoodle(nucleo: Nucleo, opciones: string[], titulo: string): string {
  const banco = JSON.parse(nucleo.moodle(opciones.join('\n'), Math.floor(Date.now() / 1000))) as BancoDelNucleo;
  if (banco.error || banco.xml === undefined) return banco.error;
  const enlace = document.createElement('a');
  enlace.href = URL.createObjectURL(new Blob([banco.xml], { type: 'application/xml' }));
  enlace.download = nombreDelBanco(titulo);
  enlace.click();
  setTimeout(() => URL.revokeObjectURL(enlace.href), 0);
  return '';
}
