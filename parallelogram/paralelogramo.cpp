// SPDX-License-Identifier: GPL-3.0-or-later
#include "parallelogram/paralelogramo.h"

#include <cmath>
#include <string>

#include "diagram/colores.h"
#include "diagram/constantes.h"
#include "diagram/direccion.h"
#include "diagram/flechas.h"
#include "diagram/formato.h"

namespace trazalia::parallelogram {

namespace {

using diagram::kAzul;
using diagram::kRojo;

// Scroll bars of Form2.
constexpr int kM1 = 1;
constexpr int kM2 = 2;
constexpr int kD1 = 3;
constexpr int kD2 = 4;

}  // namespace

void Paralelogramo::Form_Load() {
    Picture1_.SetDrawWidth(2);
    for (int n = 5; n <= 8; ++n) form_.Label(n, "0");
    Pi = diagram::kPiDelParalelogramo;
}

void Paralelogramo::Lecturas() {
    // Label5..Label8 show HScroll1..HScroll4.
    for (int n = kM1; n <= kD2; ++n) form_.Label(n + 4, std::to_string(form_.HScroll(n)));
}

diagram::Resultado Paralelogramo::Resultado(const std::optional<Calculo>& calculo,
                                            bool resultante) const {
    diagram::Resultado resultado;
    resultado.redibujo = calculo.has_value();
    resultado.vectores.reserve(2);
    for (int n : {kM1, kM2}) resultado.vectores.push_back({form_.HScroll(n), form_.HScroll(n + 2)});
    if (calculo) {
        resultado.Escala = calculo->Escala;
        resultado.escalado = escalado_;
        resultado.r = calculo->r;
        const diagram::Punto O = diagram::Origen(Picture1_);
        resultado.trazos.reserve(resultante ? 5 : 2);
        resultado.trazos.push_back({1, O, calculo->P1, kRojo, calculo->V1x, calculo->V1y, true});
        resultado.trazos.push_back({2, O, calculo->P2, kAzul, calculo->V2x, calculo->V2y, true});
        if (resultante) {
            // The sides of the parallelogram are copies of the vectors ending at the sum.
            resultado.trazos.push_back(
                {1, calculo->P2, calculo->PR, kRojo, calculo->V1x, calculo->V1y, false});
            resultado.trazos.push_back(
                {2, calculo->P1, calculo->PR, kAzul, calculo->V2x, calculo->V2y, false});
            resultado.trazos.push_back(
                {0, O, calculo->PR, canvas::kBlack, calculo->Rx, calculo->Ry, true});
        }
        resultado.resultante = resultante;
    }
    resultado.direccion = diagram::Direccion(resultado.r, AnguloResultante);
    return resultado;
}

diagram::Resultado Paralelogramo::HScroll_Change() {
    Lecturas();
    const auto calculo = CalcularResultante();
    if (calculo) DibujarEscena(*calculo);
    return Resultado(calculo, false);
}

diagram::Resultado Paralelogramo::Command1_Click() {
    Lecturas();
    // With a scale of 0 both magnitudes are 0, so r is 0 too; the picture is left as it was.
    double r = 0;
    const auto calculo = CalcularResultante();
    if (calculo) {
        DibujarEscena(*calculo);
        const diagram::Punto origen = diagram::Origen(Picture1_);
        diagram::Linea(Picture1_, calculo->P2, calculo->PR, kRojo);
        diagram::Linea(Picture1_, calculo->P1, calculo->PR, kAzul);
        diagram::Linea(Picture1_, origen, calculo->PR, canvas::kBlack);
        diagram::FlechaResultante(Picture1_, calculo->PR, AnguloResultante.value_or(0), Pi);
        r = calculo->r;
    }
    form_.Label(10, diagram::Formato(r));
    form_.Label(12, diagram::LecturaDireccion(r, AnguloResultante));
    return Resultado(calculo, true);
}

std::optional<Calculo> Paralelogramo::CalcularResultante() {
    const int m1 = form_.HScroll(kM1);
    const int m2 = form_.HScroll(kM2);
    const int d1 = form_.HScroll(kD1);
    const int d2 = form_.HScroll(kD2);

    // Not Pi: the components do not depend on when Pi was set.
    const double a1 = (d1 * diagram::kPiDeComponentes) / 180;
    const double a2 = (d2 * diagram::kPiDeComponentes) / 180;
    const double V1x = m1 * std::cos(a1);
    const double V1y = m1 * std::sin(a1);
    const double V2x = m2 * std::cos(a2);
    const double V2y = m2 * std::sin(a2);
    const double Rx = V1x + V2x;
    const double Ry = V1y + V2y;

    Calculo c;
    c.V1x = V1x;
    c.V1y = V1y;
    c.V2x = V2x;
    c.V2y = V2y;
    c.Rx = Rx;
    c.Ry = Ry;
    c.r = std::sqrt(Rx * Rx + Ry * Ry);
    AnguloResultante = diagram::DireccionResultante(Rx, Ry);

    c.Escala = m1 >= m2 ? m1 : m2;
    if (c.r >= c.Escala) c.Escala = c.r;
    if (c.Escala == 0) return std::nullopt;
    c.Escala = diagram::EscalaDelDibujo(c.Escala, escalado_, retenida_);

    c.P1 = diagram::Punta(Picture1_, m1, a1, c.Escala, escalado_);
    c.P2 = diagram::Punta(Picture1_, m2, a2, c.Escala, escalado_);
    // A zero resultant has no direction; its tip is the origin whichever angle is taken.
    c.PR = diagram::Punta(Picture1_, c.r, AnguloResultante.value_or(0), c.Escala, escalado_);
    return c;
}

double Paralelogramo::EscalaSiguiente() const {
    // On a copy, so that AnguloResultante stays the last event's.
    Paralelogramo copia(*this);
    const auto calculo = copia.CalcularResultante();
    return calculo ? calculo->Escala : 0;
}

void Paralelogramo::DibujarEscena(const Calculo& calculo) {
    Picture1_.Cls();
    diagram::EjeVertical(Picture1_);
    diagram::EscalaVertical(Picture1_, calculo.Escala, escalado_);
    diagram::EjeHorizontal(Picture1_);
    diagram::EscalaHorizontal(Picture1_, calculo.Escala, escalado_);

    const diagram::Punto origen = diagram::Origen(Picture1_);
    diagram::Linea(Picture1_, origen, calculo.P1, kRojo);
    diagram::FlechaColor(Picture1_, calculo.P1, form_.HScroll(kD1), Pi, kRojo);
    diagram::Linea(Picture1_, origen, calculo.P2, kAzul);
    diagram::FlechaColor(Picture1_, calculo.P2, form_.HScroll(kD2), Pi, kAzul);
}

}  // namespace trazalia::parallelogram
