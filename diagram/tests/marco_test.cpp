// SPDX-License-Identifier: GPL-3.0-or-later
// The scale a picture draws at, and the fixed scale's axis at each round scale.
#include "diagram/marco.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "canvas/picture.h"

namespace trazalia::diagram {
namespace {

constexpr auto A = Escalado::Adaptativa;
constexpr auto F = Escalado::Fija;

struct Eleccion {
    const char* name;
    double largo;  // the longest length the vectors reach
    Escalado escalado;
    std::optional<double> retenida;
    double Escala;
    friend void PrintTo(const Eleccion& row, std::ostream* os) { *os << row.name; }
};

class EscalaDelDibujoTest : public testing::TestWithParam<Eleccion> {};

TEST_P(EscalaDelDibujoTest, EligeLaEscala) {
    const Eleccion& f = GetParam();
    EXPECT_EQ(EscalaDelDibujo(f.largo, f.escalado, f.retenida), f.Escala);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Escala, EscalaDelDibujoTest, testing::Values(
    Eleccion{"AdaptativaLaDeLosVectores", 87.18, A, std::nullopt, 87.18},
    Eleccion{"AdaptativaLaRetenida", 87.18, A, 111.8, 111.8},
    Eleccion{"RetenidaNulaNoCuenta", 87.18, A, 0.0, 87.18},
    Eleccion{"FijaCienJusto", 100, F, std::nullopt, 100},
    Eleccion{"FijaPasadoCien", 100.01, F, std::nullopt, 150},
    Eleccion{"FijaDoscientosPorRedondeo", 200.00000000000003, F, std::nullopt, 200},
    Eleccion{"FijaDoscientosCincuenta", 250, F, std::nullopt, 300},
    Eleccion{"FijaRetenidaRedondeada", 60, F, 140.0, 150}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct Eje {
    const char* name;
    double Escala;
    std::vector<std::string> rotulos;  // top, bottom, then half-way up and down
    std::size_t marcas;
    friend void PrintTo(const Eje& row, std::ostream* os) { *os << row.name; }
};

class EjeFijoTest : public testing::TestWithParam<Eje> {};

// On Form2's 7000 × 6000 area: Escala reaches 2700 twips up (y = 300) and a tick stands at every
// tenth of it.
TEST_P(EjeFijoTest, MarcasCadaDecimoYRotulosEnLaMitadYAlFinal) {
    const Eje& f = GetParam();
    canvas::Picture picture{7000, 6000};
    EscalaVertical(picture, f.Escala, F);
    std::vector<std::string> rotulos;
    std::vector<float> ys;
    std::size_t marcas = 0;
    for (const canvas::Op& op : picture.ops()) {
        if (const auto* t = std::get_if<canvas::TextOp>(&op)) {
            rotulos.push_back(t->text);
            ys.push_back(t->at.y);
        }
        marcas += std::holds_alternative<canvas::LineOp>(op);
    }
    EXPECT_EQ(rotulos, f.rotulos);
    ASSERT_EQ(ys.size(), 4u);
    EXPECT_FLOAT_EQ(ys[0], 300);
    EXPECT_FLOAT_EQ(ys[2], 1650);
    EXPECT_EQ(marcas, f.marcas);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Escala, EjeFijoTest, testing::Values(
    Eje{"Cien", 100, {"100", "-100", "50", "-50"}, 21},
    Eje{"CientoCincuenta", 150, {"150", "-150", "75", "-75"}, 21},
    Eje{"Trescientos", 300, {"300", "-300", "150", "-150"}, 21}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace trazalia::diagram
