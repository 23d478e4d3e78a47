// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ventana.h"

namespace trazalia::session {
class Sesion;
}

namespace trazalia::app {

// The way into each method, and out of the program: its buttons are the core's Form1 buttons.
class Form1 final : public Ventana {
    Q_OBJECT
public:
    explicit Form1(session::Sesion& sesion);
};

}  // namespace trazalia::app
