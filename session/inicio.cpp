// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/inicio.h"

#include "practice/ejercicio.h"

namespace trazalia::session {

void Inicio::Pulsar(int n) {
    const char* abre = tabla_.controles[Numerado("Command", n)].abre;
    if (!abre) {
        sesion_.Terminar();
        return;
    }
    Mostrar(false);
    sesion_.Abrir(FormularioDe(**practice::VentanaDeNombre(abre))).Mostrar(true);
}

}  // namespace trazalia::session
