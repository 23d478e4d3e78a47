// SPDX-License-Identifier: GPL-3.0-or-later
// What each view adds to one fixed picture: step 1 of the polygon, traced with and without it.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "canvas/picture.h"
#include "canvas/trace_writer.h"
#include "diagram/tests/controles_de_prueba.h"
#include "diagram/vistas.h"
#include "polygon/poligono.h"

namespace trazalia::diagram {
namespace {

using enum Vista;

std::string Traza(std::vector<Vista> activas) {
    Vistas vistas;
    for (Vista v : activas) vistas.Poner(v, true);
    ControlesDePrueba form;
    canvas::Picture picture(7000, 6000);
    std::ostringstream salida;
    canvas::TraceWriter writer(salida);
    canvas::PictureTrace trace(writer, "P");
    const auto escucha = picture.AddListener(&trace);
    LienzoConVistas lienzo(picture);
    lienzo.PonerVistas(vistas);
    polygon::Poligono metodo(form, lienzo);
    metodo.Form_Load();
    form.barras = {{1, 50}, {2, 70}, {3, 30}, {4, 20}, {5, 120}, {6, 250}, {7, 1}};
    DibujarVistas(lienzo, metodo.HScroll7_Change(), vistas);
    return salida.str();
}

struct Fila {
    const char* nombre;
    std::vector<Vista> vistas;
    long anadidas;                  // trace lines beyond those of the picture without views
    std::vector<const char*> solo;  // found in its trace only, not in the one without views
    friend void PrintTo(const Fila& f, std::ostream* os) { *os << f.nombre; }
};

class VistaTest : public testing::TestWithParam<Fila> {};

TEST_P(VistaTest, AddsItsOperationsAndNothingElse) {
    static const std::string sin = Traza({});
    const std::string con = Traza(GetParam().vistas);
    const auto lineas = [](const std::string& s) { return std::count(s.begin(), s.end(), '\n'); };
    EXPECT_EQ(lineas(con) - lineas(sin), GetParam().anadidas) << con;
    for (const char* texto : GetParam().solo) {
        EXPECT_NE(con.find(texto), std::string::npos) << texto << '\n' << con;
        EXPECT_EQ(sin.find(texto), std::string::npos) << texto;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Vistas, VistaTest,
    testing::Values(
        // Thin grey lines at the ticks, straight after Cls, so that the diagram covers them.
        Fila{"Cuadricula",
             {Cuadricula},
             24,
             {"P Cls\nP DrawWidth 1\nP Line 350 300 350 5700 #f0f0f0\n",
              "P Line 350 5700 6650 5700 #f0f0f0\nP DrawWidth 2\nP Line 3500 300 3500 5700 fore"}},
        // A from the origin, its chained copies B and C, and R, each in its colour darkened
        // until it reads at 4.5:1: red and green are too light as they are.
        Fila{"Rotulos",
             {Rotulos},
             4,
             {"w #c30000 \"A\"", "#0000ff \"B\"", "#007000 \"C\"", "#000000 \"R\""}},
        // Dashed lines from the tips of A and R to both axes, thin, and their four values.
        Fila{"Componentes",
             {Componentes},
             10,
             {"P DrawWidth 1\nP Line 5381.9854 2412.8672 5381.9854 3000 #ff0000 dashed",
              "\"Ax = 46.98\"", "\"Ay = 17.10\"", "\"Rx = 1.72\"", "\"Ry = 49.53\""}},
        Fila{"Ecuacion",
             {Ecuacion},
             1,
             {"P Text 60 5955 sw #000000 \"R = A + B + C = (1.72, 49.53);  |R| = 49.56;  "
              "α = 88.01°\""}},
        // Doubled widths, and heads of radius 120 with the same tips.
        Fila{"Grueso", {Grueso}, 0, {"P DrawWidth 4", " 120 #ff0000 ", " 120 #000000 "}},
        // Only the pure green changes, on lines and texts alike.
        Fila{"Contraste", {Contraste, Rotulos}, 4, {"#008000\n", "#008000 \"C\""}}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace trazalia::diagram
