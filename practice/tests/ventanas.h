// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/ejercicio.h"

namespace trazalia::practice {

// The registered windows the tests name.
inline Ventana Form2() { return *VentanaDeNombre("Form2"); }
inline Ventana Form3() { return *VentanaDeNombre("Form3"); }
inline Ventana Form4() { return *VentanaDeNombre("Form4"); }
// What a worksheet asks for: "ambos" is every method that adds, in turn.
inline constexpr Seleccion kAmbos{};

}  // namespace trazalia::practice
