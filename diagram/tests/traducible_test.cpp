// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/traducible.h"

#include <gtest/gtest.h>

#include <string>

namespace trazalia::diagram {
namespace {

struct Fila {
    const char* nombre;
    std::string texto;
    const char* esperado;
};

class SustituirTest : public testing::TestWithParam<Fila> {};

// Translated templates may put the arguments in another order; an argument is never read again
// as a template, and what names no argument stays as it is.
TEST_P(SustituirTest, PutsEachArgumentInItsPlace) {
    EXPECT_EQ(GetParam().texto, GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Plantillas, SustituirTest,
    testing::Values(Fila{"EnOrden", Sustituir("%1 a %2°", {"87.18", "36.59"}), "87.18 a 36.59°"},
                    Fila{"OtroOrden", Sustituir("%2° at %1", {"87.18", "36.59"}),
                         "36.59° at 87.18"},
                    Fila{"ArgumentoConPorcentaje", Sustituir("%1 y %2", {"%2", "b"}), "%2 y b"},
                    Fila{"SinArgumento", Sustituir("%1 de %3", {"x"}), "x de %3"},
                    Fila{"PorcentajeAlFinal", Sustituir("100%", {"x"}), "100%"}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace trazalia::diagram
