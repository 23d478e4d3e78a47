// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "diagram/traducible.h"
#include "diagram/vistas.h"
#include "practice/camino.h"
#include "session/observador.h"
#include "session/tablas.h"

namespace trazalia::session {

class Ventana;
class VentanaMetodo;

// What a window needs of the session around it: the observers, the views and the language, and
// the way to other windows.
class Entorno {
public:
    virtual ~Entorno() = default;
    // Tells every observer in the order they were added. Called for every drawing operation, so
    // it is a plain loop rather than a call through a function object.
    template <class Aviso>
    void Avisar(const Aviso& aviso) {
        for (Observador* o : observadores_) aviso(*o);
    }
    virtual const diagram::Vistas& vistas() const = 0;
    virtual const diagram::Traductor& traductor() const = 0;
    // Creates and loads the window on first use.
    virtual Ventana& Abrir(Formulario f) = 0;
    // Hides the window and shows the start window.
    virtual void Regresar(Ventana& desde) = 0;
    virtual void Terminar() = 0;
    // An exercise is about to set that window's vectors.
    virtual void NuevoEjercicio(VentanaMetodo& ventana) = 0;
    // A path over every window goes on in the window of its next exercise: the windows shown are
    // hidden and that one opened, as Form1's buttons open it.
    virtual void SeguirCamino(practice::Camino camino) = 0;
    // The student practice's entries name.
    virtual const std::string& alumno() const = 0;

protected:
    std::vector<Observador*> observadores_;
};

}  // namespace trazalia::session
