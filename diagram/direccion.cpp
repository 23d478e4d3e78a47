// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/direccion.h"

#include <cmath>

namespace trazalia::diagram {

void DireccionResultante(double Rx, double Ry, double& AnguloResultante) {
    if (Rx != 0) {
        const double t = std::atan(Ry / Rx);
        // Four separate tests, exactly one of which matches.
        if (Rx > 0 && Ry >= 0) AnguloResultante = t;
        if (Rx < 0 && Ry >= 0) AnguloResultante = 3.1415926 + t;
        if (Rx < 0 && Ry < 0) AnguloResultante = 3.1415926 + t;
        if (Rx > 0 && Ry < 0) AnguloResultante = 6.2831853 + t;
    } else {
        if (Ry > 0) AnguloResultante = 1.5707963;
        if (Ry < 0) AnguloResultante = 4.7123889;
    }
}

}  // namespace trazalia::diagram
