// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/flechas.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "diagram/direccion.h"
#include "diagram/formato.h"

namespace trazalia::diagram {
namespace {

constexpr Punto kPunta{1000, 1000};

// A direction and the start and end of the head it gets, if any: whole degrees for the coloured
// heads, radians for the black.
struct Row {
    const char* name;
    double Pi;
    double direccion;
    std::optional<std::pair<double, double>> cabeza;
    friend void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
};

void Compara(const std::optional<Arco>& arco, const Row& row) {
    ASSERT_EQ(arco.has_value(), row.cabeza.has_value());
    if (!arco) return;
    EXPECT_NEAR(arco->inicio, row.cabeza->first, 1e-6);
    EXPECT_NEAR(arco->fin, row.cabeza->second, 1e-6);
}

class ArcoColorTest : public testing::TestWithParam<Row> {};

TEST_P(ArcoColorTest, RangoPorGradosEnteros) {
    const Row& row = GetParam();
    Compara(ArcoColor(kPunta, static_cast<int>(row.direccion), row.Pi), row);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Flechas, ArcoColorTest, testing::Values(
    Row{"CeroAbreHaciaLaIzquierda", 3.14159, 0, std::pair{4.712385, 1.570795}},
    Row{"OchentaYNueveEnElPrimero", 3.14159, 89, std::pair{6.2657268, 3.1241368}},
    Row{"NoventaFijo", 3.14159, 90, std::pair{0, 3.14159}},
    Row{"NoventaYUnoEnElTercero", 3.14159, 91, std::pair{0.0174532, 3.1590432}},
    Row{"CientoOchentaFijo", 3.14159, 180, std::pair{1.570795, 4.712385}},
    Row{"DoscientosEnElQuinto", 3.14159, 200, std::pair{1.9198606, 5.0614506}},
    Row{"DoscientosSetentaFijo", 3.14159, 270, std::pair{3.14159, 0.0}},
    Row{"DoscientosSetentaYUnoEnElSeptimo", 3.14159, 271, std::pair{3.1590432, 0.0174532}},
    Row{"TrescientosSesentaComoCero", 3.14159, 360, std::pair{4.712385, 1.570795}},
    Row{"MenosUnoSinCabeza", 3.14159, -1, std::nullopt},
    Row{"TrescientosSesentaYUnoSinCabeza", 3.14159, 361, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class ArcoNegroTest : public testing::TestWithParam<Row> {};

TEST_P(ArcoNegroTest, RangoPorRadianesYUnaVuelta) {
    const Row& row = GetParam();
    Compara(ArcoNegro(kPunta, row.direccion, row.Pi), row);
}

// Pi = 3.1416 can push an angle past one turn; the parallelogram's click rows hold the rest.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Flechas, ArcoNegroTest, testing::Values(
    Row{"CeroEnElPrimero", 3.14159, 0, std::pair{4.712385, 1.570795}},
    Row{"MitadExactaDePi", 3.14159, 3.14159 / 2, std::pair{0, 3.14159}},
    Row{"ArribaPasaAlTercero", 3.14159, 1.5707963, std::pair{0.0000013, 3.1415913}},
    Row{"PiExacto", 3.14159, 3.14159, std::pair{1.570795, 4.712385}},
    Row{"IzquierdaEnElQuinto", 3.14159, 3.1415926, std::pair{1.5707976, 4.7123876}},
    Row{"TresMediosExacto", 3.14159, 9.42477 / 2, std::pair{3.14159, 0.0}},
    Row{"AbajoEnElSeptimo", 3.14159, 4.7123889, std::pair{3.1415939, 0.0000039}},
    Row{"LimiteDelSeptimo", 3.14159, 6.2831853, std::pair{4.7123903, 1.5708003}},
    Row{"PasadaLaVueltaSinCabeza", 3.14159, 6.2831854, std::nullopt},
    Row{"NegativoSinCabeza", 3.14159, -1e-12, std::nullopt},
    Row{"PiMayorAbajoFinNegativo", 3.1416, 4.7123889, std::pair{3.1415889, 6.2831742}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The direction of (Rx, Ry) with ten decimals, or "ninguna".
std::string Direccion(double Rx, double Ry) {
    const std::optional<double> AnguloResultante = DireccionResultante(Rx, Ry);
    if (!AnguloResultante) return "ninguna";
    std::array<char, 32> texto{};
    std::snprintf(texto.data(), texto.size(), "%.10f", *AnguloResultante);
    return texto.data();
}

struct TextoRow {
    const char* name;
    std::string texto;
    const char* esperado;
    friend void PrintTo(const TextoRow& row, std::ostream* os) { *os << row.name; }
};

class TextoTest : public testing::TestWithParam<TextoRow> {};

TEST_P(TextoTest, DireccionesYLecturas) { EXPECT_EQ(GetParam().texto, GetParam().esperado); }

INSTANTIATE_TEST_SUITE_P(
    Lecturas, TextoTest,
    testing::Values(TextoRow{"DerechaEsCero", Direccion(1, 0), "0.0000000000"},
                    TextoRow{"ArribaSinArcotangente", Direccion(0, 5), "1.5707963000"},
                    TextoRow{"AbajoSinArcotangente", Direccion(0, -5), "4.7123889000"},
                    TextoRow{"IzquierdaSumaPi", Direccion(-1, 0), "3.1415926000"},
                    TextoRow{"TercerCuadrante", Direccion(-1, -1), "3.9269907634"},
                    TextoRow{"CeroSinDireccion", Direccion(0, 0), "ninguna"},
                    TextoRow{"SinDireccionIndefinida", LecturaDireccion(5, std::nullopt),
                             "Indefinido"},
                    TextoRow{"CasiCeroNegativoSinSigno", Formato(-0.001), "0.00"},
                    TextoRow{"MilesimaEsIndefinida", LecturaDireccion(0.001, 1), "Indefinido"},
                    TextoRow{"PasadaLaMilesimaHayDireccion", LecturaDireccion(0.0011, 0), "0.00"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trazalia::diagram
