// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "diagram/traducible.h"
#include "diagram/vistas.h"
#include "session/tablas.h"

namespace trazalia::session {

// One step a user can take back in a method window: bars set from one value to another, or a
// view turned on or off.
struct Paso {
    enum class Accion : unsigned char { Mover, Escribir, Arrastrar, Vista };
    // A bar's value before and after the step.
    struct Cambio {
        int barra;  // HScroll n
        int antes;
        int despues;
    };
    Accion accion = Accion::Mover;
    // What the step's name names: the bar moved or typed (HScroll n), the dragged vector's
    // magnitude bar, or the view.
    int sujeto = 0;
    // In the order the bars were set.
    std::vector<Cambio> cambios;
    bool activa = false;  // a view's new state
    bool redibujar = false;
};

// The step's name as a menu shows it after "Deshacer: ", in the translator's language: "mover r₁",
// "escribir α₂", "arrastrar la punta del vector 1", "activar «Cuadrícula»".
std::string NombreDelPaso(const Paso& paso, const Tabla& tabla, const diagram::Traductor& trad);

// A window's steps to undo and to redo, as QUndoStack keeps them: a change of the same bar right
// after another, while the gesture that made it goes on, is the same step (a thumb dragged, a key
// held); the oldest step goes once there are kLimite.
class Historia {
public:
    static constexpr std::size_t kLimite = 1000;

    // A step taken: the steps to redo are dropped. Bars set to the value they had are no step.
    void Apuntar(Paso paso);
    // The gesture ended: the next change starts a step of its own.
    void Terminar() { abierta_ = false; }
    void Vaciar();

    const Paso* alDeshacer() const { return deshacer_.empty() ? nullptr : &deshacer_.back(); }
    const Paso* alRehacer() const { return rehacer_.empty() ? nullptr : &rehacer_.back(); }
    // The step at hand moves to the other list.
    void Deshecho();
    void Rehecho();

    std::size_t deshechos() const { return deshacer_.size(); }
    std::size_t rehechos() const { return rehacer_.size(); }
    // The memory its steps hold, the lists' own blocks left out.
    std::size_t bytes() const;

private:
    std::deque<Paso> deshacer_;
    std::vector<Paso> rehacer_;
    bool abierta_ = false;
};

}  // namespace trazalia::session
