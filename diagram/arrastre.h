// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "diagram/marco.h"
#include "diagram/resultado.h"

namespace trazalia::diagram {

// The scale a drag reads the pointer in: the picture's when the drag began, kept to its end so
// that the same position always gives the same values.
struct EscalaDelArrastre {
    double ancho = 0;  // of the drawing area, in twips
    double alto = 0;
    double Escala = 0;
    Escalado escalado = Escalado::Adaptativa;
};

// The vector whose tip is at the pointer (twips of the drawing area): the inverse of Punta in that
// scale, rounded to what the scroll bars hold (whole units, whole degrees from 0 to 360) and
// clamped to their ranges. With ajustar (Shift held) the magnitude goes to a multiple of 5 and the
// direction to a multiple of 15°.
Entrada ValorArrastrado(Punto puntero, const EscalaDelArrastre& escala, bool ajustar);

// The vector (1 to 3) whose tip a press at p grabs in that picture: one drawn from the origin
// whose tip is within alcance twips, the one drawn last where several are. Nothing while a step
// of a construction is shown, and never a vector of length 0, whose tip is the origin itself.
std::optional<int> PuntaAlAlcance(const Resultado& dibujo, Punto p, double alcance);

}  // namespace trazalia::diagram
