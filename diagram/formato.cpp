// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/formato.h"

#include "canvas/numeros.h"
#include "diagram/constantes.h"

namespace trazalia::diagram {

std::string Formato(double valor) {
    std::string texto = canvas::Fijo(valor, 2);
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
