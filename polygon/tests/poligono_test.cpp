#include "polygon/poligono.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "canvas/picture.h"
#include "canvas/trace_format.h"
#include "diagram/tests/controles_de_prueba.h"

namespace trazalia::polygon {
namespace {

using canvas::CircleOp;
using canvas::Color;
using canvas::LineOp;
using canvas::Op;

constexpr Color kRojo{255, 0, 0}, kTenue{225, 0, 0}, kAzul{0, 0, 255}, kVerde{0, 255, 0};
constexpr Color kNegro{0, 0, 0};
constexpr Color kCabeza[] = {kRojo, kAzul, kVerde};
constexpr std::size_t kBase = 36;  // operations of the axes, ticks and scale texts
using Escritos = std::vector<std::pair<int, std::string>>;

struct Vectores {
    int m[3];
    int d[3];
};

struct P2 {
    double x, y;
};

double Rad(double grados) { return grados * std::numbers::pi / 180; }

// The sum of some of the vectors on screen, with exact π: from (3500, 3000), Escala reaching
// 0.45 of the area.
P2 Suma(const Vectores& v, std::vector<int> ks, double Escala) {
    P2 p{3500, 3000};
    for (int k : ks) {
        p.x += 3150 * v.m[k - 1] * std::cos(Rad(v.d[k - 1])) / Escala;
        p.y -= 2700 * v.m[k - 1] * std::sin(Rad(v.d[k - 1])) / Escala;
    }
    return p;
}

bool Cerca(canvas::Point p, P2 q, double tolerancia) {
    return std::abs(p.x - q.x) < tolerancia && std::abs(p.y - q.y) < tolerancia;
}

void EsLinea(const Op& op, P2 desde, P2 hasta, Color color) {
    const auto* l = std::get_if<LineOp>(&op);
    EXPECT_TRUE(l && Cerca(l->from, desde, 1) && Cerca(l->to, hasta, 1) && l->color == color)
        << canvas::FormatOp(op);
}

// A head's centre lies 60 twips behind the tip.
void EsCabeza(const Op& op, P2 punta, double grados, Color color) {
    const auto* c = std::get_if<CircleOp>(&op);
    const P2 centro{punta.x - 60 * std::cos(Rad(grados)), punta.y + 60 * std::sin(Rad(grados))};
    EXPECT_TRUE(c && Cerca(c->centre, centro, 0.5) && c->color == color && c->width == 2)
        << canvas::FormatOp(op);
}

struct Ventana {
    explicit Ventana(const Vectores& v) {
        poligono.Form_Load();
        for (int k = 1; k <= 3; ++k) form.barras[k] = v.m[k - 1], form.barras[k + 3] = v.d[k - 1];
    }
    // Runs step s; the operations drawn after the base scene.
    std::vector<Op> Paso(int s) {
        form.barras[7] = s;
        form.escritos.clear();
        poligono.HScroll7_Change();
        return {picture.Ops().begin() + std::min(kBase, picture.Ops().size()), picture.Ops().end()};
    }
    std::vector<std::string> Traza() const {
        std::vector<std::string> t;
        for (const Op& op : picture.Ops()) t.push_back(canvas::FormatOp(op));
        return t;
    }
    diagram::ControlesDePrueba form;
    canvas::Picture picture{7000, 6000};
    Poligono poligono{form, picture};
};

struct Vivo {
    const char* name;
    Vectores v;
    int escala;
    friend void PrintTo(const Vivo& row, std::ostream* os) { *os << row.name; }
};

class DiagramaVivoTest : public testing::TestWithParam<Vivo> {};

TEST_P(DiagramaVivoTest, EscalaYVectoresDesdeElOrigen) {
    const Vivo& row = GetParam();
    Ventana w(row.v);
    w.poligono.HScroll_Change();
    const auto& ops = w.picture.Ops();
    ASSERT_EQ(ops.size(), kBase + 6);
    EXPECT_EQ(w.form.escritos.size(), 9u + 6u);  // Form_Load's, then the six inputs only
    // Both axes first, then the vertical ticks with their texts, then the horizontal ones.
    EXPECT_EQ(canvas::FormatOp(ops[6]), "Line 3500 300 3640 300 #000000");
    EXPECT_EQ(canvas::FormatOp(ops[18]), "Print \"" + std::to_string(row.escala) + ".00\"");
    EXPECT_EQ(canvas::FormatOp(ops[21]), "Line 350 3000 350 3120 #000000");
    EXPECT_EQ(canvas::FormatOp(ops[33]), "Print \"-" + std::to_string(row.escala) + ".00\"");
    for (int k = 1; k <= 3; ++k) {
        const P2 punta = Suma(row.v, {k}, row.escala);
        EsLinea(ops[kBase + 2 * k - 2], Suma(row.v, {}, 1), punta, kCabeza[k - 1]);
        EsCabeza(ops[kBase + 2 * k - 1], punta, row.v.d[k - 1], kCabeza[k - 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Poligono, DiagramaVivoTest,
    testing::Values(Vivo{"UnVectorLlegaAlEje", {{100, 0, 0}, {0, 90, 180}}, 100},
                    Vivo{"DosIgualesA45DoblanLaEscala", {{100, 100, 0}, {45, 45, 0}}, 200},
                    Vivo{"SumaParcialMayorQueResultante", {{100, 100, 100}, {0, 0, 180}}, 200},
                    Vivo{"ResultanteMayorQueTodos", {{40, 40, 40}, {30, 30, 30}}, 120},
                    Vivo{"VectorNuloConCabezaEnElOrigen", {{60, 0, 80}, {30, 135, 300}}, 100}),
    [](const auto& info) { return std::string(info.param.name); });

struct Paso {
    const char* name;
    int s;
    int orden[3];
    Color shaft[3];
    friend void PrintTo(const Paso& row, std::ostream* os) { *os << row.name; }
};

class PasoTest : public testing::TestWithParam<Paso> {};

TEST_P(PasoTest, CadenaCabezasYResultante) {
    const auto [name, s, o, shaft] = GetParam();
    const Vectores v{{30, 40, 20}, {0, 90, 200}};
    const double E = 50;  // s12 beats every magnitude and r
    Ventana w(v);
    const auto ops = w.Paso(s);
    ASSERT_EQ(ops.size(), 7u);
    const P2 O = Suma(v, {}, E), A = Suma(v, {o[0]}, E), P = Suma(v, {o[0], o[1]}, E);
    const P2 T = Suma(v, {1, 2, 3}, E);
    EsLinea(ops[0], O, A, shaft[0]);
    EsCabeza(ops[1], A, v.d[o[0] - 1], kCabeza[o[0] - 1]);
    EsLinea(ops[2], A, P, shaft[1]);
    EsCabeza(ops[3], P, v.d[o[1] - 1], kCabeza[o[1] - 1]);
    EsLinea(ops[4], P, T, shaft[2]);
    EsLinea(ops[5], O, T, kNegro);
    // The black head faces the resultant's own direction, not its slope on the screen.
    const double Rx = 30 + 20 * std::cos(Rad(200)), Ry = 40 + 20 * std::sin(Rad(200));
    EsCabeza(ops[6], T, std::atan2(Ry, Rx) * 180 / std::numbers::pi, kNegro);
}

INSTANTIATE_TEST_SUITE_P(
    Poligono, PasoTest,
    testing::Values(Paso{"Paso1RojoVivoAzulVerde", 1, {1, 2, 3}, {kRojo, kAzul, kVerde}},
                    Paso{"Paso2RojoTenueVerdeAzul", 2, {1, 3, 2}, {kTenue, kVerde, kAzul}},
                    Paso{"Paso3AzulRojoTenueVerde", 3, {2, 1, 3}, {kAzul, kTenue, kVerde}},
                    Paso{"Paso4AzulVerdeRojoTenue", 4, {2, 3, 1}, {kAzul, kVerde, kTenue}},
                    Paso{"Paso5VerdeAzulRojoTenue", 5, {3, 2, 1}, {kVerde, kAzul, kTenue}},
                    Paso{"Paso6VerdeRojoTenueAzul", 6, {3, 1, 2}, {kVerde, kTenue, kAzul}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasoSieteTest, SeisCadenasYUnaSolaCabezaNegra) {
    Ventana w({{70, 40, 55}, {10, 135, 250}});
    const auto figura = w.Paso(7);
    ASSERT_EQ(figura.size(), 37u);
    for (int s = 1; s <= 6; ++s) {
        const auto paso = w.Paso(s);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(canvas::FormatOp(figura[6 * (s - 1) + i]), canvas::FormatOp(paso[i]))
                << "cadena " << s << ", fila " << i + 1;
        }
    }
    EXPECT_EQ(canvas::FormatOp(figura[36]), canvas::FormatOp(w.Paso(6)[6]));
}

TEST(FlechaNegraTest, ResultanteALaDerechaConYNegativaTieneCabeza) {
    Ventana w({{100, 1, 0}, {0, 180, 0}});
    for (int s : {1, 7}) {
        const auto paso = w.Paso(s);
        const auto* cabeza = std::get_if<CircleOp>(&paso.back());
        ASSERT_NE(cabeza, nullptr) << "paso " << s;
        EXPECT_EQ(cabeza->color, kNegro);
        EXPECT_NEAR(cabeza->start, 4.7123902, 1e-6);  // the last range, with Pi = 3.14159
    }
}

struct Lectura {
    const char* name;
    Vectores v;
    const char* r;
    const char* direccion;
    friend void PrintTo(const Lectura& row, std::ostream* os) { *os << row.name; }
};

class LecturasTest : public testing::TestWithParam<Lectura> {};

TEST_P(LecturasTest, IgualesEnLosSietePasosYEnSuOrden) {
    const Lectura& row = GetParam();
    Ventana w(row.v);
    for (int s = 1; s <= 7; ++s) {
        w.Paso(s);
        Escritos esperado;
        for (int k = 0; k < 3; ++k) esperado.emplace_back(4 + k, std::to_string(row.v.m[k]));
        for (int k = 0; k < 3; ++k) esperado.emplace_back(10 + k, std::to_string(row.v.d[k]));
        esperado.insert(esperado.end(),
                        {{18, std::to_string(s)}, {14, row.r}, {16, row.direccion}});
        EXPECT_EQ(w.form.escritos, esperado) << "paso " << s;
    }
}

// XT, YT come from r and its direction, the tips from the vectors: they must agree.
TEST_P(LecturasTest, LaResultanteEsLaSumaDeLasPuntas) {
    Ventana w(GetParam().v);
    w.poligono.HScroll_Change();
    if (w.picture.Ops().empty()) return;  // all magnitudes 0: nothing drawn
    P2 suma{-2 * 3500, -2 * 3000};
    for (std::size_t i : {kBase, kBase + 2, kBase + 4}) {
        const auto p = std::get<LineOp>(w.picture.Ops()[i]).to;
        suma = {suma.x + p.x, suma.y + p.y};
    }
    EXPECT_TRUE(Cerca(std::get<LineOp>(w.Paso(1)[5]).to, suma, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Poligono, LecturasTest,
    testing::Values(
        Lectura{
            "TrianguloCerradoSinDireccion", {{100, 100, 100}, {0, 120, 240}}, "0.00", "Indefinido"},
        Lectura{"TresCuatroCinco", {{30, 40, 0}, {0, 90, 0}}, "50.00", "53.13"},
        Lectura{"OpuestosCasiAnulados", {{50, 50, 0}, {0, 180, 0}}, "0.00", "Indefinido"},
        Lectura{"HaciaArribaPorArcotangente", {{100, 0, 0}, {90, 0, 0}}, "100.00", "90.00"},
        Lectura{"TercerCuadrante", {{20, 0, 10}, {180, 0, 270}}, "22.36", "206.57"},
        Lectura{"TodoCeroSinDibujo", {{0, 0, 0}, {0, 90, 180}}, "0.00", "Indefinido"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EscalaCeroTest, ConservaElDibujoYSoloEscribeLasLecturas) {
    Ventana w({{30, 40, 0}, {0, 90, 0}});
    w.Paso(3);
    const auto antes = w.Traza();
    w.form.barras = {{4, 45}, {5, 90}, {6, 10}, {7, 3}};
    w.form.escritos.clear();
    w.poligono.HScroll_Change();
    const Escritos vivo{{4, "0"}, {5, "0"}, {6, "0"}, {10, "45"}, {11, "90"}, {12, "10"}};
    EXPECT_EQ(w.form.escritos, vivo);
    w.poligono.HScroll7_Change();
    EXPECT_EQ(w.Traza(), antes);
    EXPECT_EQ(w.form.rotulos[14], "0.00");
    EXPECT_EQ(w.form.rotulos[16], "Indefinido");
}

}  // namespace
}  // namespace trazalia::polygon
