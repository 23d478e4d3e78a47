// SPDX-License-Identifier: GPL-3.0-or-later
// A browser's key as the core names it ("Right", "Shift+G", "5", "Period").

const kNombres: Record<string, string> = {
  ArrowLeft: 'Left',
  ArrowRight: 'Right',
  ArrowUp: 'Up',
  ArrowDown: 'Down',
  PageUp: 'PageUp',
  PageDown: 'PageDown',
  Home: 'Home',
  End: 'End',
  Enter: 'Return',
  Escape: 'Escape',
  Backspace: 'Backspace',
  Delete: 'Delete',
  Tab: 'Tab',
  ' ': 'Space',
  '.': 'Period',
  ',': 'Comma',
  '-': 'Minus',
  '+': 'Plus',
};

// Null for a key the core has no name for (a modifier alone, a dead key).
export function nombreDeTecla(e: KeyboardEvent): string | null {
  let tecla: string | undefined = kNombres[e.key];
  // A character's key needs no Shift to say which it is, except a letter's.
  let shift = e.shiftKey && tecla !== undefined && e.key.length > 1;
  if (tecla === undefined) {
    if (/^[a-zA-Z0-9]$/.test(e.key)) {
      tecla = e.key.toUpperCase();
      shift = e.shiftKey && /[a-zA-Z]/.test(e.key);
    } else if (/^F([1-9]|[12][0-9]|3[0-5])$/.test(e.key)) {
      tecla = e.key;
      shift = e.shiftKey;
    } else {
      return null;
    }
  }
  return (
    (e.ctrlKey ? 'Ctrl+' : '') +
    (shift ? 'Shift+' : '') +
    (e.altKey ? 'Alt+' : '') +
    (e.metaKey ? 'Meta+' : '') +
    tecla
  );
}
