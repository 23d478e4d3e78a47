#include <gtest/gtest.h>

#include <string>

#include "diagram/direccion.h"
#include "diagram/formato.h"

namespace trazalia::diagram {
namespace {

struct DireccionRow {
    const char* name;
    double Rx, Ry;
    double angulo;  // expected, starting from 2.5
    friend void PrintTo(const DireccionRow& row, std::ostream* os) { *os << row.name; }
};

class DireccionTest : public testing::TestWithParam<DireccionRow> {};

TEST_P(DireccionTest, CuadranteConConstantesDeSieteDecimales) {
    double AnguloResultante = 2.5;
    DireccionResultante(GetParam().Rx, GetParam().Ry, AnguloResultante);
    EXPECT_NEAR(AnguloResultante, GetParam().angulo, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Lecturas, DireccionTest,
                         testing::Values(DireccionRow{"DerechaEsCero", 1, 0, 0},
                                         DireccionRow{"ArribaSinArcotangente", 0, 5, 1.5707963},
                                         DireccionRow{"AbajoSinArcotangente", 0, -5, 4.7123889},
                                         DireccionRow{"IzquierdaSumaPi", -1, 0, 3.1415926},
                                         DireccionRow{"SegundoCuadrante", -1, 1, 2.3561944366},
                                         DireccionRow{"TercerCuadrante", -1, -1, 3.9269907634},
                                         DireccionRow{"CuartoCasiUnaVuelta", 1, -1e-7, 6.2831852},
                                         DireccionRow{"CeroConservaElAnterior", 0, 0, 2.5}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TextoRow {
    const char* name;
    std::string texto;
    const char* esperado;
    friend void PrintTo(const TextoRow& row, std::ostream* os) { *os << row.name; }
};

class TextoTest : public testing::TestWithParam<TextoRow> {};

TEST_P(TextoTest, DosDecimalesOIndefinido) { EXPECT_EQ(GetParam().texto, GetParam().esperado); }

INSTANTIATE_TEST_SUITE_P(
    Lecturas, TextoTest,
    testing::Values(TextoRow{"CeroConDosDecimales", Formato(0), "0.00"},
                    TextoRow{"NegativoConSigno", Formato(-100), "-100.00"},
                    TextoRow{"RedondeaADos", Formato(53.130102), "53.13"},
                    TextoRow{"CasiCeroNegativoSinSigno", Formato(-0.001), "0.00"},
                    TextoRow{"MilesSinSeparador", Formato(1234.5678), "1234.57"},
                    TextoRow{"MilesimaEsIndefinida", LecturaDireccion(0.001, 1), "Indefinido"},
                    TextoRow{"PasadaLaMilesimaHayDireccion", LecturaDireccion(0.0011, 0), "0.00"},
                    TextoRow{"GradosConPiDeCincoDecimales", LecturaDireccion(1, 3.14159), "180.00"},
                    TextoRow{"TresCuatroCinco", LecturaDireccion(50, 0.9272952), "53.13"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trazalia::diagram
