// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/canvas.h"

#include <cmath>
#include <string>

#include "canvas/numeros.h"

namespace trazalia::canvas {

AngleOutOfRange::AngleOutOfRange(float angle)
    : std::domain_error("Circle: el ángulo " + Corto(angle) +
                        " está fuera del intervalo de -2π a 2π"),
      angle_(angle) {}

void CheckAngle(float angle) {
    if (!(std::fabs(angle) <= kFullTurn)) throw AngleOutOfRange(angle);
}

}  // namespace trazalia::canvas
