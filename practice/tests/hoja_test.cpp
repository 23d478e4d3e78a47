// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet's layout on both papers and at every length: nothing cut across pages, exercises
// apart, everything on its page, each frame's grid through its origin at a true scale.

#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "practice/hoja.h"

namespace trazalia::practice {
namespace {

struct Caso {
    Papel papel;
    int ejercicios;
    Metodo metodo;
};

class HojaTest : public testing::TestWithParam<Caso> {};

TEST_P(HojaTest, LaysEveryExerciseOutWholeOnOnePage) {
    OpcionesDeHoja opciones;
    opciones.papel = GetParam().papel;
    opciones.ejercicios = GetParam().ejercicios;
    opciones.metodo = GetParam().metodo;
    opciones.semilla = 99;
    opciones.nivel = Nivel::Dificil;
    const Hoja hoja = ComponerHoja(opciones);
    ASSERT_EQ(hoja.enunciados.size(), static_cast<std::size_t>(GetParam().ejercicios));
    ASSERT_EQ(hoja.soluciones.size(), hoja.enunciados.size());
    for (const std::vector<Bloque>* bloques : {&hoja.enunciados, &hoja.soluciones}) {
        for (std::size_t i = 0; i < bloques->size(); ++i) {
            const Bloque& b = (*bloques)[i];
            SCOPED_TRACE(testing::Message() << "ejercicio " << i + 1);
            EXPECT_GT(b.arriba, 0);
            EXPECT_LT(b.abajo, hoja.alto - kCm);  // within the bottom margin
            EXPECT_EQ(b.cuadro.pagina, b.pagina);
            if (i == 0) continue;
            const Bloque& antes = (*bloques)[i - 1];
            EXPECT_GE(b.pagina, antes.pagina);
            if (b.pagina == antes.pagina) {
                EXPECT_GE(b.arriba - antes.abajo, kCm);
            }
        }
    }
    // Solutions begin on a page after the last exercise.
    EXPECT_GT(hoja.soluciones.front().pagina, hoja.enunciados.back().pagina);
    EXPECT_EQ(static_cast<std::size_t>(hoja.soluciones.back().pagina) + 1, hoja.paginas.size());
    for (const auto& pagina : hoja.paginas)
        for (const ElementoDeHoja& e : pagina)
            if (const auto* t = std::get_if<TrazoDeHoja>(&e)) {
                for (const diagram::Punto& p : {t->desde, t->hasta}) {
                    EXPECT_TRUE(p.x >= 0 && p.x <= hoja.ancho && p.y >= 0 && p.y <= hoja.alto);
                }
            }
}

INSTANTIATE_TEST_SUITE_P(
    Papeles, HojaTest,
    testing::Values(Caso{Papel::A4, 1, Metodo::Ambos}, Caso{Papel::A4, 3, Metodo::Poligono},
                    Caso{Papel::Carta, 2, Metodo::Paralelogramo},
                    Caso{Papel::Carta, 7, Metodo::Ambos}, Caso{Papel::A4, 200, Metodo::Ambos}),
    [](const auto& info) {
        return std::string(Nombre(info.param.papel)) + "_" +
               std::to_string(info.param.ejercicios) + "_" +
               std::string(Nombre(info.param.metodo));
    });

// Each frame holds its whole construction, half a centimetre from its edges, the origin on a
// grid line; the solutions' frames are the exercises' own.
TEST(Hoja, FramesHoldTheirConstructionAtTheirScale) {
    OpcionesDeHoja opciones;
    opciones.ejercicios = 200;
    opciones.semilla = 3;
    opciones.nivel = Nivel::Dificil;
    const Hoja hoja = ComponerHoja(opciones);
    for (std::size_t i = 0; i < hoja.ejercicios.size(); ++i) {
        const Cuadro& c = hoja.enunciados[i].cuadro;
        const Cuadro& s = hoja.soluciones[i].cuadro;
        EXPECT_EQ(c.unidadesPorCm, s.unidadesPorCm);
        EXPECT_DOUBLE_EQ(c.origen.x - c.x0, s.origen.x - s.x0);
        EXPECT_NEAR(std::remainder(c.origen.x - c.x0, kCm), 0, 1e-6);
        EXPECT_NEAR(std::remainder(c.origen.y - c.y0, kCm), 0, 1e-6);
        double x = 0, y = 0;
        for (const Componentes& v : hoja.respuestas[i].componentes) {
            for (auto [px, py] : {std::pair{v.x, v.y}, std::pair{x += v.x, y += v.y}}) {
                const double X = c.origen.x + px * kCm / c.unidadesPorCm;
                const double Y = c.origen.y - py * kCm / c.unidadesPorCm;
                EXPECT_TRUE(X >= c.x0 + kCm / 2 - 1e-6 && X <= c.x1 - kCm / 2 + 1e-6 &&
                            Y >= c.y0 + kCm / 2 - 1e-6 && Y <= c.y1 - kCm / 2 + 1e-6)
                    << "ejercicio " << i + 1;
            }
        }
    }
}

TEST(Hoja, StatesTheVectorsInWords) {
    EXPECT_EQ(Enunciado({{80, 30}, {50, 135}}), "A: 80 unidades a 30°; B: 50 unidades a 135°");
}

}  // namespace
}  // namespace trazalia::practice
