// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/veredicto.h"

#include <gtest/gtest.h>

#include <string>

namespace trazalia::practice {
namespace {

// Guesses built from each mistake. The targets were worked out apart from the program, with exact
// π, on 87.18 a 36.59° (A 100 a 0°, B 60 a 120°) and, with C 30 a 270°, on 73.36 a 17.42°.
const Ejercicio kDos{{100, 0}, {60, 120}};
const Ejercicio kTres{{100, 0}, {60, 120}, {30, 270}};

struct Row {
    const char* name;
    Ventana ventana;
    Ejercicio vectores;
    Intento intento;
    Codigo codigo;
    friend void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
};

class VeredictoTest : public testing::TestWithParam<Row> {};

TEST_P(VeredictoTest, NombraElPrimerErrorQueCoincide) {
    const Row& row = GetParam();
    EXPECT_EQ(Nombre(Juzgar(row.ventana, row.vectores, row.intento).codigo), Nombre(row.codigo));
}

using enum Codigo;
constexpr Ventana F2 = Ventana::Form2;
constexpr Ventana F3 = Ventana::Form3;

INSTANTIATE_TEST_SUITE_P(
    Errores, VeredictoTest,
    testing::Values(
        Row{"Form2_acierto", F2, kDos, {87.2, 36.6}, Acierto},
        Row{"Form2_margen_del_5_por_ciento", F2, kDos, {91.4, 32}, Acierto},
        Row{"Form2_fuera_del_5_por_ciento", F2, kDos, {92.4, 36.6}, Otro},
        Row{"Form2_fuera_de_5_grados", F2, kDos, {87.2, 42}, Otro},
        Row{"Form2_suma_de_modulos", F2, kDos, {158, 200}, SumaDeModulos},
        Row{"Form2_resta_de_modulos", F2, kDos, {41, 300}, RestaDeModulos},
        Row{"Form2_sentido_opuesto", F2, kDos, {87, 216.6}, SentidoOpuesto},
        Row{"Form2_A_menos_B", F2, kDos, {140, 338.2}, RestaDeVectores},
        Row{"Form2_B_menos_A", F2, kDos, {139, 158.2}, RestaDeVectores},
        Row{"Form2_angulo_desde_y", F2, kDos, {87.2, 53.4}, AnguloDesdeY},
        Row{"Form2_sentido_horario", F2, kDos, {87.2, 323.4}, SentidoHorario},
        Row{"Form2_promedio_de_direcciones", F2, kDos, {20, 60}, PromedioDeDirecciones},
        Row{"Form2_componentes_sin_signo", F2, kDos, {140, 21.8}, ComponentesSinSigno},
        Row{"Form2_otro", F2, kDos, {60, 270}, Otro},
        Row{"Form2_sin_falta_un_vector", F2, kDos, {100, 0}, Otro},
        Row{"Form2_magnitud_cero", F2, kDos, {0, 36.59}, Otro},
        Row{"Form2_suma_antes_que_promedio", F2, kDos, {160, 60}, SumaDeModulos},
        Row{"Form2_resta_de_modulos_antes_que_promedio", F2, kDos, {40, 60}, RestaDeModulos},
        Row{"Form3_acierto", F3, kTres, {73.4, 17.4}, Acierto},
        Row{"Form3_suma_de_modulos", F3, kTres, {190, 100}, SumaDeModulos},
        Row{"Form3_sin_resta_de_modulos", F3, kTres, {40, 300}, Otro},
        Row{"Form3_sentido_opuesto", F3, kTres, {73.4, 197.4}, SentidoOpuesto},
        Row{"Form3_restando_A", F3, kTres, {131.8, 170.4}, RestaDeVectores},
        Row{"Form3_restando_B", F3, kTres, {153.7, 327.8}, RestaDeVectores},
        Row{"Form3_restando_C", F3, kTres, {107.8, 49.5}, RestaDeVectores},
        Row{"Form3_angulo_desde_y", F3, kTres, {73.4, 72.6}, AnguloDesdeY},
        Row{"Form3_sentido_horario", F3, kTres, {73.4, 342.6}, SentidoHorario},
        Row{"Form3_promedio_de_direcciones", F3, kTres, {100, 130}, PromedioDeDirecciones},
        Row{"Form3_falta_A", F3, kTres, {37.2, 143.8}, FaltaUnVector},
        Row{"Form3_falta_B", F3, kTres, {104.4, 343.3}, FaltaUnVector},
        Row{"Form3_falta_C", F3, kTres, {87.2, 36.6}, FaltaUnVector},
        Row{"Form3_componentes_sin_signo", F3, kTres, {153.7, 32.2}, ComponentesSinSigno},
        Row{"Form3_otro", F3, kTres, {30, 250}, Otro},
        Row{"Form3_acierto_antes_que_falta_un_vector_nulo",
            F3,
            {{100, 0}, {60, 120}, {0, 0}},
            {87.2, 36.6},
            Acierto},
        // Collinear vectors make several mistakes alike; the first in the table wins.
        Row{"alineados_acierto_antes_que_suma", F2, {{50, 0}, {30, 0}}, {80, 0}, Acierto},
        Row{"alineados_suma_antes_que_opuesto", F2, {{50, 0}, {30, 0}}, {80, 180}, SumaDeModulos},
        Row{"alineados_resta_de_modulos_antes_que_de_vectores",
            F2,
            {{50, 0}, {30, 0}},
            {20, 0},
            RestaDeModulos},
        // A short resultant keeps a margin of 2 units.
        Row{"margen_de_2_unidades", F2, {{10, 0}, {5, 180}}, {6.9, 0}, Acierto},
        Row{"fuera_del_margen_de_2_unidades", F2, {{10, 0}, {5, 180}}, {7.5, 0}, Otro},
        // Directions meet across 0°.
        Row{"acierto_a_traves_de_0_grados", F2, {{50, 350}, {50, 10}}, {98, 357}, Acierto},
        Row{"acierto_con_direccion_negativa", F2, {{50, 350}, {50, 10}}, {98, -2}, Acierto},
        // A mean of directions near the right one is no mistake.
        Row{"promedio_igual_a_la_correcta", F2, {{50, 0}, {50, 90}}, {30, 45}, Otro},
        // The zero resultant has no direction: its magnitude alone decides.
        Row{"resultante_nula_acierto", F2, {{50, 0}, {50, 180}}, {1.5, 90}, Acierto},
        Row{"resultante_nula_magnitud_cero", F2, {{50, 0}, {50, 180}}, {0, 0}, Otro},
        Row{"resultante_nula_promedio", F2, {{50, 0}, {50, 180}}, {50, 90}, PromedioDeDirecciones}),
    [](const auto& info) { return std::string(info.param.name); });

struct Texto {
    const char* name;
    Ventana ventana;
    Ejercicio vectores;
    Intento intento;
    const char* lado_a_lado;
    friend void PrintTo(const Texto& row, std::ostream* os) { *os << row.name; }
};

class TextoTest : public testing::TestWithParam<Texto> {};

TEST_P(TextoTest, FraseYLuegoElIntentoYLaCorrecta) {
    const Texto& row = GetParam();
    const Veredicto v = Juzgar(row.ventana, row.vectores, row.intento);
    EXPECT_EQ(v.texto, std::string(Frase(v.codigo)) + " " + row.lado_a_lado);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, TextoTest,
    testing::Values(
        Texto{"Form2", F2, kDos, {92, 40}, "Tu resultante: 92 a 40°. La correcta: 87.18 a 36.59°."},
        Texto{"Form3",
              F3,
              kTres,
              {73.456, 17.5},
              "Tu resultante: 73.46 a 17.5°. La correcta: 73.36 a 17.42°."},
        Texto{"sin_direccion",
              F2,
              {{50, 0}, {50, 180}},
              {1.5, 90},
              "Tu resultante: 1.5 a 90°. La correcta: 0.00, sin dirección (Indefinido)."},
        Texto{"direccion_dentro_de_una_vuelta",
              F2,
              kDos,
              {100.10, -20},
              "Tu resultante: 100.1 a 340°. La correcta: 87.18 a 36.59°."},
        Texto{"casi_una_vuelta_es_0",
              F2,
              kDos,
              {0.004, 359.999},
              "Tu resultante: 0 a 0°. La correcta: 87.18 a 36.59°."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Respuesta, PideTantosVectoresComoLaVentana) {
    EXPECT_THROW(RespuestaDe(Ventana::Form3, kDos), std::invalid_argument);
}

}  // namespace
}  // namespace trazalia::practice
