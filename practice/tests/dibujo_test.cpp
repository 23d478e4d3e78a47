// SPDX-License-Identifier: GPL-3.0-or-later
// What practice draws: lines wrapped by the face's measure, the verdict's corner, a point of the
// picture as a guess, and what a press on the picture starts. The trace of each drawing is the
// golden scripts' (app/tests/guiones/practica_*).
#include "practice/dibujo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/picture.h"
#include "practice/pulsacion.h"

namespace trazalia::practice {
namespace {

using Lineas = std::vector<std::string>;

// Vector n drawn from the origin of a picture of Form2's size (7000 × 6000 twips) to that tip.
diagram::Trazo Trazo(int n, diagram::Punto hasta) {
    diagram::Trazo t;
    t.vector = n;
    t.desde = {3500, 3000};
    t.hasta = hasta;
    return t;
}

// A face whose font is twice as wide for capitals.
double Versalitas(std::string_view texto) {
    double ancho = 0;
    for (char c : texto) ancho += c >= 'A' && c <= 'Z' ? 200 : 100;
    return ancho;
}

TEST(Renglones, WrapByTheMeasureGiven) {
    // 5 characters of 95 twips fill 475 exactly; an accented letter is one character.
    EXPECT_EQ(Renglones("ab cd ef", 475), (Lineas{"ab cd", "ef"}));
    EXPECT_EQ(Renglones("áé ío ú", 475), (Lineas{"áé ío", "ú"}));
    EXPECT_EQ(Renglones("a  muylargapalabra b", 475), (Lineas{"a", "muylargapalabra", "b"}));
    EXPECT_EQ(Renglones("AB cd ef", 700, Versalitas), (Lineas{"AB cd", "ef"}));
    EXPECT_EQ(Renglones("AB CD ef", 700, Versalitas), (Lineas{"AB", "CD ef"}));
}

struct Lugar {
    const char* name;
    std::vector<diagram::Punto> hasta;  // strokes from the origin
    std::optional<Intento> intento;
    bool ecuacion;
    diagram::Punto esperado;
    friend void PrintTo(const Lugar& row, std::ostream* os) { *os << row.name; }
};

class LugarDelVeredictoTest : public testing::TestWithParam<Lugar> {};

TEST_P(LugarDelVeredictoTest, TakesTheCornerTheFigureCrossesLeast) {
    const Lugar& row = GetParam();
    canvas::Picture lienzo(7000, 6000);
    diagram::Resultado dibujo;
    dibujo.Escala = 100;
    for (const diagram::Punto& h : row.hasta) dibujo.trazos.push_back(Trazo(1, h));
    const diagram::Punto en = LugarDelVeredicto(lienzo, dibujo, row.intento, 2, row.ecuacion);
    EXPECT_DOUBLE_EQ(en.x, row.esperado.x);
    EXPECT_DOUBLE_EQ(en.y, row.esperado.y);
}

// The right-hand corners start at 0.62 of the width; two lines of 190 end 45 above the bottom,
// or a line and two margins higher with the equation.
INSTANTIATE_TEST_SUITE_P(
    Esquinas, LugarDelVeredictoTest,
    testing::Values(
        Lugar{"NadaQueCubrir", {}, std::nullopt, false, {60, 45}},
        Lugar{"TrazoArribaALaIzquierda", {{0, 0}}, std::nullopt, false, {4340, 45}},
        Lugar{"SoloAbajoALaDerechaLibre",
              {{0, 0}, {7000, 0}, {0, 6000}},
              std::nullopt,
              false,
              {4340, 5575}},
        Lugar{"ConLaEcuacion", {{0, 0}, {7000, 0}, {0, 6000}}, std::nullopt, true, {4340, 5295}},
        // Its tip at (2632, 405): in the top left corner.
        Lugar{"ElIntentoCuenta", {}, Intento{100, 106}, false, {4340, 45}}),
    [](const testing::TestParamInfo<Lugar>& p) { return std::string(p.param.name); });

TEST(IntentoEn, RoundsToHundredthsWithinATurn) {
    // 2700 twips up or down is the whole scale of 100; 0.45 · 7000 = 3150 to the right.
    const auto abajo = IntentoEn({3500, 5700}, 7000, 6000, 100, diagram::Escalado::Adaptativa);
    ASSERT_TRUE(abajo);
    EXPECT_DOUBLE_EQ(abajo->r, 100);
    EXPECT_DOUBLE_EQ(abajo->direccion, 270);
    const auto cerca = IntentoEn({3510, 3000}, 7000, 6000, 100, diagram::Escalado::Adaptativa);
    EXPECT_DOUBLE_EQ(cerca->r, 0.32);
    EXPECT_DOUBLE_EQ(cerca->direccion, 0);
    EXPECT_FALSE(IntentoEn({3500, 5700}, 7000, 6000, 0, diagram::Escalado::Adaptativa));
}

struct Presion {
    const char* name;
    diagram::Punto p;
    bool pendiente;
    double alcance;  // a tip's reach at the window's zoom
    Gesto gesto;
    friend void PrintTo(const Presion& row, std::ostream* os) { *os << row.name; }
};

class QueEmpiezaTest : public testing::TestWithParam<Presion> {};

// Vector 2's tip at (5000, 3000), vector 1 of length 0 at the origin.
TEST_P(QueEmpiezaTest, OneGestureAPress) {
    const Presion& row = GetParam();
    diagram::Resultado dibujo;
    dibujo.redibujo = true;
    dibujo.trazos = {Trazo(1, {3500, 3000}), Trazo(2, {5000, 3000})};
    const Pulsacion p = QueEmpieza(dibujo, row.p, 7000, 6000, row.pendiente, row.alcance);
    EXPECT_EQ(p.gesto, row.gesto);
    EXPECT_EQ(p.vector, row.gesto == Gesto::Punta ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Filas, QueEmpiezaTest,
    testing::Values(
        Presion{"Punta", {5100, 3000}, false, 150, Gesto::Punta},
        Presion{"LejosDeLaPunta", {5200, 3000}, false, 150, Gesto::Nada},
        Presion{"ElOrigenSinEjercicio", {3500, 3000}, false, 150, Gesto::Nada},
        Presion{"IntentoDesdeElOrigen", {3600, 3100}, true, 150, Gesto::Intento},
        Presion{"FueraDelOrigen", {3700, 3100}, true, 150, Gesto::Nada},
        Presion{"PuntaDelEjercicio", {5150, 3000}, true, 150, Gesto::Rehusado},
        // At zoom 50 % a drag reaches 300 twips: the exercise's tip still holds.
        Presion{"PuntaDelEjercicioLejosAlAlejar", {5250, 3000}, true, 300, Gesto::Rehusado}),
    [](const testing::TestParamInfo<Presion>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace trazalia::practice
