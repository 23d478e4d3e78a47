// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "diagram/traducible.h"

namespace trazalia::diagram {

// A computed number with two decimals, at least one integer digit and a minus sign when
// negative: "0.00", "141.42", "-100.00".
std::string Formato(double valor);

// Shown by a direction read-out when the resultant is too short to have a direction.
inline constexpr char kIndefinido[] = QT_TRANSLATE_NOOP("Trazalia", "Indefinido");

// The direction read-out: "Indefinido" when the resultant is too short to have a direction
// (r <= 0.001), otherwise AnguloResultante in degrees (converted with 180 / 3.14159).
std::string LecturaDireccion(double r, std::optional<double> AnguloResultante);

// The degrees that read-out shows, or nothing where it shows "Indefinido".
std::optional<double> Direccion(double r, std::optional<double> AnguloResultante);

// A direction in the texts beside the picture: "36.59°", or "Indefinido" when there is none.
std::string ConGrados(const std::optional<double>& grados);

}  // namespace trazalia::diagram
