// SPDX-License-Identifier: GPL-3.0-or-later
// What each view adds to one fixed picture: two vectors laid head to tail and their resultant,
// traced with and without it.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "canvas/picture.h"
#include "canvas/trace_writer.h"
#include "diagram/vistas.h"

namespace trazalia::diagram {
namespace {

using enum Vista;

constexpr Punto kO{3500, 3000};
constexpr Punto kA{5000, 2000};  // A = (50, 33.33) at 30 twips per unit
constexpr Punto kR{4100, 1100};  // R = A + B = (20, 63.33)

// What a method window's event did for this figure.
Resultado Figura() {
    Resultado r;
    r.redibujo = true;
    r.vectores = {{60, 34}, {50, 121}};
    r.Escala = 100;
    r.r = 66.42;
    r.direccion = 72.47;
    r.resultante = true;
    r.trazos = {{1, kO, kA, canvas::Color{255, 0, 0}, 50, 33.33, true},
                {2, kA, kR, canvas::Color{0, 255, 0}, -30, 30, false},
                {0, kO, kR, canvas::kBlack, 20, 63.33, true}};
    return r;
}

std::string Traza(std::vector<Vista> activas) {
    Vistas vistas;
    for (Vista v : activas) vistas.Poner(v, true);
    canvas::Picture picture(7000, 6000);
    std::ostringstream salida;
    canvas::TraceWriter writer(salida);
    canvas::PictureTrace trace(writer, "P");
    const auto escucha = picture.AddListener(&trace);
    LienzoConVistas lienzo(picture);
    lienzo.PonerVistas(vistas);
    // The figure as a diagram draws it: an axis, the vectors and their heads.
    lienzo.Cls();
    lienzo.SetDrawWidth(2);
    lienzo.Line(3500, 300, 3500, 5700);
    const Resultado figura = Figura();
    for (const Trazo& t : figura.trazos) {
        lienzo.Line(static_cast<float>(t.desde.x), static_cast<float>(t.desde.y),
                    static_cast<float>(t.hasta.x), static_cast<float>(t.hasta.y), t.color);
        lienzo.Circle(static_cast<float>(t.hasta.x), static_cast<float>(t.hasta.y), 60, t.color,
                      0.5F, 1.0F);
    }
    DibujarVistas(lienzo, figura, vistas);
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

TEST(VistaTest, WithoutViewsThePictureIsTheFigureAlone) {
    EXPECT_EQ(Traza({}),
              "P Cls\nP DrawWidth 2\nP Line 3500 300 3500 5700 fore\n"
              "P Line 3500 3000 5000 2000 #ff0000\nP Circle 5000 2000 60 #ff0000 0.5 1\n"
              "P Line 5000 2000 4100 1100 #00ff00\nP Circle 4100 1100 60 #00ff00 0.5 1\n"
              "P Line 3500 3000 4100 1100 #000000\nP Circle 4100 1100 60 #000000 0.5 1\n");
}

INSTANTIATE_TEST_SUITE_P(
    Vistas, VistaTest,
    testing::Values(
        // Thin grey lines at the ticks, straight after Cls, so that the figure covers them.
        Fila{"Cuadricula",
             {Cuadricula},
             24,
             {"P Cls\nP DrawWidth 1\nP Line 350 300 350 5700 #f0f0f0\n",
              "P Line 350 5700 6650 5700 #f0f0f0\nP DrawWidth 1\nP DrawWidth 2\n"}},
        // A and R drawn from the origin, each in its colour darkened until it reads at 4.5:1;
        // the copy laid head to tail has no label of its own.
        Fila{"Rotulos", {Rotulos}, 2, {"sw #c30000 \"A\"", "s #000000 \"R\""}},
        // Thin dashed lines from the tips of A and R to both axes, and their four values.
        Fila{"Componentes",
             {Componentes},
             10,
             {"P DrawWidth 1\nP Line 5000 2000 5000 3000 #ff0000 dashed",
              "P Line 4100 1100 3500 1100 #000000 dashed\nP DrawWidth 2\n", "\"Ax = 50.00\"",
              "\"Ay = 33.33\"", "\"Rx = 20.00\"", "\"Ry = 63.33\""}},
        Fila{"Ecuacion",
             {Ecuacion},
             1,
             {"P Text 60 5955 sw #000000 \"R = A + B = (20.00, 63.33);  |R| = 66.42;  "
              "α = 72.47°\""}},
        // Doubled widths, and heads of twice the radius about the same tips.
        Fila{"Grueso",
             {Grueso},
             1,
             {"P DrawWidth 4\n", "P Circle 4956.0986 2040.8983 120 #ff0000 ",
              "P Circle 4056.0986 1140.8983 120 #000000 "}},
        // Only the pure green changes.
        Fila{"Contraste", {Contraste, Rotulos}, 2, {"4100 1100 #008000\n", "60 #008000 0.5"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace trazalia::diagram
