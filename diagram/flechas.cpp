// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/flechas.h"

#include <cmath>
#include <numbers>

#include "diagram/constantes.h"

namespace trazalia::diagram {

namespace {

constexpr double kDistancia = 60;  // from the tip back to the centre of the head
constexpr float kRadio = 60;

Punto Centro(Punto punta, double a) {
    return {punta.x - kDistancia * std::cos(a), punta.y + kDistancia * std::sin(a)};
}

double EnUnaVuelta(double angulo) {
    constexpr double vuelta = 2 * std::numbers::pi;
    if (angulo < 0) return angulo + vuelta;
    if (angulo >= vuelta) return angulo - vuelta;
    return angulo;
}

}  // namespace

std::optional<Arco> ArcoColor(Punto punta, int d, double Pi) {
    const double a = (d * Pi) / 180;
    const Punto centro = Centro(punta, a);
    // Tested one after another on the whole degrees; every value 0…360 matches exactly one row.
    if (d >= 0 && d < 90) return Arco{centro, a + (Pi * 3) / 2, a + Pi / 2};
    if (d == 90) return Arco{centro, 0, Pi};
    if (d > 90 && d < 180) return Arco{centro, a - Pi / 2, a + Pi / 2};
    if (d == 180) return Arco{centro, Pi / 2, (Pi * 3) / 2};
    if (d > 180 && d < 270) return Arco{centro, a - Pi / 2, a + Pi / 2};
    if (d == 270) return Arco{centro, Pi, 0};
    if (d > 270 && d <= 360) return Arco{centro, a - Pi / 2, a - (Pi * 3) / 2};
    return std::nullopt;
}

std::optional<Arco> ArcoNegro(Punto punta, double a, double Pi) {
    const Punto centro = Centro(punta, a);
    std::optional<Arco> arco;
    // Thresholds are literals, not derived from Pi; 2 * a is exact.
    if (a >= 0 && 2 * a < kPiDeLecturas) arco = Arco{centro, a + (Pi * 3) / 2, a + Pi / 2};
    if (2 * a == kPiDeLecturas) arco = Arco{centro, 0, Pi};
    if (2 * a > kPiDeLecturas && a < kPiDeLecturas) arco = Arco{centro, a - Pi / 2, a + Pi / 2};
    if (a == kPiDeLecturas) arco = Arco{centro, Pi / 2, (Pi * 3) / 2};
    if (a > kPiDeLecturas && a < kTresPiDeFlecha / 2) arco = Arco{centro, a - Pi / 2, a + Pi / 2};
    if (a == kTresPiDeFlecha / 2) arco = Arco{centro, Pi, 0};
    // Up to 6.2831853, the largest direction a resultant can have: just below it lie resultants
    // pointing right with a tiny negative y component, which must keep their head.
    if (a > kTresPiDeFlecha / 2 && a <= kDosPiDelCuadrante)
        arco = Arco{centro, a - Pi / 2, a - (Pi * 3) / 2};
    if (arco) {
        arco->inicio = EnUnaVuelta(arco->inicio);
        arco->fin = EnUnaVuelta(arco->fin);
    }
    return arco;
}

void DibujarArco(canvas::Canvas& picture, const Arco& arco, canvas::Color color) {
    picture.Circle(static_cast<float>(arco.centro.x), static_cast<float>(arco.centro.y), kRadio,
                   color, static_cast<float>(arco.inicio), static_cast<float>(arco.fin));
}

void FlechaColor(canvas::Canvas& picture, Punto punta, int d, double Pi, canvas::Color color) {
    if (auto arco = ArcoColor(punta, d, Pi)) DibujarArco(picture, *arco, color);
}

void FlechaResultante(canvas::Canvas& picture, Punto punta, double a, double Pi) {
    if (auto arco = ArcoNegro(punta, a, Pi)) DibujarArco(picture, *arco, canvas::kBlack);
}

}  // namespace trazalia::diagram
