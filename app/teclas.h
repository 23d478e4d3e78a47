// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include "session/teclas.h"

class QAction;

namespace trazalia::app {

class Ventana;

// The program's shortcuts are the core's table (session::teclas::Atajos): the windows install
// them from it, with the toolkit's standard keys of the same actions, and the guide writes its
// table of keys from it, so that the guide names every key the windows answer to.
using session::teclas::Atajo;

// Its action's name, in the language installed.
QString Nombre(Atajo atajo);
// Its keys, first the one menus show.
QList<QKeySequence> Teclas(Atajo atajo);
// The window's action for it (Ventana::Atajo): those keys wherever the focus is in the window.
QAction* InstalarAtajo(Ventana& ventana, Atajo atajo);

// The guide's table of keys, as HTML rows in the language installed: the keys that are the
// controls' own behaviour, every shortcut of the table above and the views' keys. Key names are
// Qt's, in the user's language.
QString FilasDeTeclas();

}  // namespace trazalia::app
