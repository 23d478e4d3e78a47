// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet's question bank for Moodle, written by the core and saved by the browser: nothing
// leaves the page.
import type { Nucleo } from './nucleo';

interface BancoDelNucleo {
  error: string;
  archivos?: string[];
}

// A file name from the sheet's title, without what file systems refuse; file parte of partes is
// numbered as the desktop numbers it.
export function nombreDelBanco(titulo: string, parte = 1, partes = 1): string {
  const nombre = titulo.replace(/[\u0000-\u001f\u007f/\\:*?"<>|]+/g, '-').trim().replace(/^\.+/, '');
  const base = nombre || 'trazalia-moodle';
  return partes > 1 ? `${base}-${parte}.xml` : `${base}.xml`;
}

// Downloads the bank for those options (the bank's line: the sheet's but the paper and the drawn
// vectors, and its format), in numbered files when it needs them. Returns what the user must be
// told: the core's error, the files when there are several, or ''.
export function exportarAMoodle(nucleo: Nucleo, linea: string[], titulo: string): string {
  let banco: BancoDelNucleo;
  try {
    banco = JSON.parse(nucleo.moodle(linea.join('\n'), Math.floor(Date.now() / 1000))) as BancoDelNucleo;
  } catch (e) {
    // A bank the core could not write is never taken for one written.
    return String(e);
  }
  if (banco.error || !banco.archivos?.length) return banco.error || nucleo.traducir('Hoja', 'No se pudo exportar a Moodle');
  const nombres = banco.archivos.map((_, i) => nombreDelBanco(titulo, i + 1, banco.archivos!.length));
  banco.archivos.forEach((xml, i) => {
    const enlace = document.createElement('a');
    enlace.href = URL.createObjectURL(new Blob([xml], { type: 'application/xml' }));
    enlace.download = nombres[i];
    enlace.click();
    setTimeout(() => URL.revokeObjectURL(enlace.href), 0);
  });
  if (nombres.length === 1) return '';
  return nucleo
    .traducir(
      'Hoja',
      'El banco pasa de 2 MB, lo más que Moodle importa de una vez: se escribió en %1 archivos, %2, para importarlos uno tras otro.',
    )
    .replace(/%([12])/g, (_, n: string) => (n === '1' ? String(nombres.length) : nombres.join(', ')));
}
