// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/ejercicio.h"
#include "practice/cuadro.h"
#include "practice/generador.h"
#include "practice/tests/ventanas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "practice/hoja.h"
#include "practice/veredicto.h"

namespace trazalia::practice {
namespace {

// The first exercises of seed 20261207. These literals guard "the same on every machine": they
// may only change if the exercises of every existing worksheet and script change too.
struct Semilla {
    const char* name;
    Nivel nivel;
    Ventana ventana;
    std::vector<Ejercicio> primeros;
    friend void PrintTo(const Semilla& row, std::ostream* os) { *os << row.name; }
};

class SemillaTest : public testing::TestWithParam<Semilla> {};

TEST_P(SemillaTest, DaLosMismosEjercicios) {
    const Semilla& row = GetParam();
    Generador generador(20261207, row.nivel, row.ventana);
    for (const Ejercicio& esperado : row.primeros) EXPECT_EQ(generador.Siguiente(), esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Semilla20261207, SemillaTest,
    testing::Values(Semilla{"Form2_facil",
                            Nivel::Facil,
                            Form2(),
                            {{{90, 315}, {50, 30}}, {{50, 300}, {80, 45}}, {{30, 210}, {70, 330}}}},
                    Semilla{"Form2_medio",
                            Nivel::Medio,
                            Form2(),
                            {{{100, 105}, {55, 315}}, {{60, 0}, {35, 135}}, {{45, 30}, {65, 300}}}},
                    Semilla{"Form2_dificil",
                            Nivel::Dificil,
                            Form2(),
                            {{{86, 343}, {98, 138}}, {{61, 3}, {35, 137}}, {{26, 321}, {37, 66}}}},
                    Semilla{"Form3_facil",
                            Nivel::Facil,
                            Form3(),
                            {{{40, 330}, {90, 330}, {100, 135}}, {{30, 240}, {90, 45}, {60, 180}}}},
                    Semilla{"Form3_medio",
                            Nivel::Medio,
                            Form3(),
                            {{{40, 345}, {85, 330}, {100, 135}}, {{30, 240}, {90, 45}, {65, 180}}}},
                    Semilla{"Form3_dificil",
                            Nivel::Dificil,
                            Form3(),
                            {{{80, 20}, {94, 70}, {94, 297}}, {{46, 273}, {61, 3}, {35, 137}}}}),
    [](const auto& info) { return std::string(info.param.name); });

// What each level allows, as the menus describe it.
struct Valores {
    const char* name;
    Nivel nivel;
    int pasoDeMagnitud;
    int minima;
    bool (*direccionValida)(int);
    friend void PrintTo(const Valores& row, std::ostream* os) { *os << row.name; }
};

class NivelTest : public testing::TestWithParam<Valores> {};

// Over many exercises in both windows: every value is one the level allows, every value it allows
// turns up, no resultant is shorter than 10 units, every mistake can be told from the answer, and a
// worksheet's frame holds it.
TEST_P(NivelTest, SoloYTodosLosValoresDelNivel) {
    const Valores& row = GetParam();
    std::set<int> magnitudes, direcciones;
    for (Ventana ventana : {Form2(), Form3()}) {
        Generador generador(7, row.nivel, ventana);
        for (int i = 0; i < 3000; ++i) {
            double x = 0, y = 0;
            const Ejercicio e = generador.Siguiente();
            ASSERT_EQ(static_cast<int>(e.size()), NumeroDeVectores(ventana));
            for (const diagram::Entrada& v : e) {
                ASSERT_TRUE(v.m >= row.minima && v.m <= 100 && v.m % row.pasoDeMagnitud == 0)
                    << v.m;
                ASSERT_TRUE(v.d >= 0 && v.d < 360 && row.direccionValida(v.d)) << v.d;
                magnitudes.insert(v.m);
                direcciones.insert(v.d);
                x += v.m * std::cos(v.d * std::numbers::pi / 180);
                y += v.m * std::sin(v.d * std::numbers::pi / 180);
            }
            ASSERT_GE(std::hypot(x, y), 9.999);
            ASSERT_TRUE(SeDistinguen(ventana, e));
            ASSERT_TRUE(EscalaDeHoja(RespuestaDe(ventana, e).componentes));
        }
    }
    EXPECT_EQ(static_cast<int>(magnitudes.size()), 90 / row.pasoDeMagnitud + 1);
    int validas = 0;
    for (int d = 0; d < 360; ++d) validas += row.direccionValida(d);
    EXPECT_EQ(static_cast<int>(direcciones.size()), validas);
}

INSTANTIATE_TEST_SUITE_P(
    Niveles, NivelTest,
    testing::Values(Valores{"facil", Nivel::Facil, 10, 10,
                            [](int d) { return d % 30 == 0 || d % 45 == 0; }},
                    Valores{"medio", Nivel::Medio, 5, 10, [](int d) { return d % 15 == 0; }},
                    Valores{"dificil", Nivel::Dificil, 1, 10, [](int) { return true; }}),
    [](const auto& info) { return std::string(info.param.name); });

// Form4's coefficients, in halves, as each level draws them: every allowed value comes out, and
// no other.
TEST(Coeficientes, CadaNivelSorteaLosSuyos) {
    const std::vector<std::pair<Nivel, std::set<int>>> niveles{
        {Nivel::Facil, {-2, 2}},
        {Nivel::Medio, {-6, -4, -2, 2, 4, 6}},
        {Nivel::Dificil, {-7, -6, -5, -4, -3, -2, -1, 1, 2, 3, 4, 5, 6, 7}}};
    for (const auto& [nivel, permitidos] : niveles) {
        Generador generador(5, nivel, Form4());
        std::set<int> vistos;
        std::set<std::pair<int, int>> faciles;
        for (int n = 0; n < 400; ++n) {
            const Ejercicio e = generador.Siguiente();
            ASSERT_EQ(e.coeficientes.size(), 2U);
            vistos.insert(e.coeficientes.begin(), e.coeficientes.end());
            faciles.insert({e.coeficientes[0], e.coeficientes[1]});
        }
        EXPECT_EQ(vistos, permitidos) << Nombre(nivel);
        // The easy level asks for a − b, b − a and a + b.
        if (nivel == Nivel::Facil) {
            EXPECT_EQ(faciles, (std::set<std::pair<int, int>>{{2, -2}, {-2, 2}, {2, 2}}));
        }
    }
    EXPECT_TRUE(Generador(5, Nivel::Medio, Form2()).Siguiente().coeficientes.empty());
}

// The exercise given should no draw be acceptable is itself acceptable, with values of every level.
TEST(Reserva, EsAceptableEnCadaVentana) {
    for (Ventana ventana : {Form2(), Form3(), Form4()}) {
        Ejercicio e = ventana->reserva();
        e.coeficientes = ventana->coeficientesDeReserva();
        ASSERT_EQ(static_cast<int>(e.size()), NumeroDeVectores(ventana));
        EXPECT_TRUE(Aceptable(ventana, e));
        for (const diagram::Entrada& v : e)
            EXPECT_TRUE(v.m % 10 == 0 && (v.d % 30 == 0 || v.d % 45 == 0)) << v.m << " " << v.d;
    }
}

// A worksheet of one method is that window's practice; with both methods they alternate, the first
// being the parallelogram's practice.
TEST(Hoja, EsLaPracticaDeCadaVentana) {
    for (const auto& [metodo, ventana] : {std::pair{Form2(), Form2()}, {Form3(), Form3()}}) {
        Generador practica(99, Nivel::Medio, ventana);
        for (const EjercicioDeHoja& e : EjerciciosDeHoja(99, Nivel::Medio, metodo, 3)) {
            EXPECT_EQ(e.ventana, ventana);
            EXPECT_EQ(e.vectores, practica.Siguiente());
        }
    }
    const auto ambos = EjerciciosDeHoja(99, Nivel::Medio, kAmbos, 4);
    ASSERT_EQ(ambos.size(), 4U);
    EXPECT_EQ(ambos[0].vectores, Generador(99, Nivel::Medio, Form2()).Siguiente());
    for (std::size_t i = 0; i < ambos.size(); ++i)
        EXPECT_EQ(ambos[i].ventana, i % 2 == 0 ? Form2() : Form3());
}

TEST(Nombres, DeNivelesYMetodos) {
    for (Nivel n : {Nivel::Facil, Nivel::Medio, Nivel::Dificil})
        EXPECT_EQ(NivelDeNombre(Nombre(n)), n);
    EXPECT_EQ(Nombre(Nivel::Dificil), "dificil");
    EXPECT_EQ(NombreVisible(Nivel::Dificil), "Difícil");
    EXPECT_EQ(NivelDeNombre("Difícil"), std::nullopt);
    EXPECT_EQ(SeleccionDeNombre("poligono"), Form3());
    EXPECT_EQ(SeleccionDeNombre("polígono"), std::nullopt);
}

}  // namespace
}  // namespace trazalia::practice
