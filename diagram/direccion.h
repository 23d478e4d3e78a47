// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace trazalia::diagram {

// Direction of the resultant (Rx, Ry), in radians, by the quadrant rule with the seven-decimal
// constants. Writes AnguloResultante, or leaves it unchanged for the zero vector. The result lies
// in [0, 6.2831853).
void DireccionResultante(double Rx, double Ry, double& AnguloResultante);

}  // namespace trazalia::diagram
