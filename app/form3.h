// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ventana_metodo.h"

namespace trazalia::app {

class ControlVistas;

// The polygon method: three vectors, their live diagram and the seven-step construction.
class Form3 final : public VentanaMetodo {
    Q_OBJECT
public:
    Form3(session::Sesion& sesion, session::VentanaMetodo& nucleo, ControlVistas& vistas);

    QString NombreDeArchivo() const override;

protected:
    // "Paso 2 de 7: vectores 1, 3 y 2"; "Paso 7 de 7: los seis órdenes a la vez".
    static QString TextoDelPaso(int paso);

private:
    void RotularPaso();
};

}  // namespace trazalia::app
