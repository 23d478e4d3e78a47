// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/canvas.h"

namespace trazalia::diagram {

// The colours of the three vectors, on the diagrams and on the labels that name them.
inline constexpr canvas::Color kRojo{255, 0, 0};
inline constexpr canvas::Color kAzul{0, 0, 255};
inline constexpr canvas::Color kVerde{0, 255, 0};
// Vector 1's shafts in the polygon's chains everywhere except as the first vector of the first
// order.
inline constexpr canvas::Color kRojoTenue{225, 0, 0};
// The polygon window's labels of vector 1.
inline constexpr canvas::Color kRojoRotulo{192, 0, 0};
// Vector 3's green with the high-contrast colours: readable on white.
inline constexpr canvas::Color kVerdeOscuro{0, 128, 0};

}  // namespace trazalia::diagram
