// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet's layout on both papers and at every length: nothing cut across pages, exercises
// apart, everything on its page, each frame's grid through its origin at a true scale.

#include <gtest/gtest.h>

#include <set>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

#include "practice/cuadro.h"
#include "practice/hoja.h"
#include "practice/tests/ventanas.h"

namespace trazalia::practice {
namespace {

struct Caso {
    Papel papel;
    int ejercicios;
    Seleccion metodo;
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
    for (const canvas::Picture& pagina : hoja.paginas)
        for (const canvas::Op& op : pagina.ops())
            if (const auto* t = std::get_if<canvas::StrokeOp>(&op)) {
                for (const canvas::Point& p : {t->from, t->to}) {
                    EXPECT_TRUE(p.x >= 0 && p.x <= hoja.ancho && p.y >= 0 && p.y <= hoja.alto);
                }
            }
}

INSTANTIATE_TEST_SUITE_P(Papeles, HojaTest,
                         testing::Values(Caso{Papel::A4, 1, kAmbos}, Caso{Papel::A4, 3, Form3()},
                                         Caso{Papel::Carta, 2, Form2()},
                                         Caso{Papel::Carta, 7, kAmbos},
                                         Caso{Papel::A4, 200, kAmbos}),
                         [](const auto& info) {
                             return std::string(Nombre(info.param.papel)) + "_" +
                                    std::to_string(info.param.ejercicios) + "_" +
                                    std::string(NombreDeSeleccion(info.param.metodo));
                         });

// Each frame holds its whole construction, half a centimetre from its edges, around the origin at
// its centre, with every arrow at least a centimetre long; the solutions' frames are the
// exercises' own.
TEST(Hoja, FramesHoldTheirConstructionAtTheirScale) {
    OpcionesDeHoja opciones;
    opciones.ejercicios = 200;
    opciones.semilla = 3;
    opciones.nivel = Nivel::Dificil;
    const Hoja hoja = ComponerHoja(opciones);
    for (std::size_t i = 0; i < hoja.ejercicios.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "ejercicio " << i + 1);
        const Cuadro& c = hoja.enunciados[i].cuadro;
        const Cuadro& s = hoja.soluciones[i].cuadro;
        EXPECT_EQ(c.unidadesPorCm, s.unidadesPorCm);
        EXPECT_DOUBLE_EQ(c.origen.x - c.x0, (c.x1 - c.x0) / 2);
        EXPECT_DOUBLE_EQ(c.origen.y - c.y0, (c.y1 - c.y0) / 2);
        EXPECT_DOUBLE_EQ(s.origen.x - s.x0, (s.x1 - s.x0) / 2);
        const double cm = kCm / c.unidadesPorCm;  // twips per unit
        double x = 0, y = 0;
        for (const Componentes& v : hoja.respuestas[i].componentes) {
            EXPECT_GE(std::hypot(v.x, v.y) * cm, 1.5 * kCm - 1e-6);
            for (auto [px, py] : {std::pair{v.x, v.y}, std::pair{x += v.x, y += v.y}}) {
                const double X = c.origen.x + px * cm;
                const double Y = c.origen.y - py * cm;
                EXPECT_TRUE(X >= c.x0 + kCm / 2 - 1e-6 && X <= c.x1 - kCm / 2 + 1e-6 &&
                            Y >= c.y0 + kCm / 2 - 1e-6 && Y <= c.y1 - kCm / 2 + 1e-6);
            }
        }
        EXPECT_GE(std::hypot(x, y) * cm, 1.5 * kCm - 1e-6);
    }
}

// The largest drawing that keeps every arrow a centimetre and a half long: a frame is 12 × 8 cm.
struct Escala {
    const char* name;
    std::vector<Componentes> vectores;
    std::optional<int> unidadesPorCm;
};

class EscalaTest : public testing::TestWithParam<Escala> {};

TEST_P(EscalaTest, LaMayorQueCabe) {
    EXPECT_EQ(EscalaDeHoja(GetParam().vectores), GetParam().unidadesPorCm);
}

INSTANTIATE_TEST_SUITE_P(
    Vectores, EscalaTest,
    testing::Values(Escala{"cortos_a_5_unidades_por_cm", {{10, 0}, {0, 10}}, 5},
                    // 35 units up reach 3.5 cm at 10 per cm: just within half the frame's height
                    Escala{"justo_a_10", {{20, 0}, {0, 35}}, 10},
                    Escala{"un_poco_mas_a_20", {{30, 0}, {0, 36}}, 20},
                    // 20 units at 20 per cm would be 1 cm
                    Escala{"corto_a_20_no_cabe", {{20, 0}, {0, 36}}, std::nullopt},
                    Escala{"horizontal_hasta_275", {{100, 0}, {100, 0}, {75, 0}}, 50},
                    Escala{"vertical_de_200_no_cabe", {{0, 100}, {0, 100}}, std::nullopt},
                    // 12 units at 20 per cm would be 6 mm
                    Escala{"flecha_de_6_mm", {{12, 0}, {0, 80}}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// The first text of the page that starts so, or that is exactly so.
const canvas::LabelOp* TextoQueEmpieza(const canvas::Picture& pagina, std::string_view inicio,
                                       bool entero = false) {
    for (const canvas::Op& op : pagina.ops())
        if (const auto* t = std::get_if<canvas::LabelOp>(&op);
            t && (entero ? t->text == inicio : t->text.starts_with(inicio)))
            return t;
    return nullptr;
}

// A title keeps to one line, clear of the page's number; drawn vectors carry their letters, for
// printers without colour; the key gives what a ruler and a protractor read.
TEST(Hoja, TituloLetrasYClave) {
    OpcionesDeHoja opciones;
    opciones.ejercicios = 1;
    opciones.metodo = Form2();
    opciones.semilla = 3;
    opciones.dibujados = true;
    opciones.titulo = "Tarea\n3";
    const Hoja hoja = ComponerHoja(opciones);
    const canvas::LabelOp* titulo = TextoQueEmpieza(hoja.paginas[0], "Tarea");
    ASSERT_TRUE(titulo);
    EXPECT_EQ(titulo->text, "Tarea 3");
    EXPECT_GT(titulo->style.width, 0);
    EXPECT_LE(kCm * 1.5 + titulo->style.width, hoja.ancho - kCm * 1.5 - 3 * kCm);
    const Cuadro& c = hoja.enunciados[0].cuadro;
    for (const char* letra : {"A", "B"}) {
        const canvas::LabelOp* t = TextoQueEmpieza(hoja.paginas[0], letra, true);
        ASSERT_TRUE(t) << letra;
        EXPECT_TRUE(t->at.x > c.x0 && t->at.x < c.x1 && t->at.y > c.y0 && t->at.y < c.y1);
    }
    EXPECT_TRUE(TextoQueEmpieza(hoja.paginas[1], "R", true));
    const int mm = static_cast<int>(std::lround(hoja.respuestas[0].r * 10 / c.unidadesPorCm));
    const canvas::LabelOp* medida = TextoQueEmpieza(hoja.paginas[1], "medida: ");
    ASSERT_TRUE(medida);
    EXPECT_EQ(medida->text,
              "medida: " + std::to_string(mm / 10) + "." + std::to_string(mm % 10) + " cm ± 1 mm");
    EXPECT_TRUE(TextoQueEmpieza(hoja.paginas[0], "Mida r y α sobre su dibujo: se aceptan ±1 mm"));
    // The key asks nothing of a student.
    for (const char* alumno : {"Nombre:", "Fecha:", "Mida r y α"}) {
        EXPECT_TRUE(TextoQueEmpieza(hoja.paginas[0], alumno)) << alumno;
        EXPECT_FALSE(TextoQueEmpieza(hoja.paginas[1], alumno)) << alumno;
    }
}

// A resultant along an axis is drawn in a colour the axis does not have.
TEST(Hoja, LaResultanteSeVeSobreUnEje) {
    OpcionesDeHoja opciones;
    opciones.ejercicios = 1;
    opciones.metodo = Form2();
    const Hoja hoja = ComponerHoja(opciones);
    const Cuadro& c = hoja.soluciones[0].cuadro;
    std::set<std::uint32_t> ejes;
    const auto rgb = [](canvas::Color k) { return k.r << 16 | k.g << 8 | k.b; };
    for (const canvas::Op& op : hoja.paginas[1].ops())
        if (const auto* t = std::get_if<canvas::StrokeOp>(&op)) {
            const bool vertical =
                std::abs(t->from.x - c.origen.x) < 1 && std::abs(t->to.x - c.origen.x) < 1;
            const bool largo = std::abs(t->to.y - t->from.y) > (c.y1 - c.y0) * 0.99;
            if (vertical && largo && t->width > 10) ejes.insert(rgb(t->color));  // not the grid
        }
    ASSERT_EQ(ejes.size(), 1u);
    EXPECT_NE(*ejes.begin(), rgb(canvas::kBlack));
}

// Every arrowhead is the windows' half circle whose middle is the tip of a line of its colour.
TEST(Hoja, CadaCabezaTieneSuPuntaEnElMedio) {
    OpcionesDeHoja opciones;
    opciones.ejercicios = 4;
    opciones.semilla = 8;
    opciones.dibujados = true;
    const Hoja hoja = ComponerHoja(opciones);
    int cabezas = 0;
    for (const canvas::Picture& pagina : hoja.paginas)
        for (const canvas::Op& op : pagina.ops()) {
            const auto* a = std::get_if<canvas::ArcOp>(&op);
            if (!a) continue;
            ++cabezas;
            const double arco =
                a->end >= a->start ? a->end - a->start : a->end - a->start + 2 * std::numbers::pi;
            EXPECT_NEAR(arco, std::numbers::pi, 1e-5);
            const double medio = a->start + arco / 2;
            const canvas::Point punta{
                a->centre.x + a->radius * static_cast<float>(std::cos(medio)),
                a->centre.y - a->radius * static_cast<float>(std::sin(medio))};
            EXPECT_TRUE(std::any_of(pagina.ops().begin(), pagina.ops().end(),
                                    [&](const auto& o) {
                                        const auto* t = std::get_if<canvas::StrokeOp>(&o);
                                        return t && t->color == a->color &&
                                               std::hypot(t->to.x - punta.x, t->to.y - punta.y) < 1;
                                    }))
                << punta.x << " " << punta.y;
        }
    // Two or three vectors and the resultant in each solution, the vectors in each exercise.
    EXPECT_GE(cabezas, 4 * (3 + 2));
}

// Portrait pages of the paper's own size: A4 is 210 × 297 mm, US Letter 8.5 × 11 inches.
TEST(Hoja, PaginasDelTamanoDelPapel) {
    for (const auto& [papel, ancho, alto] : {std::tuple{Papel::A4, 210 * kCm / 10, 297 * kCm / 10},
                                             std::tuple{Papel::Carta, 8.5 * 1440, 11.0 * 1440}}) {
        OpcionesDeHoja opciones;
        opciones.ejercicios = 1;
        opciones.papel = papel;
        const Hoja hoja = ComponerHoja(opciones);
        EXPECT_NEAR(hoja.ancho, ancho, 1e-6) << Nombre(papel);
        EXPECT_NEAR(hoja.alto, alto, 1e-6) << Nombre(papel);
    }
}

TEST(Hoja, StatesTheVectorsInWords) {
    EXPECT_EQ(Enunciado(Form2(), {{80, 30}, {50, 135}}),
              "A: 80 unidades a 30°; B: 50 unidades a 135°");
    // Form4 names its vectors as its window does, and gives its coefficients.
    Ejercicio combinacion{{80, 30}, {50, 300}};
    combinacion.coeficientes = {2, -3};
    EXPECT_EQ(Enunciado(Form4(), combinacion),
              "a: 80 unidades a 30°; b: 50 unidades a 300°; k₁ = 1; k₂ = -1.5");
}

}  // namespace
}  // namespace trazalia::practice
