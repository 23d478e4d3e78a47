// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/arrastre.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "diagram/constantes.h"

namespace trazalia::diagram {

namespace {

int Redondear(double valor, int paso) { return static_cast<int>(std::lround(valor / paso)) * paso; }

}  // namespace

Entrada ValorArrastrado(Punto puntero, const EscalaDelArrastre& escala, bool ajustar) {
    const auto [x, y] =
        EnUnidades(puntero, escala.ancho, escala.alto, escala.Escala, escala.escalado);
    // Limited before it is rounded, so that a pointer however far away gives a whole number.
    const double m = std::min(std::hypot(x, y), static_cast<double>(kModuloMaximo));
    // The picture turns degrees into radians with kPiDeComponentes, so the way back does too: a
    // pointer on a drawn tip gives that tip's own values.
    double a = std::atan2(y, x);
    if (a < 0) a += 2 * std::numbers::pi;
    const double d = a * 180 / kPiDeComponentes;
    const int paso = ajustar ? 5 : 1;
    const int grados = ajustar ? 15 : 1;
    return {std::clamp(Redondear(m, paso), 0, kModuloMaximo),
            std::clamp(Redondear(d, grados), 0, kDireccionMaxima)};
}

std::optional<int> PuntaAlAlcance(const Resultado& dibujo, Punto p, double alcance) {
    if (!dibujo.redibujo || dibujo.paso != 0) return std::nullopt;
    for (auto t = dibujo.trazos.rbegin(); t != dibujo.trazos.rend(); ++t) {
        if (t->vector == 0 || !t->desdeOrigen) continue;
        if (std::hypot(t->hasta.x - t->desde.x, t->hasta.y - t->desde.y) < 1) continue;
        if (std::hypot(p.x - t->hasta.x, p.y - t->hasta.y) <= alcance) return t->vector;
    }
    return std::nullopt;
}

}  // namespace trazalia::diagram
