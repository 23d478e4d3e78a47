// SPDX-License-Identifier: GPL-3.0-or-later
// Randomised user sessions across the three windows of the core: a seeded stream of script lines
// (clicks, navigation, scroll moves within range, drags and views), with the invariants checked
// after every action.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "canvas/trace_format.h"
#include "canvas/trace_writer.h"
#include "diagram/colores.h"
#include "diagram/formato.h"
#include "diagram/vistas.h"
#include "session/guion.h"
#include "session/sesion.h"

namespace trazalia::session {
namespace {

using diagram::kAzul;
using diagram::kRojo;
using diagram::kVerde;

bool Cerca(canvas::Point p, canvas::Point q, float tolerancia) {
    return std::abs(p.x - q.x) <= tolerancia && std::abs(p.y - q.y) <= tolerancia;
}

// Every coordinate finite and every angle within one turn (single precision), as the drawing
// area receives them.
bool Sano(const canvas::Op& op) {
    const auto finito = [](canvas::Point p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    const auto vuelta = [](float a) { return a >= 0 && a <= canvas::kFullTurn; };
    if (const auto* l = std::get_if<canvas::LineOp>(&op)) return finito(l->from) && finito(l->to);
    if (const auto* c = std::get_if<canvas::CircleOp>(&op))
        return finito(c->centre) && std::isfinite(c->radius) && vuelta(c->start) && vuelta(c->end);
    if (const auto* t = std::get_if<canvas::TextOp>(&op)) return finito(t->at);
    return finito(std::get<canvas::PrintOp>(op).at);
}

// Tip of the first solid line of that colour drawn from the origin.
std::optional<canvas::Point> Punta(std::span<const canvas::Op> ops, canvas::Point origen,
                                   canvas::Color color) {
    for (const canvas::Op& op : ops)
        if (const auto* l = std::get_if<canvas::LineOp>(&op))
            if (!l->dashed && l->color == color && Cerca(l->from, origen, 0.5F)) return l->to;
    return std::nullopt;
}

// A figure ends with its resultant: the last line, black, from the origin. Its tip is computed
// in double and handed over in single precision, hence the one-twip tolerance.
std::string Suma(const char* que, std::span<const canvas::Op> ops, canvas::Point origen,
                 canvas::Point esperado) {
    const auto l = std::find_if(ops.rbegin(), ops.rend(), [](const canvas::Op& op) {
        const auto* linea = std::get_if<canvas::LineOp>(&op);
        return linea && !linea->dashed;  // the views' component lines come after the figure
    });
    const auto* r = l == ops.rend() ? nullptr : &std::get<canvas::LineOp>(*l);
    if (!r || r->color != canvas::kBlack || !Cerca(r->from, origen, 0.5F))
        return std::string("la figura no termina con la resultante negra desde el origen");
    if (Cerca(r->to, esperado, 1.0F)) return {};
    return que + (" dibujado en " + canvas::FormatOp(*l)) + ", se esperaba hasta " +
           canvas::FormatNumber(esperado.x) + ' ' + canvas::FormatNumber(esperado.y);
}

// What one window's picture is told during an action: nullopt stands for a Cls.
struct Observador final : canvas::PictureListener {
    explicit Observador(VentanaMetodo& v) : ventana(v), escucha(picture().AddListener(this)) {}

    canvas::Picture& picture() { return ventana.picture(); }
    void Cleared() override { sucesos.emplace_back(); }
    void DrawWidthSet(int) override {}
    void Drawn(const canvas::Op& op) override { sucesos.emplace_back(op); }

    VentanaMetodo& ventana;
    canvas::ListenerHandle escucha;
    std::vector<std::optional<canvas::Op>> sucesos;
};

const std::string& Texto(const Ventana& v, int rotulo) {
    return v.estado(v.Numerado("Label", rotulo)).caption;
}

int Valor(const Ventana& v, int barra) { return v.estado(v.Numerado("HScroll", barra)).valor; }

struct Accion {
    std::string linea;  // as a script line
    int barra = 0;      // the HScroll it moves; 0 for a click, -1 for a view
};

constexpr const char* kVistas[] = {"grid", "labels",   "components", "equation",
                                   "bold", "contrast", "fixed"};

// With views on, each vector drawn from the origin shows its components, which must lead to its
// drawn tip within a twip, and the equation shows the resultant's read-outs.
std::string ComprobarVistas(const VentanaMetodo& v, std::span<const canvas::Op> ops, int n,
                            const diagram::Vistas& vistas) {
    const diagram::Resultado& d = *v.dibujo();
    const auto hay = [&](const std::string& texto) {
        return std::any_of(ops.begin(), ops.end(), [&](const canvas::Op& op) {
            const auto* t = std::get_if<canvas::TextOp>(&op);
            return t && t->text.find(texto) != std::string::npos;
        });
    };
    const float W = v.picture().Width(), H = v.picture().Height();
    const canvas::Point c{W / 2, H / 2};
    for (const diagram::Trazo& t : d.trazos) {
        if (!t.desdeOrigen) continue;
        const canvas::Point punta{static_cast<float>(t.hasta.x), static_cast<float>(t.hasta.y)};
        const bool dibujada = std::any_of(ops.begin(), ops.end(), [&](const canvas::Op& op) {
            const auto* l = std::get_if<canvas::LineOp>(&op);
            return l && !l->dashed && Cerca(l->from, c, 0.5F) && l->to == punta;
        });
        // Twips per unit on each axis: Escala units reach 0.45 of each, or with the fixed scale
        // the shorter half-axis on both.
        const bool fija = d.escalado == diagram::Escalado::Fija;
        const double kx = fija ? std::min(W, H) * 0.45 / d.Escala : W * 0.45 / d.Escala;
        const double ky = fija ? kx : H * 0.45 / d.Escala;
        const canvas::Point desdeComponentes{static_cast<float>(c.x + kx * t.x),
                                             static_cast<float>(c.y - ky * t.y)};
        const std::string letra(1, t.vector ? char('A' + t.vector - 1) : 'R');
        if (!dibujada || !Cerca(desdeComponentes, punta, 1.0F))
            return "las componentes de " + letra + " llevan a " +
                   canvas::FormatNumber(desdeComponentes.x) + ' ' +
                   canvas::FormatNumber(desdeComponentes.y) + ", no a la punta dibujada";
        // A tip within a twip of the origin (a resultant of opposite vectors) has no components.
        const bool enOrigen = std::abs(t.hasta.x - c.x) < 1 && std::abs(t.hasta.y - c.y) < 1;
        if (vistas[diagram::Vista::Componentes] && t.hasta.x != c.x && !enOrigen &&
            !hay(letra + "x = " + diagram::Formato(t.x)))
            return "falta el rótulo de la componente x de " + letra;
    }
    if (!d.resultante || !vistas[diagram::Vista::Ecuacion]) return {};
    const std::string lecturas =
        "|R| = " + Texto(v, n == 2 ? 10 : 14) + ";  α = " + Texto(v, n == 2 ? 12 : 16);
    return hay(lecturas) ? std::string() : "la ecuación no muestra " + lecturas;
}

// A fresh program driven through script lines, as a user would through the shown window.
class Usuario {
public:
    Usuario() { sesion_.Iniciar(); }

    std::pair<Ventana*, int> Visible() const {
        for (int n = 1; n <= 3; ++n)
            if (Ventana* v = sesion_.ventana(static_cast<Formulario>(n - 1)); v && v->visible())
                return {v, n};
        return {nullptr, 0};
    }

    // Something the user could do now on window n: navigate (never "Salir", which would end the
    // session), draw, or move a bar within its range.
    static Accion Generar(const Ventana& v, int n, std::mt19937_64& azar) {
        const auto dado = [&](int caras) {
            return static_cast<int>(azar() % static_cast<unsigned>(caras));
        };
        const std::string ventana = "Form" + std::to_string(n);
        const int p = dado(100);
        int barra = 0;
        if (n == 1) return {"click Form1.Command" + std::to_string(1 + dado(2))};
        if (p >= 96)
            return {"view " + ventana + ' ' + kVistas[dado(7)] + (dado(2) ? " on" : " off"), -1};
        if (p >= 88) {
            // A drag from a tip drawn from the origin (or from anywhere, grabbing nothing) to
            // anywhere, out of the picture too; it moves the live diagram as its bars do.
            const auto& dibujo = static_cast<const VentanaMetodo&>(v).dibujo();
            const canvas::Picture& picture = static_cast<const VentanaMetodo&>(v).picture();
            const auto en = [&](float largo) {
                return dado(static_cast<int>(largo) + 2000) - 1000;
            };
            double x = en(picture.Width()), y = en(picture.Height());
            if (dibujo && !dibujo->trazos.empty() && dado(4)) {
                const auto& t = dibujo->trazos[static_cast<std::size_t>(
                    dado(static_cast<int>(dibujo->trazos.size())))];
                x = t.hasta.x + dado(7) - 3;
                y = t.hasta.y + dado(7) - 3;
            }
            return {"drag " + ventana + ' ' + canvas::FormatNumber(static_cast<float>(x)) + ' ' +
                        canvas::FormatNumber(static_cast<float>(y)) + ' ' +
                        std::to_string(en(picture.Width())) + ' ' +
                        std::to_string(en(picture.Height())),
                    1};
        }
        if (n == 2) {
            if (p < 3) return {"click Form2.Command2"};   // Regresar
            if (p < 25) return {"click Form2.Command1"};  // Graficar Paralelogramo
            barra = 1 + dado(4);
        } else {
            if (p < 3) return {"click Form3.Command1"};  // Regresar
            barra = p < 28 ? 7 : 1 + dado(6);
        }
        const std::size_t i = v.Numerado("HScroll", barra);
        const Control& b = v.tabla().controles[i];
        // Edges, single and page steps, zero magnitudes and setting the same value again are
        // where handlers go wrong.
        int valor = v.estado(i).valor;
        const int q = dado(100);
        if (q < 40)
            valor = b.min + dado(b.max - b.min + 1);
        else if (q < 64)
            valor += dado(2) ? 1 : -1;
        else if (q < 74)
            valor += dado(2) ? b.large : -b.large;
        else if (q < 84)
            valor = dado(2) ? b.min : b.max;
        else if (q < 92 && barra <= n)  // a magnitude: HScroll1..2 on Form2, 1..3 on Form3
            valor = 0;
        valor = std::clamp(valor, b.min, b.max);
        return {"set " + ventana + ".HScroll" + std::to_string(barra) + ' ' + std::to_string(valor),
                barra};
    }

    // Runs the action, then checks the method windows. Returns what broke, or nothing.
    std::string Realizar(const Accion& a) {
        for (auto& o : observadores_)
            if (o) o->sucesos.clear();
        if (std::string error = guion_.Linea(a.linea); !error.empty())
            return "el guion la rechazó: " + error;
        for (int n : {2, 3}) {
            auto& o = observadores_[static_cast<std::size_t>(n - 2)];
            if (!o)  // windows are built when first shown
                if (VentanaMetodo* v = sesion_.metodo("Form" + std::to_string(n)))
                    o = std::make_unique<Observador>(*v);
            if (!o) continue;
            if (std::string f = Comprobar(*o, n, a); !f.empty())
                return std::string(o->ventana.nombre()) + ": " + f;
        }
        return {};
    }

    std::size_t sumas = 0;  // resultants compared, so that a run proves it reached them

private:
    std::string Comprobar(Observador& o, int n, const Accion& a) {
        const VentanaMetodo& v = o.ventana;
        for (auto [barra, rotulo] : v.tabla().lecturas) {
            const std::string valor = std::to_string(Valor(v, barra));
            if (Texto(v, rotulo) != valor)
                return "Label" + std::to_string(rotulo) + " muestra «" + Texto(v, rotulo) +
                       "» y HScroll" + std::to_string(barra) + " vale " + valor;
        }
        const std::optional<double> angulo = v.anguloResultante();
        if (angulo && !(*angulo >= 0 && *angulo <= 6.2831853))
            return "AnguloResultante = " + std::to_string(*angulo);

        if (o.sucesos.empty()) return {};
        if (o.sucesos.front())
            return "el dibujo empieza con «" + canvas::FormatOp(*o.sucesos.front()) + "», no Cls";
        for (const auto& s : o.sucesos)
            if (s && !Sano(*s))
                return "coordenada no finita o ángulo fuera de [0, 2π]: " + canvas::FormatOp(*s);
        bool ceros = true;
        for (int k = 1; k <= n; ++k)  // the magnitudes: HScroll1..n
            ceros = ceros && Valor(v, k) == 0;
        if (ceros) return "con todas las magnitudes en 0 se dibujó algo";

        const std::span<const canvas::Op> ops = o.picture().ops();
        const canvas::Point c{o.picture().Width() / 2, o.picture().Height() / 2};
        const diagram::Vistas vistas = sesion_.vistas();
        if (std::string f = ComprobarVistas(v, ops, n, vistas); !f.empty()) return f;
        const canvas::Color verde =
            vistas[diagram::Vista::Contraste] ? diagram::kVerdeOscuro : kVerde;
        // Only "Graficar Paralelogramo" and Form3's step bar draw a resultant; anything else
        // redraws the live diagram, whose tips Form3's next step must add up.
        if (a.barra != (n == 2 ? 0 : 7)) {
            if (n == 3) {
                puntas_ = {Punta(ops, c, kRojo), Punta(ops, c, kAzul), Punta(ops, c, verde)};
                escalado_ = v.dibujo()->escalado;
            }
            return {};
        }
        ++sumas;
        if (n == 2) {
            const auto p1 = Punta(ops, c, kRojo), p2 = Punta(ops, c, kAzul);
            if (!p1 || !p2) return "faltan los vectores rojo y azul desde el origen";
            return Suma("PR", ops, c, {p1->x + p2->x - c.x, p1->y + p2->y - c.y});
        }
        // Tips drawn in another scaling are elsewhere: the fixed scale was turned on or off since.
        if (v.dibujo()->escalado != escalado_) return {};
        const auto& [p1, p2, p3] = puntas_;
        if (!p1 || !p2 || !p3) return "un paso dibujó sin las tres puntas del diagrama en vivo";
        return Suma("T", ops, c,
                    {p1->x + p2->x + p3->x - 2 * c.x, p1->y + p2->y + p3->y - 2 * c.y});
    }

    // Members in this order so that the observers go before the pictures they watch.
    std::ostream nada_{nullptr};  // without a buffer: drops the trace and script output
    canvas::TraceWriter trace_{nada_};
    Sesion sesion_;
    Guion guion_{sesion_, trace_, nada_, nada_, "sesión"};
    std::array<std::unique_ptr<Observador>, 2> observadores_;
    std::array<std::optional<canvas::Point>, 3> puntas_;
    diagram::Escalado escalado_ = diagram::Escalado::Adaptativa;
};

struct Resultado {
    std::size_t realizadas = 0;
    std::string falla;
    std::deque<std::string> ultimas;  // the last actions performed
    std::size_t sumas = 0;
};

// Performs cantidad actions generated from the seed, stopping at the first failure.
Resultado Correr(std::uint64_t semilla, std::uint64_t cantidad) {
    Usuario sesion;
    std::mt19937_64 azar(semilla);
    Resultado r;
    while (r.realizadas < cantidad && r.falla.empty()) {
        const auto [v, n] = sesion.Visible();
        if (!v) {
            r.falla = "ninguna ventana a la vista";
            break;
        }
        const Accion a = Usuario::Generar(*v, n, azar);
        r.ultimas.push_back(a.linea);
        if (r.ultimas.size() > 20) r.ultimas.pop_front();
        ++r.realizadas;
        r.falla = sesion.Realizar(a);
    }
    r.sumas = sesion.sumas;
    return r;
}

std::uint64_t Variable(const char* nombre, std::uint64_t omision) {
    const char* texto = std::getenv(nombre);
    return texto && *texto ? std::strtoull(texto, nullptr, 10) : omision;
}

// TRAZALIA_SEMILLA and TRAZALIA_ACCIONES replay a reported failure or run a longer soak.
TEST(SesionesAleatorias, KeepEveryInvariantAfterEachAction) {
    const std::uint64_t semilla = Variable("TRAZALIA_SEMILLA", 20260601);
    const std::uint64_t acciones = Variable("TRAZALIA_ACCIONES", 20000);
    std::cout << "semilla " << semilla << ", " << acciones << " acciones" << std::endl;
    const Resultado r = Correr(semilla, acciones);
    if (r.falla.empty()) {
        // A long run that never drew a resultant would pass without checking the sums.
        if (acciones >= 1000) {
            EXPECT_GT(r.sumas, 0U);
        }
        return;
    }
    // Invariants are checked after every action, so no shorter prefix fails.
    std::ostringstream informe;
    informe << "Semilla " << semilla << ": falla en la acción " << r.realizadas << ": " << r.falla
            << "\n(TRAZALIA_SEMILLA=" << semilla << " TRAZALIA_ACCIONES=" << r.realizadas
            << " la repite); termina con:\n";
    for (const std::string& linea : r.ultimas) informe << "  " << linea << '\n';
    ADD_FAILURE() << informe.str();
}

}  // namespace
}  // namespace trazalia::session
