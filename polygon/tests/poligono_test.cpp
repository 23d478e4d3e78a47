// SPDX-License-Identifier: GPL-3.0-or-later
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

using canvas::Color;
using canvas::Op;

constexpr Color kRojo{255, 0, 0}, kTenue{225, 0, 0}, kAzul{0, 0, 255}, kVerde{0, 255, 0};
constexpr Color kCabeza[] = {kRojo, kAzul, kVerde};
constexpr std::size_t kBase = 36;  // operations of the axes, ticks and scale texts

struct Vectores {
    int m[3];
    int d[3];
};

using P2 = diagram::Punto;

double Rad(double grados) { return grados * std::numbers::pi / 180; }

// Tip of the sum of vectors ks on screen, with exact π: from (3500, 3000), Escala reaching 0.45
// of the area.
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
    const auto* l = std::get_if<canvas::LineOp>(&op);
    EXPECT_TRUE(l && Cerca(l->from, desde, 1) && Cerca(l->to, hasta, 1) && l->color == color)
        << canvas::FormatOp(op);
}

// A head's centre lies 60 twips behind the tip.
void EsCabeza(const Op& op, P2 punta, double grados, Color color) {
    const auto* c = std::get_if<canvas::CircleOp>(&op);
    const P2 centro{punta.x - 60 * std::cos(Rad(grados)), punta.y + 60 * std::sin(Rad(grados))};
    EXPECT_TRUE(c && Cerca(c->centre, centro, 0.5) && c->color == color && c->width == 2)
        << canvas::FormatOp(op);
}

std::vector<std::string> Texto(const std::vector<Op>& ops) {
    std::vector<std::string> t;
    for (const Op& op : ops) t.push_back(canvas::FormatOp(op));
    return t;
}

struct Ventana {
    explicit Ventana(const Vectores& v) {
        poligono.Form_Load();
        for (int k = 1; k <= 3; ++k) form.barras[k] = v.m[k - 1], form.barras[k + 3] = v.d[k - 1];
        form.escritos.clear();
    }
    // Runs step s; the operations drawn after the base scene.
    std::vector<Op> Paso(int s) {
        form.barras[7] = s;
        form.escritos.clear();
        poligono.HScroll7_Change();
        return {picture.ops().begin() + std::min(kBase, picture.ops().size()), picture.ops().end()};
    }
    diagram::ControlesDePrueba form;
    canvas::Picture picture{7000, 6000};
    Poligono poligono{form, picture};
};

// A change draws the vectors from the origin at a scale fitting every length the steps draw; each
// step writes the same read-outs and ends with the black head. The traces of guiones/ hold the
// rest: Form_Load's read-outs and all magnitudes 0.
struct Fila {
    const char* name;
    Vectores v;
    int escala;
    const char* r;
    const char* direccion;
    double inicio;  // of the black head, with Pi = 3.14159
    friend void PrintTo(const Fila& row, std::ostream* os) { *os << row.name; }
};

class VentanaTest : public testing::TestWithParam<Fila> {};

TEST_P(VentanaTest, CambioYSietePasos) {
    const Fila& row = GetParam();
    Ventana w(row.v);
    w.poligono.HScroll_Change();
    std::vector<std::pair<int, std::string>> esperado;
    for (int k = 0; k < 3; ++k) esperado.emplace_back(4 + k, std::to_string(row.v.m[k]));
    for (int k = 0; k < 3; ++k) esperado.emplace_back(10 + k, std::to_string(row.v.d[k]));
    EXPECT_EQ(w.form.escritos, esperado);
    const auto& ops = w.picture.ops();
    ASSERT_EQ(ops.size(), kBase + 6);
    // Both axes, then the vertical ticks with their texts, then the horizontal ones.
    EXPECT_EQ(canvas::FormatOp(ops[18]), "Print \"" + std::to_string(row.escala) + ".00\"");
    EXPECT_EQ(canvas::FormatOp(ops[33]), "Print \"-" + std::to_string(row.escala) + ".00\"");
    for (int k = 1; k <= 3; ++k) {
        const P2 punta = Suma(row.v, {k}, row.escala);
        EsLinea(ops[kBase + 2 * k - 2], Suma(row.v, {}, 1), punta, kCabeza[k - 1]);
        EsCabeza(ops[kBase + 2 * k - 1], punta, row.v.d[k - 1], kCabeza[k - 1]);
    }
    esperado.insert(esperado.end(), {{18, ""}, {14, row.r}, {16, row.direccion}});
    for (int s = 1; s <= 7; ++s) {
        const auto paso = w.Paso(s);
        esperado[6].second = std::to_string(s);
        EXPECT_EQ(w.form.escritos, esperado) << "paso " << s;
        const auto* cabeza = std::get_if<canvas::CircleOp>(&paso.back());
        ASSERT_TRUE(cabeza && cabeza->color == canvas::kBlack) << "paso " << s;
        EXPECT_NEAR(cabeza->start, row.inicio, 1e-6) << "paso " << s;
    }
}

// The first five rows each take their scale from a different length; a vector of 0 has its
// head at the origin.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Poligono, VentanaTest, testing::Values(
    Fila{"SumaDeUnoYDos", {{100, 100, 100}, {120, 120, 300}}, 200, "100.00", "120.00", 0.5235976},
    Fila{"SumaDeUnoYTres", {{60, 30, 80}, {30, 157, 300}}, 100, "70.00", "336.81", 4.3077297},
    Fila{"SumaDeDosYTres", {{30, 60, 80}, {157, 30, 300}}, 100, "70.00", "336.81", 4.3077297},
    Fila{"SegundoVector", {{30, 100, 30}, {225, 45, 225}}, 100, "40.00", "45.00", 5.4977741},
    Fila{"Resultante", {{40, 40, 40}, {30, 30, 30}}, 120, "120.00", "30.00", 5.2359848},
    Fila{"DerechaConYNegativa", {{100, 1, 0}, {0, 180, 0}}, 100, "99.00", "360.00", 4.7123902}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct Paso {
    const char* name;
    int s;
    int orden[3];
    Color shaft[3];
    friend void PrintTo(const Paso& row, std::ostream* os) { *os << row.name; }
};

class PasoTest : public testing::TestWithParam<Paso> {};

TEST_P(PasoTest, CadenaCabezasYResultanteTambienEnElPasoSiete) {
    const auto [name, s, o, shaft] = GetParam();
    const Vectores v{{30, 40, 20}, {0, 90, 200}};
    const double E = 50;  // s12 beats every magnitude and r
    Ventana w(v);
    const auto ops = w.Paso(s);
    ASSERT_EQ(ops.size(), 7u);
    const P2 p[] = {Suma(v, {}, E), Suma(v, {o[0]}, E), Suma(v, {o[0], o[1]}, E),
                    Suma(v, {1, 2, 3}, E)};
    for (int i = 0; i < 3; ++i) EsLinea(ops[2 * i], p[i], p[i + 1], shaft[i]);
    for (int i = 0; i < 2; ++i)
        EsCabeza(ops[2 * i + 1], p[i + 1], v.d[o[i] - 1], kCabeza[o[i] - 1]);
    EsLinea(ops[5], p[0], p[3], canvas::kBlack);
    // The black head faces the resultant's own direction, 71.33°, not its slope on the screen.
    EsCabeza(ops[6], p[3], 71.33, canvas::kBlack);
    // Step 7 draws the six chains in step order and the black head once, at the end.
    const auto paso = Texto(ops), siete = Texto(w.Paso(7));
    ASSERT_EQ(siete.size(), 37u);
    EXPECT_EQ(std::vector(siete.begin() + 6 * (s - 1), siete.begin() + 6 * s),
              std::vector(paso.begin(), paso.begin() + 6));
    EXPECT_EQ(siete.back(), paso.back());
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

}  // namespace
}  // namespace trazalia::polygon
