// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/arrastre.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace trazalia::diagram {
namespace {

// Form2's drawing area: 7000 × 6000 twips, the origin at (3500, 3000). At Escala 100 one unit is
// 31.5 twips across and 27 twips up; with the fixed scale 100, 27 twips both ways (150: 18).
constexpr double kAncho = 7000;
constexpr double kAlto = 6000;

struct Fila {
    const char* name;
    Punto puntero;
    double Escala;
    Escalado escalado;
    bool ajustar;
    Entrada esperada;
    friend void PrintTo(const Fila& row, std::ostream* os) { *os << row.name; }
};

class ValorArrastradoTest : public testing::TestWithParam<Fila> {};

TEST_P(ValorArrastradoTest, DaLosValoresDeLasBarras) {
    const Fila& f = GetParam();
    const Entrada e = ValorArrastrado(f.puntero, {kAncho, kAlto, f.Escala, f.escalado}, f.ajustar);
    EXPECT_EQ(e.m, f.esperada.m);
    EXPECT_EQ(e.d, f.esperada.d);
}

constexpr auto A = Escalado::Adaptativa;
constexpr auto F = Escalado::Fija;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arrastre, ValorArrastradoTest, testing::Values(
    Fila{"MitadDelEjeX", {3500 + 1575, 3000}, 100, A, false, {50, 0}},
    Fila{"PuntaDelEjeY", {3500, 300}, 100, A, false, {100, 90}},
    Fila{"LaEscalaDelDibujoCuenta", {3500 + 1575, 3000}, 40, A, false, {20, 0}},
    Fila{"IzquierdaEsCientoOchenta", {3500 - 945, 3000}, 100, A, false, {30, 180}},
    Fila{"AbajoEsDoscientosSetenta", {3500, 3000 + 540}, 100, A, false, {20, 270}},
    Fila{"CadaEjeConSuEscala", {3500 + 945, 3000 - 810}, 100, A, false, {42, 45}},
    Fila{"RedondeaAlEnteroMasCercano", {3500 + 31.5 * 47.6, 3000}, 100, A, false, {48, 0}},
    Fila{"BajoElEjeEsTrescientosSesenta", {3500 + 1575, 3001}, 100, A, false, {50, 360}},
    Fila{"FueraDelDibujoSeLimita", {3500, -9000}, 100, A, false, {100, 90}},
    Fila{"MuyLejosSigueSiendoCien", {1e30, 3000}, 100, A, false, {100, 0}},
    Fila{"EnElOrigenCero", {3500, 3000}, 100, A, false, {0, 0}},
    Fila{"FijaIgualEnAmbosEjes", {3500 + 810, 3000 - 810}, 100, F, false, {42, 45}},
    Fila{"FijaConSuEscala", {3500 + 1350, 3000}, 150, F, false, {75, 0}},
    Fila{"FijaMasAllaDeCien", {3500 + 3000, 3000}, 100, F, false, {100, 0}},
    Fila{"SinShiftCincuentaYDos", {3500 + 27 * 30.78, 3000 - 27 * 39.40}, 100, F, false, {50, 52}},
    Fila{"ShiftCincoYQuince", {3500 + 27 * 30.78, 3000 - 27 * 39.40}, 100, F, true, {50, 45}},
    Fila{"ShiftSubeAlMultiplo", {3500 + 31.5 * 48, 3000 - 27 * 12}, 100, A, true, {50, 15}},
    Fila{"ShiftCercaDeLaVueltaEsTrescientosSesenta", {3500 + 1575, 3000 + 100}, 100, A, true, {50, 360}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Two vectors drawn from the origin, the first under the second's tip, with copies of both laid
// head to tail as the parallelogram draws them.
Resultado Dibujo() {
    Resultado r;
    r.redibujo = true;
    r.trazos = {{1, {3500, 3000}, {5000, 3000}, {}, 0, 0, true},
                {2, {3500, 3000}, {5010, 3000}, {}, 0, 0, true},
                {1, {5010, 3000}, {6510, 3000}, {}, 0, 0, false},
                {0, {3500, 3000}, {6510, 3000}, {}, 0, 0, true}};
    return r;
}

TEST(PuntaAlAlcance, LaDibujadaUltimaDondeSeAlcanzanDos) {
    EXPECT_EQ(PuntaAlAlcance(Dibujo(), {5000, 3000}, 150), 2);
    EXPECT_EQ(PuntaAlAlcance(Dibujo(), {4900, 3000}, 105), 1);
    EXPECT_EQ(PuntaAlAlcance(Dibujo(), {4900, 3000}, 99), std::nullopt);
}

TEST(PuntaAlAlcance, NiCopiasNiResultante) {
    EXPECT_EQ(PuntaAlAlcance(Dibujo(), {6510, 3000}, 150), std::nullopt);
}

TEST(PuntaAlAlcance, NadaDuranteUnPaso) {
    Resultado r = Dibujo();
    r.paso = 3;
    EXPECT_EQ(PuntaAlAlcance(r, {5000, 3000}, 150), std::nullopt);
}

TEST(PuntaAlAlcance, UnVectorNuloNoTienePuntaEnElOrigen) {
    Resultado r = Dibujo();
    r.trazos[0].hasta = r.trazos[0].desde;
    EXPECT_EQ(PuntaAlAlcance(r, {3500, 3000}, 150), std::nullopt);
}

}  // namespace
}  // namespace trazalia::diagram
