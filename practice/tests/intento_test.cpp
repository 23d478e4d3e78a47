// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/tests/ventanas.h"
#include "practice/intento.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace trazalia::practice {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Rango {
    const char* name;
    Ventana ventana;
    double r;
    double direccion;
    bool admitido;
    friend void PrintTo(const Rango& row, std::ostream* os) { *os << row.name; }
};

class RangoDelIntento : public testing::TestWithParam<Rango> {};

// A guess is admitted only when both of its values are.
TEST_P(RangoDelIntento, AdmitsMagnitudesUpToTheLargestResultantAndDirectionsOfATurn) {
    const Rango& row = GetParam();
    EXPECT_EQ(ModuloAdmitido(row.ventana, row.r) && DireccionAdmitida(row.direccion), row.admitido);
}

INSTANTIATE_TEST_SUITE_P(
    Valores, RangoDelIntento,
    testing::Values(Rango{"Cero", Form2(), 0, 0, true},
                    Rango{"Form2Maximo", Form2(), 200, 360, true},
                    Rango{"Form2SobreElMaximo", Form2(), 200.01, 10, false},
                    Rango{"Form3Maximo", Form3(), 300, 10, true},
                    Rango{"Form3SobreElMaximo", Form3(), 300.5, 10, false},
                    Rango{"Negativo", Form2(), -1, 10, false},
                    Rango{"DireccionNegativa", Form2(), 50, -0.5, false},
                    Rango{"DireccionSobreUnaVuelta", Form3(), 50, 673.9, false},
                    Rango{"ModuloNaN", Form2(), kNaN, 10, false},
                    Rango{"DireccionNaN", Form2(), 10, kNaN, false}),
    [](const testing::TestParamInfo<Rango>& p) { return std::string(p.param.name); });

// A drag too far stops at the largest resultant.
TEST(Acotado, ClampsTheMagnitudeToTheWindowsLargestResultant) {
    EXPECT_DOUBLE_EQ(Acotado(Form2(), {250, 30}).r, 200);
    EXPECT_DOUBLE_EQ(Acotado(Form3(), {250, 30}).r, 250);
    EXPECT_DOUBLE_EQ(Acotado(Form3(), {350, 30}).direccion, 30);
}

struct Escala {
    const char* name;
    Ejercicio vectores;
    std::optional<double> intento;
    double escala;
    friend void PrintTo(const Escala& row, std::ostream* os) { *os << row.name; }
};

class EscalaPendiente : public testing::TestWithParam<Escala> {};

TEST_P(EscalaPendiente, IsTheSumOrTheGuessUpToAStepOfTen) {
    const Escala& row = GetParam();
    EXPECT_DOUBLE_EQ(EscalaDelEjercicio(row.vectores, row.intento), row.escala);
}

INSTANTIATE_TEST_SUITE_P(
    Ejercicios, EscalaPendiente,
    testing::Values(Escala{"SumaExacta", {{40, 0}, {50, 90}}, std::nullopt, 90},
                    Escala{"SumaHastaElPaso", {{45, 0}, {50, 180}}, std::nullopt, 100},
                    Escala{"IntentoMasCorto", {{40, 0}, {50, 90}}, 60, 90},
                    Escala{"IntentoMasLargo", {{40, 0}, {50, 90}}, 90.01, 100},
                    Escala{"TresVectores", {{100, 0}, {100, 90}, {100, 180}}, 300, 300}),
    [](const testing::TestParamInfo<Escala>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace trazalia::practice
