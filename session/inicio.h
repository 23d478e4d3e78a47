// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/ventana.h"

namespace trazalia::session {

// Form1: the way into each method.
class Inicio final : public Ventana {
public:
    explicit Inicio(Entorno& sesion) : Ventana(sesion, Formulario::Form1) {}
    void Pulsar(int n) override;
};

}  // namespace trazalia::session
