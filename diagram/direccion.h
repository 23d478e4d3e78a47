// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace trazalia::diagram {

// Direction of the resultant (Rx, Ry), in radians, by the quadrant rule with the seven-decimal
// constants, in [0, 6.2831853); none for the zero vector, which has no direction.
std::optional<double> DireccionResultante(double Rx, double Ry);

}  // namespace trazalia::diagram
