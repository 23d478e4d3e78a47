// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/veredicto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
        // A row that leaves the direction free never names a guess of the right magnitude.
        Row{"alineados_modulo_correcto_es_sentido_opuesto",
            F2,
            {{50, 0}, {30, 0}},
            {80, 180},
            SentidoOpuesto},
        Row{"suma_de_modulos_no_oculta_el_sentido_opuesto",
            F2,
            {{60, 0}, {70, 20}},
            {128, 190.8},
            SentidoOpuesto},
        Row{"resta_de_modulos_no_oculta_el_sentido_opuesto",
            F2,
            {{100, 0}, {20, 170}},
            {80.4, 182.5},
            SentidoOpuesto},
        // Nor one that leaves the magnitude free a guess of the right direction.
        Row{"direccion_correcta_no_es_promedio", F2, {{55, 0}, {45, 95}}, {20, 44.5}, Otro},
        // Measured from +y either way round, in every quadrant.
        Row{"desde_y_primer_cuadrante_90_menos_alfa",
            F2,
            {{100, 20}, {10, 20}},
            {110, 70},
            AnguloDesdeY},
        Row{"desde_y_primer_cuadrante_alfa_menos_90",
            F2,
            {{100, 20}, {10, 20}},
            {110, 290},
            AnguloDesdeY},
        Row{"desde_y_segundo_cuadrante_90_menos_alfa",
            F2,
            {{100, 172}, {10, 172}},
            {110, 278},
            AnguloDesdeY},
        Row{"desde_y_segundo_cuadrante_alfa_menos_90",
            F2,
            {{100, 172}, {10, 172}},
            {110, 82},
            AnguloDesdeY},
        Row{"desde_y_tercer_cuadrante_90_menos_alfa",
            F2,
            {{100, 250}, {10, 250}},
            {110, 200},
            AnguloDesdeY},
        Row{"desde_y_tercer_cuadrante_alfa_menos_90",
            F2,
            {{100, 250}, {10, 250}},
            {110, 160},
            AnguloDesdeY},
        Row{"desde_y_cuarto_cuadrante_90_menos_alfa",
            F2,
            {{100, 300}, {10, 300}},
            {110, 150},
            AnguloDesdeY},
        Row{"desde_y_cuarto_cuadrante_alfa_menos_90",
            F2,
            {{100, 300}, {10, 300}},
            {110, 210},
            AnguloDesdeY},
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
    const char* texto;
    friend void PrintTo(const Texto& row, std::ostream* os) { *os << row.name; }
};

class TextoTest : public testing::TestWithParam<Texto> {};

TEST_P(TextoTest, FrasePistaIntentoCorrectaYQueHacer) {
    const Texto& row = GetParam();
    EXPECT_EQ(Juzgar(row.ventana, row.vectores, row.intento).texto, row.texto);
}

// Each hint points to the construction of the window in use.
INSTANTIATE_TEST_SUITE_P(
    Textos, TextoTest,
    testing::Values(
        Texto{"Form2",
              F2,
              kDos,
              {92, 40},
              "Su resultante no coincide. Dibuje el paralelogramo que tiene los dos vectores por "
              "lados: la resultante es su diagonal desde el origen. Su resultante: 92 a 40°. La "
              "correcta: 87.18 a 36.59°. N: otro ejercicio."},
        Texto{"Form3",
              F3,
              kTres,
              {73.456, 17.5},
              "¡Correcto! Su resultante es la suma de los vectores. Su resultante: 73.46 a 17.5°. "
              "La correcta: 73.36 a 17.42°. N: otro ejercicio."},
        Texto{"Form3_resta_de_vectores",
              F3,
              kTres,
              {131.8, 170.4},
              "Restó un vector en lugar de sumarlo: cada vector conserva su sentido. Ponga cada "
              "vector a continuación del anterior sin darle la vuelta: la resultante va del "
              "origen a la última punta. Su resultante: 131.8 a 170.4°. La correcta: 73.36 a "
              "17.42°. N: otro ejercicio."},
        Texto{"Form2_sentido_opuesto",
              F2,
              kDos,
              {87, 216.6},
              "Su resultante apunta al revés. La correcta sale del origen y recorre la diagonal "
              "del paralelogramo hasta el vértice opuesto. Su resultante: 87 a 216.6°. La "
              "correcta: 87.18 a 36.59°. N: otro ejercicio."},
        Texto{"sin_direccion",
              F2,
              {{50, 0}, {50, 180}},
              {1.5, 90},
              "¡Correcto! Su resultante es la suma de los vectores. Su resultante: 1.5 a 90°. La "
              "correcta: 0.00, sin dirección (Indefinido). N: otro ejercicio."},
        Texto{"direccion_dentro_de_una_vuelta",
              F2,
              kDos,
              {100.10, -20},
              "Su resultante no coincide. Dibuje el paralelogramo que tiene los dos vectores por "
              "lados: la resultante es su diagonal desde el origen. Su resultante: 100.1 a 340°. "
              "La correcta: 87.18 a 36.59°. N: otro ejercicio."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextoDelIntento, CasiUnaVueltaEsCero) {
    EXPECT_EQ(TextoDelIntento({0.004, 359.999}), "Su resultante: 0 a 0°.");
}

// The mistakes an exercise cannot tell from the right answer: found by a search over the medium
// level, each row with exactly one.
struct Distincion {
    const char* name;
    Ventana ventana;
    Ejercicio vectores;
    std::vector<Codigo> indistinguibles;
    friend void PrintTo(const Distincion& row, std::ostream* os) { *os << row.name; }
};

class DistincionTest : public testing::TestWithParam<Distincion> {};

TEST_P(DistincionTest, CadaErrorSeDistingueDeLaCorrecta) {
    const Distincion& row = GetParam();
    EXPECT_EQ(Indistinguibles(row.ventana, row.vectores), row.indistinguibles);
    EXPECT_EQ(SeDistinguen(row.ventana, row.vectores), row.indistinguibles.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ejercicios, DistincionTest,
    testing::Values(
        Distincion{"Form2_ninguno", F2, kDos, {}}, Distincion{"Form3_ninguno", F3, kTres, {}},
        Distincion{"suma_de_modulos", F2, {{15, 285}, {100, 300}}, {SumaDeModulos}},
        Distincion{"resta_de_modulos", F2, {{35, 180}, {15, 15}}, {RestaDeModulos}},
        Distincion{"desde_y_a_225_grados", F2, {{90, 210}, {30, 270}}, {AnguloDesdeY}},
        Distincion{"horario_cerca_de_180_grados", F2, {{70, 225}, {50, 105}}, {SentidoHorario}},
        Distincion{"promedio", F2, {{45, 255}, {50, 345}}, {PromedioDeDirecciones}},
        Distincion{"falta_un_vector_corto", F3, {{10, 60}, {80, 135}, {80, 75}}, {FaltaUnVector}},
        Distincion{"componentes_todas_positivas", F2, {{95, 0}, {70, 75}}, {ComponentesSinSigno}},
        Distincion{"falta_un_vector_de_5", F3, {{45, 75}, {55, 120}, {5, 15}}, {FaltaUnVector}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Distincion, SinDireccionNoSeDistinguen) {
    EXPECT_FALSE(SeDistinguen(Ventana::Form2, {{50, 0}, {50, 180}}));
}

TEST(Respuesta, PideTantosVectoresComoLaVentana) {
    EXPECT_THROW(RespuestaDe(Ventana::Form3, kDos), std::invalid_argument);
}

}  // namespace
}  // namespace trazalia::practice
