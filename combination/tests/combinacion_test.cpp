// SPDX-License-Identifier: GPL-3.0-or-later
#include "combination/combinacion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "canvas/picture.h"
#include "canvas/trace_format.h"
#include "diagram/tests/controles_de_prueba.h"

namespace trazalia::combination {
namespace {

constexpr auto kA = diagram::Escalado::Adaptativa;
constexpr auto kF = diagram::Escalado::Fija;

struct Fila {
    const char* nombre;
    int m1, d1, m2, d2, k1, k2;  // k1, k2 in halves, as the bars hold them
    diagram::Escalado escalado;
    std::optional<double> retenida;
    const char *lecturaK1, *lecturaK2, *r, *alfa;
    double Escala;
    int terminos;  // the scaled copies drawn
    friend void PrintTo(const Fila& f, std::ostream* os) { *os << f.nombre; }
};

class Graficar : public testing::TestWithParam<Fila> {};

// An arrowhead of that vector: centred 60 twips back from its tip along its direction in units.
bool ConCabeza(const std::vector<canvas::Op>& ops, const diagram::Trazo& t) {
    const double a = std::atan2(t.y, t.x);
    const double cx = t.hasta.x - 60 * std::cos(a);
    const double cy = t.hasta.y + 60 * std::sin(a);
    return std::any_of(ops.begin(), ops.end(), [&](const canvas::Op& op) {
        const auto* c = std::get_if<canvas::CircleOp>(&op);
        return c && c->color == t.color && std::hypot(c->centre.x - cx, c->centre.y - cy) < 1;
    });
}

// The live redraw, then "Graficar c" with nothing changed: the read-outs, the terms, their heads
// and names, and everything within Picture1 at a scale that does not jump.
TEST_P(Graficar, DibujaLaCombinacion) {
    const Fila& f = GetParam();
    diagram::ControlesDePrueba form;
    canvas::Picture picture{7000, 6000};
    Combinacion metodo{form, picture};
    metodo.Form_Load();
    form.barras = {{1, f.m1}, {2, f.m2}, {3, f.d1}, {4, f.d2}, {5, f.k1}, {6, f.k2}};
    metodo.setEscalado(f.escalado, f.retenida);
    EXPECT_NEAR(metodo.EscalaSiguiente(), f.Escala, 1e-3);

    const diagram::Resultado vivo = metodo.Vectores();
    const std::vector<canvas::Op> ops = picture.ops();
    form.escritos.clear();
    const diagram::Resultado hecho = metodo.Revelar();

    const std::vector<std::pair<int, std::string>> esperados{
        {10, f.lecturaK1}, {12, f.lecturaK2}, {14, f.r}, {16, f.alfa}};
    ASSERT_EQ(form.escritos.size(), 8U);
    EXPECT_EQ(decltype(esperados)(form.escritos.begin() + 4, form.escritos.end()), esperados);
    EXPECT_FALSE(vivo.resultante);
    EXPECT_NEAR(hecho.Escala, f.Escala, 1e-3);
    EXPECT_EQ(vivo.Escala, hecho.Escala);
    ASSERT_LE(ops.size(), picture.ops().size());
    for (std::size_t i = 0; i < ops.size(); ++i)
        EXPECT_EQ(canvas::FormatOp(ops[i]), canvas::FormatOp(picture.ops()[i])) << i;

    // Each k·v from the vector of the same number, with its head and its name; c's last.
    std::vector<std::string> esperadosNombres;
    for (const diagram::Trazo& t : hecho.trazos) {
        if (t.desdeOrigen) continue;
        const diagram::Trazo& v = hecho.trazos.at(static_cast<std::size_t>(t.vector - 1));
        const double k = (t.vector == 1 ? f.k1 : f.k2) / 2.0;
        EXPECT_NEAR(t.x, k * v.x, 1e-9);
        EXPECT_NEAR(t.y, k * v.y, 1e-9);
        EXPECT_TRUE(ConCabeza(picture.ops(), t)) << t.vector;
        esperadosNombres.push_back(t.vector == 1 ? "k₁a" : "k₂b");
    }
    EXPECT_EQ(esperadosNombres.size(), static_cast<std::size_t>(f.terminos));
    esperadosNombres.push_back("c");

    const auto Dentro = [&](canvas::Point p) {
        return p.x >= 0 && p.y >= 0 && p.x <= picture.Width() && p.y <= picture.Height();
    };
    std::vector<std::string> nombres;
    for (const canvas::Op& op : picture.ops()) {
        if (const auto* l = std::get_if<canvas::LineOp>(&op)) {
            EXPECT_TRUE(Dentro(l->from) && Dentro(l->to));
        } else if (const auto* c = std::get_if<canvas::CircleOp>(&op)) {
            EXPECT_TRUE(Dentro(c->centre));
        } else if (const auto* p = std::get_if<canvas::PrintOp>(&op)) {
            EXPECT_TRUE(Dentro(p->at)) << p->text;
            if (p->text.starts_with("k") || p->text == "c") nombres.push_back(p->text);
        }
    }
    EXPECT_EQ(nombres, esperadosNombres);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Combinacion, Graficar, testing::Values(
    // What "a − b" sets.
    Fila{"RestaAMenosB", 60, 0, 80, 90, kBarrasDeResta[0].second, kBarrasDeResta[1].second, kA,
         std::nullopt, "1", "-1", "100.00", "306.87", 100.0002, 2},
    Fila{"NegativoInvierte", 50, 30, 20, 100, -3, 0, kA, std::nullopt, "-1.5", "0", "75.00",
         "210.00", 75, 1},
    Fila{"CeroDejaFueraSuTermino", 80, 0, 30, 45, 0, 4, kA, std::nullopt, "0", "2", "60.00",
         "45.00", 80, 1},
    // c is 0, but the chain reaches 500.
    Fila{"NulaIndefinidaConCadenaLarga", 100, 0, 100, 0, 10, -10, kA, std::nullopt, "5", "-5",
         "0.00", "Indefinido", 500, 2},
    Fila{"FijaHastaMil", 100, 0, 100, 0, 10, 10, kF, std::nullopt, "5", "5", "1000.00", "0.00",
         1000, 2},
    Fila{"FijaRetenidaAmplia", 10, 0, 20, 90, 2, 2, kF, 400.0, "1", "1", "22.36", "63.44", 500, 2}),
    [](const auto& info) { return std::string(info.param.nombre); });
// clang-format on

}  // namespace
}  // namespace trazalia::combination
