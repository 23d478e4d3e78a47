// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "practice/ejercicio.h"
#include "practice/veredicto.h"

namespace trazalia::practice {

// The largest resultant a window can have: all its vectors at the largest magnitude, one way
// (200 on Form2, 300 on Form3).
double ModuloMaximoDelIntento(Ventana ventana);

// What a student may give as a guess: a magnitude from 0 to the window's largest resultant, a
// direction from 0 to 360; never a value that is not a number.
bool ModuloAdmitido(Ventana ventana, double r);
bool DireccionAdmitida(double direccion);

// A guess brought within those ranges, as a drag that went too far is.
Intento Acotado(Ventana ventana, Intento intento);

// The scale a picture keeps while an exercise waits for its answer: the sum of its magnitudes, or
// the guess's magnitude when longer, up to a whole axis step of 10. It does not depend on the
// resultant, so the axes do not give the answer away.
double EscalaDelEjercicio(const Ejercicio& vectores, std::optional<double> intento);

}  // namespace trazalia::practice
