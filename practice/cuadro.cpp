// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/cuadro.h"

#include <algorithm>
#include <cmath>

namespace trazalia::practice {

namespace {

// The scales a frame may take, largest drawing first: units per centimetre.
constexpr std::array<int, 7> kEscalas{5, 10, 20, 25, 30, 40, 50};
// Centimetres: what the drawing keeps from the frame's edges, and its shortest arrow.
constexpr double kHolgura = 0.5;
constexpr double kLargoMinimo = 1.5;

// Every point the construction reaches, in units: the origin, each vector drawn from it, and
// the partial sums in the order the sheet asks for (the parallelogram's far corner is the sum).
std::vector<Componentes> Alcances(const std::vector<Componentes>& v) {
    std::vector<Componentes> puntos{{}};
    Componentes suma;
    for (const Componentes& p : v) {
        puntos.push_back(p);
        suma = {suma.x + p.x, suma.y + p.y};
        puntos.push_back(suma);
    }
    return puntos;
}

}  // namespace

std::optional<int> EscalaDeHoja(const std::vector<Componentes>& v,
                                const std::vector<Componentes>& desdeElOrigen) {
    Componentes suma;
    for (const Componentes& p : v) suma = {suma.x + p.x, suma.y + p.y};
    double corto = std::hypot(suma.x, suma.y);
    for (const Componentes& p : v) corto = std::min(corto, std::hypot(p.x, p.y));
    for (const Componentes& p : desdeElOrigen) corto = std::min(corto, std::hypot(p.x, p.y));
    std::vector<Componentes> alcances = Alcances(v);
    alcances.insert(alcances.end(), desdeElOrigen.begin(), desdeElOrigen.end());
    double ancho = 0, alto = 0;
    for (const Componentes& p : alcances) {
        ancho = std::max(ancho, std::abs(p.x));
        alto = std::max(alto, std::abs(p.y));
    }
    for (int k : kEscalas) {
        // Scales grow: a shorter vector than a centimetre now stays so at every later one.
        if (corto / k < kLargoMinimo - kHolguraDeRedondeo) return std::nullopt;
        if (ancho / k + kHolgura <= kAnchoDelCuadro / 2.0 + kHolguraDeRedondeo &&
            alto / k + kHolgura <= kAltoDelCuadro / 2.0 + kHolguraDeRedondeo)
            return k;
    }
    return std::nullopt;
}

}  // namespace trazalia::practice
