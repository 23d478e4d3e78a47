#include "diagram/flechas.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "canvas/picture.h"

namespace trazalia::diagram {
namespace {

constexpr Punto kPunta{1000, 1000};

struct Cabeza {
    double inicio, fin;
    double dx = 0, dy = 0;  // centre minus tip
};

// A direction with the head it gets: whole degrees for the coloured heads, radians for the black.
struct Row {
    const char* name;
    double Pi;
    double direccion;
    std::optional<Cabeza> cabeza;
    friend void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
};

void Compara(const std::optional<Arco>& arco, const std::optional<Cabeza>& esperada) {
    ASSERT_EQ(arco.has_value(), esperada.has_value());
    if (!arco) return;
    EXPECT_NEAR(arco->inicio, esperada->inicio, 1e-6);
    EXPECT_NEAR(arco->fin, esperada->fin, 1e-6);
    if (esperada->dx != 0 || esperada->dy != 0) {
        EXPECT_NEAR(arco->centro.x - kPunta.x, esperada->dx, 1e-6);
        EXPECT_NEAR(arco->centro.y - kPunta.y, esperada->dy, 1e-6);
    }
}

class ArcoColorTest : public testing::TestWithParam<Row> {};

TEST_P(ArcoColorTest, RangoPorGradosEnteros) {
    const Row& row = GetParam();
    Compara(ArcoColor(kPunta, static_cast<int>(row.direccion), row.Pi), row.cabeza);
}

INSTANTIATE_TEST_SUITE_P(
    Flechas, ArcoColorTest,
    testing::Values(
        Row{"CeroAbreHaciaLaIzquierda", 3.14159, 0, Cabeza{4.712385, 1.570795, -60, 0}},
        Row{"OchentaYNueveEnElPrimero", 3.14159, 89, Cabeza{6.2657268, 3.1241368}},
        Row{"NoventaFijo", 3.14159, 90, Cabeza{0, 3.14159, -0.0000796, 60}},
        Row{"NoventaYUnoEnElTercero", 3.14159, 91, Cabeza{0.0174532, 3.1590432}},
        Row{"CientoOchentaFijo", 3.14159, 180, Cabeza{1.570795, 4.712385, 60, 0.0001592}},
        Row{"DoscientosSetentaFijo", 3.14159, 270, Cabeza{3.14159, 0, 0.0002388, -60}},
        Row{"DoscientosSetentaYUnoEnElSeptimo", 3.14159, 271, Cabeza{3.1590432, 0.0174532}},
        Row{"TrescientosSesentaComoCero", 3.14159, 360, Cabeza{4.712385, 1.570795}},
        Row{"CeroConPiDeCuatroDecimales", 3.1416, 0, Cabeza{4.7124, 1.5708}},
        Row{"MenosUnoSinCabeza", 3.14159, -1, std::nullopt},
        Row{"TrescientosSesentaYUnoSinCabeza", 3.14159, 361, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

class ArcoNegroTest : public testing::TestWithParam<Row> {};

TEST_P(ArcoNegroTest, RangoPorRadianesYUnaVuelta) {
    const Row& row = GetParam();
    Compara(ArcoNegro(kPunta, row.direccion, row.Pi), row.cabeza);
    // Whatever the table gives, the drawing area accepts it.
    canvas::Picture picture(7000, 6000);
    FlechaResultante(picture, kPunta, row.direccion, row.Pi);
    EXPECT_EQ(picture.Ops().size(), row.cabeza ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Flechas, ArcoNegroTest,
    testing::Values(
        Row{"CeroEnElPrimero", 3.14159, 0, Cabeza{4.712385, 1.570795, -60, 0}},
        Row{"MitadExactaDePi", 3.14159, 3.14159 / 2, Cabeza{0, 3.14159}},
        Row{"ArribaPasaAlTercero", 3.14159, 1.5707963, Cabeza{0.0000013, 3.1415913}},
        Row{"PiExacto", 3.14159, 3.14159, Cabeza{1.570795, 4.712385}},
        Row{"IzquierdaEnElQuinto", 3.14159, 3.1415926, Cabeza{1.5707976, 4.7123876}},
        Row{"TresMediosExacto", 3.14159, 9.42477 / 2, Cabeza{3.14159, 0}},
        Row{"AbajoEnElSeptimo", 3.14159, 4.7123889, Cabeza{3.1415939, 0.0000039}},
        Row{"DosPiDeCincoDecimales", 3.14159, 6.28318, Cabeza{4.712385, 1.570795}},
        Row{"CasiUnaVueltaConservaCabeza", 3.14159, 6.2831852, Cabeza{4.7123902, 1.5708002}},
        Row{"LimiteDelSeptimo", 3.14159, 6.2831853, Cabeza{4.7123903, 1.5708003}},
        Row{"PasadaLaVueltaSinCabeza", 3.14159, 6.2831854, std::nullopt},
        Row{"NegativoSinCabeza", 3.14159, -1e-12, std::nullopt},
        Row{"PiMayorInicioPasaDeVuelta", 3.1416, 1.5707927, Cabeza{0.0000074, 3.1415927}},
        Row{"PiMayorInicioNegativo", 3.1416, 1.5707999, Cabeza{6.2831852, 3.1415999}},
        Row{"PiMayorAbajoFinNegativo", 3.1416, 4.7123889, Cabeza{3.1415889, 6.2831742}},
        Row{"PiMayorCasiUnaVuelta", 3.1416, 6.2831852, Cabeza{4.7123852, 1.5707852}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trazalia::diagram
