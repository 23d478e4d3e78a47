// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <utility>

#include "diagram/tabla.h"

namespace trazalia::combination {

// A coefficient's bar holds it in halves: −10…10 for −5…5 in steps of 0.5.
inline constexpr int kMediosPorUnidad = 2;
inline constexpr int kCoeficienteMaximo = 5 * kMediosPorUnidad;

// Form4's buttons, as Command<n>: the one that draws c, the one that goes back, and "a − b".
inline constexpr int kBotonQueRevela = 1;
inline constexpr int kBotonDeRegreso = 2;
inline constexpr int kBotonDeResta = 3;
// What "a − b" sets at once, {HScroll n, value}: k1 = 1 and k2 = −1.
inline constexpr std::array<std::pair<int, int>, 2> kBarrasDeResta{
    {{5, kMediosPorUnidad}, {6, -kMediosPorUnidad}}};

// The window Form4: a and b, their coefficients, and c = k1·a + k2·b.
const diagram::Tabla& TablaForm4();

}  // namespace trazalia::combination
