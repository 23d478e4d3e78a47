// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "canvas/picture.h"
#include "diagram/arrastre.h"
#include "diagram/tests/controles_de_prueba.h"
#include "polygon/poligono.h"

namespace trazalia::polygon {
namespace {

using diagram::Escalado;

struct Fila {
    const char* name;
    int m[3];
    int d[3];
    Escalado escalado;
    friend void PrintTo(const Fila& row, std::ostream* os) { *os << row.name; }
};

// The live picture of Form3 with those vectors, in that scaling.
diagram::Resultado Dibujar(const Fila& f, canvas::Picture& picture) {
    diagram::ControlesDePrueba form;
    Poligono poligono{form, picture};
    poligono.Form_Load();
    poligono.setEscalado(f.escalado);
    for (int k = 1; k <= 3; ++k) form.barras[k] = f.m[k - 1], form.barras[k + 3] = f.d[k - 1];
    return poligono.HScroll_Change();
}

class PuntaTest : public testing::TestWithParam<Fila> {};

// Grabbing a drawn tip where it is drawn gives back its own values, in either scaling.
TEST_P(PuntaTest, ArrastrarLaPuntaDondeEstaNoLaCambia) {
    canvas::Picture picture{7000, 6000};
    const diagram::Resultado dibujo = Dibujar(GetParam(), picture);
    const diagram::EscalaDelArrastre escala{7000, 6000, dibujo.Escala, dibujo.escalado};
    for (const diagram::Trazo& t : dibujo.trazos) {
        const diagram::Entrada e = diagram::ValorArrastrado(t.hasta, escala, false);
        EXPECT_EQ(e, dibujo.vectores[static_cast<std::size_t>(t.vector - 1)]) << t.vector;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Escala, PuntaTest, testing::Values(
    Fila{"Adaptativa", {60, 45, 35}, {15, 100, 220}, Escalado::Adaptativa},
    Fila{"AdaptativaCercaDeLaVuelta", {100, 1, 73}, {359, 181, 271}, Escalado::Adaptativa},
    Fila{"Fija", {60, 45, 35}, {15, 100, 220}, Escalado::Fija},
    Fila{"FijaCortos", {3, 100, 9}, {359, 90, 1}, Escalado::Fija}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Measured on the picture: the round scale (200 for a resultant of 191.5) reaches the end of the
// shorter half-axis (0.45 × 6000 twips) on both axes, so a vector at 45° is drawn at 45°.
TEST(EscalaFija, LaRedondaLlegaAlFinDelSemiejeMasCortoEnAmbosEjes) {
    canvas::Picture picture{7000, 6000};
    const diagram::Resultado dibujo =
        Dibujar({"", {100, 100, 50}, {0, 90, 45}, Escalado::Fija}, picture);
    ASSERT_EQ(dibujo.trazos.size(), 3u);
    EXPECT_NEAR(dibujo.trazos[0].hasta.x - 3500, 1350, 0.5);
    EXPECT_NEAR(3000 - dibujo.trazos[1].hasta.y, 1350, 0.5);
    const diagram::Punto p = dibujo.trazos[2].hasta;
    EXPECT_NEAR(std::atan2(3000 - p.y, p.x - 3500) * 180 / std::numbers::pi, 45, 0.01);
    EXPECT_NEAR(std::hypot(p.x - 3500, p.y - 3000), 675, 0.5);
    EXPECT_EQ(dibujo.Escala, 200);
}

struct Redonda {
    const char* name;
    int m[3];
    int d[3];
    Escalado escalado;
    std::optional<double> retenida;
    double Escala;
    friend void PrintTo(const Redonda& row, std::ostream* os) { *os << row.name; }
};

class RedondaTest : public testing::TestWithParam<Redonda> {};

// One scale for the live picture and every step of the same vectors: the smallest round one that
// holds each vector, each pair laid head to tail and all three, or the one held.
TEST_P(RedondaTest, LaMismaEnCadaPaso) {
    const Redonda& f = GetParam();
    canvas::Picture picture{7000, 6000};
    diagram::ControlesDePrueba form;
    Poligono poligono{form, picture};
    poligono.Form_Load();
    poligono.setEscalado(f.escalado, f.retenida);
    for (int k = 1; k <= 3; ++k) form.barras[k] = f.m[k - 1], form.barras[k + 3] = f.d[k - 1];
    EXPECT_EQ(poligono.EscalaSiguiente(), f.Escala);
    const diagram::Resultado vivo = poligono.HScroll_Change();
    EXPECT_EQ(vivo.Escala, f.Escala);
    // Vector 1 points along +x: its tip at 0.45 × 7000 (adaptive) or 2700 twips per Escala.
    const double k = (f.escalado == Escalado::Fija ? 2700 : 3150) / f.Escala;
    EXPECT_NEAR(vivo.trazos.at(0).hasta.x, 3500 + k * f.m[0], 1e-3);
    for (int paso = 1; paso <= 7; ++paso) {
        form.barras[7] = paso;
        EXPECT_EQ(poligono.HScroll7_Change().Escala, f.Escala) << "paso " << paso;
    }
}

constexpr auto A = Escalado::Adaptativa;
constexpr auto F = Escalado::Fija;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Escala, RedondaTest, testing::Values(
    Redonda{"FijaUnoDeCien", {100, 0, 0}, {0, 0, 0}, F, std::nullopt, 100},
    Redonda{"FijaPasaCien", {100, 1, 0}, {0, 90, 0}, F, std::nullopt, 150},
    // The resultant is 100 but 1 and 2 laid head to tail reach 200.
    Redonda{"FijaUnParMasLargoQueLaResultante", {100, 100, 100}, {0, 0, 180}, F, std::nullopt, 200},
    // 2 and 3 laid head to tail reach 173.21; every other chain stays within 100.
    Redonda{"FijaElParDeDosYTres", {100, 100, 100}, {0, 150, 210}, F, std::nullopt, 200},
    Redonda{"FijaDoscientosCincuenta", {100, 100, 50}, {0, 0, 0}, F, std::nullopt, 300},
    Redonda{"FijaTresAlineados", {100, 100, 100}, {0, 0, 0}, F, std::nullopt, 300},
    Redonda{"FijaRetenida", {60, 0, 0}, {0, 0, 0}, F, 120.0, 150},
    Redonda{"AdaptativaRetenida", {60, 0, 0}, {0, 0, 0}, A, 120.0, 120}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace trazalia::polygon
