#include "diagram/formato.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace trazalia::diagram {

std::string Formato(double valor) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.2f", valor);
    std::string texto = buffer.data();
    // A tiny negative value rounds to zero, which has no sign.
    if (texto == "-0.00") texto = "0.00";
    return texto;
}

std::string LecturaDireccion(double r, double AnguloResultante) {
    if (r <= 0.001) return kIndefinido;
    return Formato((AnguloResultante * 180) / 3.14159);
}

}  // namespace trazalia::diagram
