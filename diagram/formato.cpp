// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/formato.h"

#include <array>
#include <charconv>
#include <string_view>

#include "diagram/constantes.h"

namespace trazalia::diagram {

std::string Formato(double valor) {
    // to_chars writes a point under every locale; 400 characters hold any double with two
    // decimals.
    std::array<char, 400> buffer{};
    const auto [fin, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor,
                                         std::chars_format::fixed, 2);
    std::string texto(buffer.data(), ec == std::errc() ? fin : buffer.data());
    // A tiny negative value rounds to zero, which has no sign.
    if (texto == "-0.00") texto = "0.00";
    return texto;
}

std::optional<double> Direccion(double r, std::optional<double> AnguloResultante) {
    if (r <= 0.001 || !AnguloResultante) return std::nullopt;
    return (*AnguloResultante * 180) / kPiDeLecturas;
}

std::string LecturaDireccion(double r, std::optional<double> AnguloResultante) {
    const std::optional<double> grados = Direccion(r, AnguloResultante);
    return grados ? Formato(*grados) : kIndefinido;
}

std::string ConGrados(const std::optional<double>& grados) {
    return grados ? Formato(*grados) + "°" : kIndefinido;
}

}  // namespace trazalia::diagram
