#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <string>

#include "app/tests/sesion_aleatoria.h"

namespace trazalia::app::sesion {
namespace {

std::uint64_t Entorno(const char* nombre, std::uint64_t omision) {
    const char* texto = std::getenv(nombre);
    return texto && *texto ? std::strtoull(texto, nullptr, 10) : omision;
}

// TRAZALIA_SEMILLA and TRAZALIA_ACCIONES replay a reported failure or run a longer soak.
TEST(SesionesAleatorias, KeepEveryInvariantAfterEachAction) {
    const std::uint64_t semilla = Entorno("TRAZALIA_SEMILLA", 20260601);
    const std::uint64_t acciones = Entorno("TRAZALIA_ACCIONES", 20000);
    std::cout << "semilla " << semilla << ", " << acciones << " acciones" << std::endl;
    const Resultado r = Correr(semilla, acciones, true);
    if (r.falla) {
        ADD_FAILURE() << Informe(semilla, r, 300);
        return;
    }
    EXPECT_EQ(r.realizadas, acciones);
    // A session that never reached a check would pass without testing it.
    if (acciones >= 20000) {
        for (const char* cuenta : {"paralelogramo", "ceros", "tecla", "raton", "paso 1", "paso 2",
                                   "paso 3", "paso 4", "paso 5", "paso 6", "paso 7"})
            EXPECT_GT(r.cuentas.count(cuenta) ? r.cuentas.at(cuenta) : 0, 0U) << cuenta;
    }
    for (const auto& [cuenta, veces] : r.cuentas) std::cout << cuenta << ": " << veces << '\n';
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr canvas::Point kO{3500, 3000};

Suceso Cls() { return {true, {}}; }
Suceso Linea(float x1, float y1, float x2, float y2) {
    return {false, canvas::LineOp{{x1, y1}, {x2, y2}, canvas::kBlack, 2}};
}
Suceso Arco(float x, float y, float inicio, float fin) {
    return {false, canvas::CircleOp{{x, y}, 60, canvas::kBlack, inicio, fin, 2}};
}
Suceso Texto(float x, float y) { return {false, canvas::PrintOp{{x, y}, "100.00"}}; }

struct CasoDibujo {
    const char* nombre;
    std::vector<Suceso> sucesos;
    const char* falla;  // "" when the drawing is sound
    friend void PrintTo(const CasoDibujo& c, std::ostream* os) { *os << c.nombre; }
};

class RevisarDibujoTest : public testing::TestWithParam<CasoDibujo> {};

TEST_P(RevisarDibujoTest, FlagsWhatBreaksTheDrawingRules) {
    const auto f = RevisarDibujo(GetParam().sucesos);
    EXPECT_EQ(f ? f->tipo : "", GetParam().falla) << (f ? f->detalle : "");
}

INSTANTIATE_TEST_SUITE_P(
    Sucesos, RevisarDibujoTest,
    testing::Values(
        CasoDibujo{"NothingAtAll", {}, ""},
        CasoDibujo{"ClsThenOperations",
                   {Cls(), Linea(0, 0, 7000, 6000), Arco(10, 10, 0, 3.14F), Texto(1, 2)},
                   ""},
        CasoDibujo{"AnglesAtBothEndsOfTheTurn", {Cls(), Arco(1, 1, 0, canvas::kFullTurn)}, ""},
        CasoDibujo{"LineBeforeCls", {Linea(0, 0, 1, 1), Cls()}, "cls"},
        CasoDibujo{"NaNEndPoint", {Cls(), Linea(0, 0, kNaN, 1)}, "finito"},
        CasoDibujo{"InfiniteCentre", {Cls(), Arco(kInf, 1, 0, 1)}, "finito"},
        CasoDibujo{"TextAtNaN", {Cls(), Texto(kNaN, kNaN)}, "finito"},
        CasoDibujo{"NegativeStart", {Cls(), Arco(1, 1, -0.5F, 1)}, "angulo"},
        CasoDibujo{"EndJustPastTheTurn",
                   {Cls(), Arco(1, 1, 0, std::nextafter(canvas::kFullTurn, 7.0F))},
                   "angulo"},
        CasoDibujo{"NaNAngle", {Cls(), Arco(1, 1, kNaN, 1)}, "angulo"}),
    [](const auto& info) { return std::string(info.param.nombre); });

canvas::Op L(canvas::Point p, canvas::Point q, canvas::Color c) {
    return canvas::LineOp{p, q, c, 2};
}
constexpr canvas::Color kRojo{255, 0, 0};
constexpr canvas::Color kAzul{0, 0, 255};
constexpr canvas::Color kVerde{0, 255, 0};

// A completed parallelogram with P1 = (5000, 3000), P2 = (3500, 2000); PR is moved by dx.
std::vector<canvas::Op> Paralelogramo(float dx, canvas::Color resultante = canvas::kBlack) {
    const canvas::Point P1{5000, 3000}, P2{3500, 2000}, PR{5000 + dx, 2000};
    return {L(kO, {3500, 300}, canvas::kBlack),
            L(kO, P1, kRojo),
            L(kO, P2, kAzul),
            L(P2, PR, kRojo),
            L(P1, PR, kAzul),
            L(kO, PR, resultante)};
}

struct CasoFigura {
    const char* nombre;
    std::vector<canvas::Op> ops;
    const char* falla;
    friend void PrintTo(const CasoFigura& c, std::ostream* os) { *os << c.nombre; }
};

class RevisarParalelogramoTest : public testing::TestWithParam<CasoFigura> {};

TEST_P(RevisarParalelogramoTest, ComparesTheResultantWithTheSumOfTheTips) {
    const auto f = RevisarParalelogramo(GetParam().ops, kO);
    EXPECT_EQ(f ? f->tipo : "", GetParam().falla) << (f ? f->detalle : "");
}

INSTANTIATE_TEST_SUITE_P(
    Figuras, RevisarParalelogramoTest,
    testing::Values(CasoFigura{"Exact", Paralelogramo(0), ""},
                    CasoFigura{"WithinOneTwip", Paralelogramo(0.9F), ""},
                    CasoFigura{"TwoTwipsOff", Paralelogramo(2), "suma"},
                    CasoFigura{"ResultantNotBlack", Paralelogramo(0, kRojo), "figura"},
                    CasoFigura{"NoBlueVector",
                               {L(kO, {5000, 3000}, kRojo), L(kO, {5000, 3000}, canvas::kBlack)},
                               "figura"},
                    CasoFigura{"SideMissesTheResultant",
                               [] {
                                   auto ops = Paralelogramo(0);
                                   std::get<canvas::LineOp>(ops[3]).to = {4000, 2000};
                                   return ops;
                               }(),
                               "figura"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Tips of a live polygon diagram and a step that ends at T + (dx, 0).
std::vector<canvas::Op> Paso(float dx) {
    return {L(kO, {5000, 3000}, kRojo), L({5000, 3000}, {5000, 2000}, kAzul),
            L({5000, 2000}, {4500, 1500}, kVerde), L(kO, {4500 + dx, 1500}, canvas::kBlack)};
}

class RevisarPoligonoTest : public testing::TestWithParam<CasoFigura> {};

TEST_P(RevisarPoligonoTest, ComparesTTheSumOfTheThreeTips) {
    const std::vector<canvas::Op> vivo{L(kO, {5000, 3000}, kRojo), L(kO, {3500, 2000}, kAzul),
                                       L(kO, {3000, 2500}, kVerde)};
    const auto puntas = PuntasEnVivo(vivo, kO);
    ASSERT_TRUE(puntas);
    const auto f = RevisarPoligono(GetParam().ops, kO, *puntas);
    EXPECT_EQ(f ? f->tipo : "", GetParam().falla) << (f ? f->detalle : "");
}

INSTANTIATE_TEST_SUITE_P(
    Pasos, RevisarPoligonoTest,
    testing::Values(CasoFigura{"Exact", Paso(0), ""},
                    CasoFigura{"OneAndAHalfTwipsOff", Paso(1.5F), "suma"},
                    CasoFigura{"EndsWithAColouredLine", {L(kO, {4000, 1500}, kVerde)}, "figura"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(PuntasEnVivoTest, NeedsAllThreeVectorsFromTheOrigin) {
    EXPECT_FALSE(PuntasEnVivo(std::vector<canvas::Op>{L(kO, {1, 1}, kRojo), L(kO, {2, 2}, kAzul),
                                                      L({1, 1}, {3, 3}, kVerde)},
                              kO));
}

TEST(ReducirTest, KeepsOnlyWhatTheFailureNeeds) {
    std::vector<int> lista;
    for (int i = 0; i < 100; ++i) lista.push_back(i);
    const std::function<bool(const std::vector<int>&)> falla = [](const std::vector<int>& l) {
        return std::find(l.begin(), l.end(), 3) != l.end() &&
               std::find(l.begin(), l.end(), 71) != l.end();
    };
    EXPECT_EQ(Reducir(lista, falla, 1000), (std::vector<int>{3, 71}));
    EXPECT_EQ(Reducir(lista, falla, 0), lista);
}

}  // namespace
}  // namespace trazalia::app::sesion
