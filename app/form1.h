// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ventana.h"

namespace trazalia::app {

// The start window: title, credits, emblem and the way into each method.
class Form1 final : public Ventana {
    Q_OBJECT
public:
    Form1();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

signals:
    // The user chose a method, having left this window; or chose to leave the program.
    void paralelogramo();
    void poligono();
    void salir();
};

}  // namespace trazalia::app
