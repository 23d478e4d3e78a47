// SPDX-License-Identifier: GPL-3.0-or-later
// A file the page gives the user: the browser's download of a blob, by its name.
export function guardarArchivo(nombre: string, datos: Blob): void {
  const url = URL.createObjectURL(datos);
  const enlace = document.createElement('a');
  enlace.href = url;
  enlace.download = nombre;
  document.body.append(enlace);
  enlace.click();
  enlace.remove();
  // The download has taken the blob by then; revoked at once, some browsers would lose it.
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}
