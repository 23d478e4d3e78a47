// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/direccion.h"

#include <cmath>

#include "diagram/constantes.h"

namespace trazalia::diagram {

std::optional<double> DireccionResultante(double Rx, double Ry) {
    std::optional<double> AnguloResultante;
    if (Rx != 0) {
        const double t = std::atan(Ry / Rx);
        // Four separate tests, exactly one of which matches.
        if (Rx > 0 && Ry >= 0) AnguloResultante = t;
        if (Rx < 0 && Ry >= 0) AnguloResultante = kPiDelCuadrante + t;
        if (Rx < 0 && Ry < 0) AnguloResultante = kPiDelCuadrante + t;
        if (Rx > 0 && Ry < 0) AnguloResultante = kDosPiDelCuadrante + t;
    } else {
        if (Ry > 0) AnguloResultante = kMedioPiDelCuadrante;
        if (Ry < 0) AnguloResultante = kTresMediosPiDelCuadrante;
    }
    return AnguloResultante;
}

}  // namespace trazalia::diagram
