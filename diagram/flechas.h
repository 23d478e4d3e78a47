// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "canvas/canvas.h"
#include "diagram/marco.h"

namespace trazalia::diagram {

// An arrowhead: a half circle of radius 60 twips whose centre lies 60 twips back from the tip
// along the vector, running counter-clockwise from inicio to fin (radians) so that its middle is
// the tip.
struct Arco {
    Punto centro;
    double inicio = 0;
    double fin = 0;
};

// Head of a coloured vector whose direction is d whole degrees, as read from its scroll bar, with
// the window's Pi. Nothing for a d outside 0…360.
std::optional<Arco> ArcoColor(Punto punta, int d, double Pi);

// Head of a resultant whose direction is a radians, with the window's Pi. Nothing for a < 0 or
// a > 6.2831853. Its angles are brought into [0, 2π) by one full turn: with a Pi slightly above π
// the table's angles can stray just outside, which would draw a stray radius or be refused.
std::optional<Arco> ArcoNegro(Punto punta, double a, double Pi);

// The arc as a Circle of radius 60, centre and angles handed over in single precision.
void DibujarArco(canvas::Canvas& picture, const Arco& arco, canvas::Color color);

// Draw the head, if the direction has one.
void FlechaColor(canvas::Canvas& picture, Punto punta, int d, double Pi, canvas::Color color);
void FlechaResultante(canvas::Canvas& picture, Punto punta, double a, double Pi);

}  // namespace trazalia::diagram
