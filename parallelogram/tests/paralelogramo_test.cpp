// SPDX-License-Identifier: GPL-3.0-or-later
#include "parallelogram/paralelogramo.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "canvas/picture.h"
#include "diagram/tests/controles_de_prueba.h"

namespace trazalia::parallelogram {
namespace {

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
    diagram::ControlesDePrueba form;
    canvas::Picture picture(7000, 6000);
    Paralelogramo metodo(form, picture);
    metodo.Form_Load();
    form.barras = {{1, f.m1}, {2, f.m2}, {3, f.d1}, {4, f.d2}};
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

}  // namespace
}  // namespace trazalia::parallelogram
