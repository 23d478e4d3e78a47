// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages, bundled as text.
declare module '*.html' {
  const texto: string;
  export default texto;
}
