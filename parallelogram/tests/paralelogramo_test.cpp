// SPDX-License-Identifier: GPL-3.0-or-later
#include "parallelogram/paralelogramo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "canvas/picture.h"
#include "diagram/tests/controles_de_prueba.h"

namespace trazalia::parallelogram {
namespace {

// Form2 loaded on its picture, with its bars at these values.
struct Form2 {
    Form2(int m1, int d1, int m2, int d2) {
        metodo.Form_Load();
        form.barras = {{1, m1}, {2, m2}, {3, d1}, {4, d2}};
    }
    diagram::ControlesDePrueba form;
    canvas::Picture picture{7000, 6000};
    Paralelogramo metodo{form, picture};
};

struct Fila {
    const char* nombre;
    int m1, d1, m2, d2;
    const char* r;     // Label10 after "Graficar Paralelogramo"
    const char* alfa;  // Label12
    bool dibuja;       // the click redraws Picture1
    friend void PrintTo(const Fila& f, std::ostream* os) { *os << f.nombre; }
};

class Clic : public testing::TestWithParam<Fila> {};

// The resultant's read-outs from the window's own computation: components with 3.1416, the
// direction read back with 3.14159, and no direction for a resultant of a thousandth or less.
TEST_P(Clic, WritesTheResultantsReadOuts) {
    const Fila& f = GetParam();
    Form2 ventana(f.m1, f.d1, f.m2, f.d2);
    auto& [form, picture, metodo] = ventana;
    form.escritos.clear();
    const diagram::Resultado hecho = metodo.Command1_Click();

    const std::vector<std::pair<int, std::string>> esperados{{5, std::to_string(f.m1)},
                                                             {6, std::to_string(f.m2)},
                                                             {7, std::to_string(f.d1)},
                                                             {8, std::to_string(f.d2)},
                                                             {10, f.r},
                                                             {12, f.alfa}};
    EXPECT_EQ(form.escritos, esperados);
    EXPECT_EQ(hecho.redibujo, f.dibuja);
    EXPECT_EQ(hecho.resultante, f.dibuja);
    EXPECT_EQ(picture.ops().empty(), !f.dibuja);
    // A live redraw draws the same vectors and leaves the resultant's read-outs alone.
    form.escritos.clear();
    EXPECT_FALSE(metodo.HScroll_Change().resultante);
    EXPECT_EQ(form.escritos.size(), 4U);
}

INSTANTIATE_TEST_SUITE_P(
    Paralelogramo, Clic,
    testing::Values(Fila{"RectoA45", 100, 0, 100, 90, "141.42", "45.00", true},
                    Fila{"TercerCuadrante", 70, 200, 40, 250, "100.50", "217.75", true},
                    Fila{"CuartoCuadrante", 60, 300, 30, 10, "75.71", "321.86", true},
                    // Opposite vectors leave a few ten-thousandths with 3.1416: no direction.
                    Fila{"OpuestosSinDireccion", 50, 0, 50, 180, "0.00", "Indefinido", true},
                    // Nothing to draw: the picture stays as it was.
                    Fila{"AmbosCero", 0, 30, 0, 60, "0.00", "Indefinido", false},
                    Fila{"UnoSolo", 0, 0, 80, 135, "80.00", "135.00", true}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct FilaDeEscala {
    const char* nombre;
    int m1, d1, m2, d2;
    diagram::Escalado escalado;
    std::optional<double> retenida;
    double Escala;       // of the picture
    const char* arriba;  // the axis's top text
    double x1;           // where vector 1's tip is drawn
    const char* r;       // Label10
    friend void PrintTo(const FilaDeEscala& f, std::ostream* os) { *os << f.nombre; }
};

class EscalaTest : public testing::TestWithParam<FilaDeEscala> {};

// The round scale holds the resultant too; a held scale maps the tips and writes the axis texts,
// and leaves the read-outs to the vectors.
TEST_P(EscalaTest, EscalaRotuloYPunta) {
    const FilaDeEscala& f = GetParam();
    Form2 ventana(f.m1, f.d1, f.m2, f.d2);
    auto& [form, picture, metodo] = ventana;
    metodo.setEscalado(f.escalado, f.retenida);
    EXPECT_EQ(metodo.EscalaSiguiente(), f.Escala);
    form.escritos.clear();
    const diagram::Resultado hecho = metodo.Command1_Click();
    EXPECT_EQ(hecho.Escala, f.Escala);
    EXPECT_NEAR(hecho.trazos.at(0).hasta.x, f.x1, 1e-6);
    const auto arriba = std::find_if(picture.ops().begin(), picture.ops().end(), [](auto& op) {
        const auto* t = std::get_if<canvas::TextOp>(&op);
        const auto* p = std::get_if<canvas::PrintOp>(&op);
        return (t && t->at.y < 1000) || (p && p->at.y < 1000);
    });
    ASSERT_NE(arriba, picture.ops().end());
    const auto* t = std::get_if<canvas::TextOp>(&*arriba);
    EXPECT_EQ(t ? t->text : std::get<canvas::PrintOp>(*arriba).text, f.arriba);
    EXPECT_EQ(form.escritos.at(4), (std::pair<int, std::string>{10, f.r}));
}

constexpr auto kA = diagram::Escalado::Adaptativa;
constexpr auto kF = diagram::Escalado::Fija;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Paralelogramo, EscalaTest, testing::Values(
    // Adaptive: 50 units reach 0.45 of 7000 twips right of the origin, unless 120 are held.
    FilaDeEscala{"AdaptativaLaDelVector", 50, 0, 0, 0, kA, std::nullopt, 50, "50.00", 6650,
                 "50.00"},
    FilaDeEscala{"AdaptativaRetenida", 50, 0, 0, 0, kA, 120.0, 120, "120.00",
                 3500 + 3150 * 50 / 120.0, "50.00"},
    // Fixed: the round scale reaches 2700 twips, the shorter half-axis.
    FilaDeEscala{"FijaRCien", 100, 0, 0, 0, kF, std::nullopt, 100, "100", 6200, "100.00"},
    FilaDeEscala{"FijaRPasaCien", 100, 0, 1, 90, kF, std::nullopt, 150, "150", 5300, "100.00"},
    FilaDeEscala{"FijaCienA45DosVeces", 100, 45, 100, 45, kF, std::nullopt, 200, "200",
                 3500 + 1350 * std::cos(45 * 3.1416 / 180), "200.00"},
    FilaDeEscala{"FijaRetenida", 50, 0, 0, 0, kF, 140.0, 150, "150", 4400, "50.00"}),
    [](const auto& info) { return std::string(info.param.nombre); });
// clang-format on

}  // namespace
}  // namespace trazalia::parallelogram
