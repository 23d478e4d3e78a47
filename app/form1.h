// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ventana.h"

namespace trazalia::app {

// The start window: title, credits, emblem and the way into each method.
class Form1 final : public Ventana {
    Q_OBJECT
public:
    explicit Form1(Aplicacion& app);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
};

}  // namespace trazalia::app
