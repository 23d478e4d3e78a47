// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ventana_metodo.h"

namespace trazalia::app {

// The parallelogram method: two vectors, their live diagram and the construction on request.
class Form2 final : public VentanaMetodo {
    Q_OBJECT
public:
    Form2(session::Sesion& sesion, session::VentanaMetodo& nucleo)
        : VentanaMetodo(sesion, nucleo) {}

    QString NombreDeArchivo() const override { return QStringLiteral("paralelogramo.png"); }
};

}  // namespace trazalia::app
