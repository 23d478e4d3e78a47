// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace trazalia::diagram {

// The program's values of π. Each is its own number, not π, and each place keeps the one it has
// always used: every picture, read-out and trace depends on the exact value, so none is ever
// replaced by std::numbers::pi or by another of them.

// Degrees to radians for every vector's components, in both windows: (d × 3.1416) / 180. It is
// also the parallelogram window's Pi, which its arrowheads use.
inline constexpr double kPiDeComponentes = 3.1416;
inline constexpr double kPiDelParalelogramo = 3.1416;
// The polygon window's Pi, for its arrowheads.
inline constexpr double kPiDelPoligono = 3.14159;
// Radians to degrees of a resultant's read-out: (a × 180) / 3.14159, in both windows; and the
// bounds of the ranges of the resultant's black arrowhead.
inline constexpr double kPiDeLecturas = 3.14159;
// Three halves of the arrowhead's π, written out as 9.42477 / 2 where it is a bound.
inline constexpr double kTresPiDeFlecha = 9.42477;
// The quadrant rule of a resultant's direction, with seven decimals.
inline constexpr double kPiDelCuadrante = 3.1415926;
inline constexpr double kDosPiDelCuadrante = 6.2831853;
inline constexpr double kMedioPiDelCuadrante = 1.5707963;
inline constexpr double kTresMediosPiDelCuadrante = 4.7123889;

// The scroll bars' ranges.
inline constexpr int kModuloMaximo = 100;
inline constexpr int kDireccionMaxima = 360;
inline constexpr int kPasos = 7;

}  // namespace trazalia::diagram
