// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/intento.h"

#include <algorithm>
#include <cmath>

#include "diagram/constantes.h"

namespace trazalia::practice {

namespace {

constexpr double kPasoDeEje = 10;

}  // namespace

double ModuloMaximoDelIntento(Ventana ventana) {
    return NumeroDeVectores(ventana) * diagram::kModuloMaximo;
}

// Written so that NaN, which compares false, is refused.
bool ModuloAdmitido(Ventana ventana, double r) {
    return r >= 0 && r <= ModuloMaximoDelIntento(ventana);
}

bool DireccionAdmitida(double direccion) {
    return direccion >= 0 && direccion <= diagram::kDireccionMaxima;
}

Intento Acotado(Ventana ventana, Intento intento) {
    return {std::clamp(intento.r, 0.0, ModuloMaximoDelIntento(ventana)),
            std::clamp(intento.direccion, 0.0, double{diagram::kDireccionMaxima})};
}

double EscalaDelEjercicio(const Ejercicio& vectores, std::optional<double> intento) {
    double suma = 0;
    for (const diagram::Entrada& v : vectores) suma += v.m;
    const double largo = std::max(suma, intento.value_or(0));
    return std::ceil(largo / kPasoDeEje) * kPasoDeEje;
}

}  // namespace trazalia::practice
