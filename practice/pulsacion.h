// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/canvas.h"
#include "diagram/marco.h"
#include "diagram/resultado.h"

namespace trazalia::practice {

// What a press on a method window's picture starts: one thing at a time owns the pointer until
// it is let go.
enum class Gesto {
    Nada,      // the press is not the picture's
    Punta,     // a vector's tip is dragged
    Intento,   // a guess is dragged from the origin
    Rehusado,  // an exercise's tip, which holds still until the exercise is checked
};

struct Pulsacion {
    Gesto gesto = Gesto::Nada;
    // With Punta, the vector (1 to 3) whose tip is held.
    int vector = 0;
};

// How near the origin a press starts a guess, and how near an exercise's tip it is refused:
// 12 logical pixels at zoom 100 %.
inline constexpr double kAgarreDelIntento = 12 * canvas::kTwipsPerPixel;

// The left button pressed at p (twips of a picture of that size, last drawn as dibujo). While an
// exercise waits (pendiente) a press near the origin starts a guess and one near a tip is refused;
// otherwise a tip within alcance twips is dragged.
Pulsacion QueEmpieza(const diagram::Resultado& dibujo, diagram::Punto p, double ancho, double alto,
                     bool pendiente, double alcance);

}  // namespace trazalia::practice
