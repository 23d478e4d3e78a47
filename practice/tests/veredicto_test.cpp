// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/tests/ventanas.h"
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
    Clasificacion codigo;
    friend void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
};

class VeredictoTest : public testing::TestWithParam<Row> {};

TEST_P(VeredictoTest, NombraLoQueMuestraElIntento) {
    const Row& row = GetParam();
    EXPECT_EQ(Nombre(Juzgar(row.ventana, row.vectores, row.intento).clasificacion()),
              Nombre(row.codigo));
}

using enum Codigo;
const Ventana F2 = Form2();
const Ventana F3 = Form3();

INSTANTIATE_TEST_SUITE_P(
    Errores, VeredictoTest,
    testing::Values(
        Row{"Form2_margen_del_5_por_ciento", F2, kDos, {91.4, 32}, Acierto},
        Row{"Form2_fuera_del_5_por_ciento_casi", F2, kDos, {92.4, 36.6}, Casi},
        Row{"Form2_suma_de_modulos", F2, kDos, {158, 200}, SumaDeModulos},
        Row{"Form2_resta_de_modulos", F2, kDos, {41, 300}, RestaDeModulos},
        Row{"Form2_sentido_opuesto", F2, kDos, {87, 216.6}, SentidoOpuesto},
        Row{"Form2_A_menos_B", F2, kDos, {140, 338.2}, RestaDeVectores},
        Row{"Form2_angulo_desde_y", F2, kDos, {87.2, 53.4}, AnguloDesdeY},
        Row{"Form2_sentido_horario", F2, kDos, {87.2, 323.4}, SentidoHorario},
        Row{"Form2_promedio_de_direcciones", F2, kDos, {20, 60}, PromedioDeDirecciones},
        Row{"Form2_componentes_sin_signo", F2, kDos, {140, 21.8}, ComponentesSinSigno},
        Row{"Form2_sin_falta_un_vector", F2, kDos, {100, 0}, Otro},
        // Where the two rows that leave a coordinate free cross, the guess shows both.
        Row{"Form2_suma_y_promedio", F2, kDos, {160, 60}, {SumaDeModulos, PromedioDeDirecciones}},
        Row{"Form2_resta_de_modulos_y_promedio",
            F2,
            kDos,
            {40, 60},
            {RestaDeModulos, PromedioDeDirecciones}},
        Row{"Form3_acierto", F3, kTres, {73.4, 17.4}, Acierto},
        Row{"Form3_suma_de_modulos", F3, kTres, {190, 100}, SumaDeModulos},
        Row{"Form3_sin_resta_de_modulos", F3, kTres, {40, 300}, Otro},
        Row{"Form3_sentido_opuesto", F3, kTres, {73.4, 197.4}, SentidoOpuesto},
        Row{"Form3_restando_A", F3, kTres, {131.8, 170.4}, RestaDeVectores},
        Row{"Form3_angulo_desde_y", F3, kTres, {73.4, 72.6}, AnguloDesdeY},
        Row{"Form3_sentido_horario", F3, kTres, {73.4, 342.6}, SentidoHorario},
        Row{"Form3_promedio_de_direcciones", F3, kTres, {100, 130}, PromedioDeDirecciones},
        Row{"Form3_falta_A", F3, kTres, {37.2, 143.8}, FaltaUnVector},
        Row{"Form3_componentes_sin_signo", F3, kTres, {153.7, 32.2}, ComponentesSinSigno},
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
        // A row that fixes both coordinates wins over one that leaves the direction free.
        Row{"alineados_resta_de_vectores_antes_que_de_modulos",
            F2,
            {{50, 0}, {30, 0}},
            {20, 0},
            RestaDeVectores},
        // A short resultant keeps a margin of 2 units.
        Row{"margen_de_2_unidades", F2, {{10, 0}, {5, 180}}, {6.9, 0}, Acierto},
        Row{"fuera_del_margen_de_2_unidades", F2, {{10, 0}, {5, 180}}, {7.5, 0}, Casi},
        // Directions meet across 0°.
        Row{"acierto_a_traves_de_0_grados", F2, {{50, 350}, {50, 10}}, {98, 357}, Acierto},
        Row{"acierto_con_direccion_negativa", F2, {{50, 350}, {50, 10}}, {98, -2}, Acierto},
        // A mean of directions near the right one is no mistake.
        Row{"promedio_igual_a_la_correcta", F2, {{50, 0}, {50, 90}}, {30, 45}, Otro},
        // The zero resultant has no direction: its magnitude alone decides.
        Row{"resultante_nula_acierto", F2, {{50, 0}, {50, 180}}, {1.5, 90}, Acierto},
        Row{"resultante_nula_magnitud_cero", F2, {{50, 0}, {50, 180}}, {0, 0}, Otro},
        // With no direction to tell them from the answer, no mistake is named.
        Row{"resultante_nula_sin_error", F2, {{50, 0}, {50, 180}}, {50, 90}, Otro},
        // B − A exactly: its magnitude is also within 5 % of the sum of the magnitudes.
        Row{"B_menos_A_no_es_suma_de_modulos",
            F2,
            {{65, 45}, {85, 210}},
            {148.74, 216.49},
            RestaDeVectores},
        // Where A − B is the answer measured from +y, both are named.
        Row{"dos_errores_que_coinciden",
            F2,
            {{40, 45}, {45, 315}},
            {60.21, 93.37},
            {RestaDeVectores, AnguloDesdeY}},
        // |m1 − m2| lies 1.35 tolerances from the answer: a guess there shows no mistake.
        Row{"error_pegado_a_la_correcta_es_casi", F2, {{20, 195}, {70, 345}}, {50, 330}, Casi},
        // Within A − B's tolerance, but not twice as near to it as to the answer.
        Row{"sin_margen_no_se_nombra", F2, kDos, {113, 352}, Otro},
        Row{"con_margen_se_nombra", F2, kDos, {135, 341}, RestaDeVectores},
        // Beyond three tolerances of the answer a guess is no near miss.
        Row{"lejos_de_todo_es_otro", F2, kDos, {87.2, 16}, Otro},
        Row{"casi_dentro_de_tres_tolerancias", F2, kDos, {87.2, 24}, Casi}),
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
        Texto{"casi_mayor",
              F2,
              kDos,
              {92, 40},
              "Casi: su módulo es un 6 % mayor y la dirección está bien. Mida con cuidado: la "
              "longitud con la escala de los ejes, y el ángulo desde el semieje x positivo en "
              "sentido antihorario. Su resultante: 92 a 40°. La correcta: 87.18 a 36.59°. N: otro "
              "ejercicio."},
        Texto{"casi_horario_a_traves_de_0",
              F2,
              {{50, 350}, {50, 10}},
              {90, 348},
              "Casi: su módulo es un 9 % menor y su dirección está girada 12° en sentido "
              "horario. Mida con cuidado: la longitud con la escala de los ejes, y el ángulo "
              "desde el semieje x positivo en sentido antihorario. Su resultante: 90 a 348°. La "
              "correcta: 98.48 a 0.00°. N: otro ejercicio."},
        Texto{"dos_errores",
              F2,
              {{40, 45}, {45, 315}},
              {60.21, 93.37},
              "Su resultante es la que dan dos errores, que en este ejercicio coinciden: resta de "
              "vectores o ángulo desde el eje y. La resultante es la diagonal que sale del origen, "
              "no la que une las puntas de los dos vectores. Su resultante: 60.21 a 93.37°. La "
              "correcta: 60.21 a 356.63°. N: otro ejercicio."},
        Texto{"Form2",
              F2,
              kDos,
              {60, 250},
              "Su resultante no coincide. Dibuje el paralelogramo que tiene los dos vectores por "
              "lados: la resultante es su diagonal desde el origen. Su resultante: 60 a 250°. La "
              "correcta: 87.18 a 36.59°. N: otro ejercicio."},
        Texto{"Form3_resta_de_vectores",
              F3,
              kTres,
              {131.8, 170.4},
              "Restó un vector en lugar de sumarlo: cada vector conserva su sentido. Ponga cada "
              "vector a continuación del anterior sin darle la vuelta: la resultante va del "
              "origen a la última punta. Su resultante: 131.8 a 170.4°. La correcta: 73.36 a "
              "17.42°. N: otro ejercicio."},
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

// The hypotheses an exercise keeps too near: a mistake within three tolerances of the answer, or
// two mistakes within two of each other.
struct Distincion {
    const char* name;
    Ventana ventana;
    Ejercicio vectores;
    std::vector<Cercania> cercanias;
    friend void PrintTo(const Distincion& row, std::ostream* os) { *os << row.name; }
};

class DistincionTest : public testing::TestWithParam<Distincion> {};

TEST_P(DistincionTest, CadaHipotesisLejosDeLasDemas) {
    const Distincion& row = GetParam();
    EXPECT_EQ(Cercanias(row.ventana, row.vectores), row.cercanias);
    EXPECT_EQ(SeDistinguen(row.ventana, row.vectores), row.cercanias.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ejercicios, DistincionTest,
    testing::Values(
        Distincion{"Form2_ninguna", F2, {{80, 30}, {50, 135}}, {}},
        Distincion{"Form3_ninguna", F3, kTres, {}},
        // 6.6° apart: two mistakes that leave no room between them.
        Distincion{"dos_errores", F2, kDos, {{AnguloDesdeY, PromedioDeDirecciones}}},
        // 1.35 tolerances from the answer, where a student within two would be named with it.
        Distincion{"error_y_correcta", F2, {{20, 195}, {70, 345}}, {{Acierto, RestaDeModulos}}},
        Distincion{"varias",
                   F2,
                   {{65, 45}, {85, 210}},
                   {{Acierto, SentidoHorario}, {RestaDeVectores, ComponentesSinSigno}}},
        Distincion{"Form3_varias",
                   F3,
                   {{70, 30}, {50, 120}, {40, 300}},
                   {{Acierto, AnguloDesdeY}, {SumaDeModulos, ComponentesSinSigno}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Distincion, SinDireccionNoSeDistinguen) {
    EXPECT_FALSE(SeDistinguen(Form2(), {{50, 0}, {50, 180}}));
}

TEST(Respuesta, PideTantosVectoresComoLaVentana) {
    EXPECT_THROW(RespuestaDe(Form3(), kDos), std::invalid_argument);
}

}  // namespace
}  // namespace trazalia::practice
