// SPDX-License-Identifier: GPL-3.0-or-later
#include "polygon/poligono.h"

#include <cmath>
#include <string>

#include "diagram/colores.h"
#include "diagram/constantes.h"
#include "diagram/direccion.h"
#include "diagram/flechas.h"
#include "diagram/formato.h"

namespace trazalia::polygon {

using diagram::Punto;

namespace {

using diagram::kAzul;
using diagram::kRojo;
using diagram::kRojoTenue;
using diagram::kVerde;

// Head colour of vector k (1-based).
constexpr std::array<canvas::Color, 3> kColorFlecha{kRojo, kAzul, kVerde};

// One head-to-tail order: A from the origin, B from A's tip to the partial sum, C on to T.
struct Orden {
    int a;
    canvas::Color colorA;
    int b;
    canvas::Color colorB;
    int c;
    canvas::Color colorC;
};

constexpr std::array<Orden, 6> kOrdenes{{
    {1, kRojo, 2, kAzul, 3, kVerde},
    {1, kRojoTenue, 3, kVerde, 2, kAzul},
    {2, kAzul, 1, kRojoTenue, 3, kVerde},
    {2, kAzul, 3, kVerde, 1, kRojoTenue},
    {3, kVerde, 2, kAzul, 1, kRojoTenue},
    {3, kVerde, 1, kRojoTenue, 2, kAzul},
}};

// The most vectors a drawing lists: each of the three from the origin, from either other one's
// tip or from their sum, and the resultant.
constexpr std::size_t kTrazosPorDibujo = 3 * 4 + 1;

}  // namespace

std::array<int, 3> OrdenDelPaso(int paso) {
    const Orden& o = kOrdenes.at(static_cast<std::size_t>(paso - 1));
    return {o.a, o.b, o.c};
}

namespace {

double Longitud(double x, double y) { return std::sqrt(x * x + y * y); }

}  // namespace

struct Poligono::Estado {
    std::array<int, 3> m{};
    std::array<int, 3> d{};
    std::array<double, 3> theta{};
    std::array<double, 3> x{};
    std::array<double, 3> y{};
    double Rx = 0;
    double Ry = 0;
    double r = 0;
    double Escala = 0;
};

Poligono::Poligono(diagram::Controles& form, canvas::Canvas& Picture1)
    : form_(form), picture_(Picture1) {}

void Poligono::Form_Load() {
    picture_.SetDrawWidth(2);
    for (int n : {4, 5, 6, 10, 11, 12, 14, 16}) form_.Label(n, "0");
    form_.Label(18, "1");
    Pi = diagram::kPiDelPoligono;
}

void Poligono::LecturasVectores() {
    for (int n : {1, 2, 3}) form_.Label(n + 3, std::to_string(form_.HScroll(n)));
    for (int n : {4, 5, 6}) form_.Label(n + 6, std::to_string(form_.HScroll(n)));
}

Poligono::Estado Poligono::CalcularEstado() {
    Estado e;
    auto& x = e.x;
    auto& y = e.y;
    for (int k = 0; k < 3; ++k) {
        e.m[k] = form_.HScroll(k + 1);
        e.d[k] = form_.HScroll(k + 4);
        e.theta[k] = (e.d[k] * diagram::kPiDeComponentes) / 180;
        x[k] = e.m[k] * std::cos(e.theta[k]);
        y[k] = e.m[k] * std::sin(e.theta[k]);
    }
    const double s12 = Longitud(x[0] + x[1], y[0] + y[1]);
    const double s13 = Longitud(x[0] + x[2], y[0] + y[2]);
    const double s23 = Longitud(x[1] + x[2], y[1] + y[2]);
    e.Rx = x[0] + x[1] + x[2];
    e.Ry = y[0] + y[1] + y[2];
    e.r = Longitud(e.Rx, e.Ry);
    AnguloResultante = diagram::DireccionResultante(e.Rx, e.Ry);

    // Every length any step draws must fit within the axes, so that the steps of the same vectors
    // share one scale.
    e.Escala = e.m[0];
    if (e.m[1] > e.m[0]) e.Escala = e.m[1];
    for (double v : {static_cast<double>(e.m[2]), s12, s13, s23, e.r}) {
        if (v >= e.Escala) e.Escala = v;
    }
    if (e.Escala != 0) e.Escala = diagram::EscalaDelDibujo(e.Escala, escalado_, retenida_);
    return e;
}

double Poligono::EscalaSiguiente() const {
    // On a copy, so that AnguloResultante stays the last event's.
    Poligono copia(*this);
    return copia.CalcularEstado().Escala;
}

void Poligono::EscenaBase(double Escala) {
    picture_.Cls();
    diagram::EjeVertical(picture_);
    diagram::EjeHorizontal(picture_);
    diagram::EscalaVertical(picture_, Escala, escalado_);
    diagram::EscalaHorizontal(picture_, Escala, escalado_);
}

diagram::Resultado Poligono::Resultado(const Estado& e) {
    diagram::Resultado resultado;
    resultado.trazos = std::move(trazos_);
    trazos_.clear();
    for (diagram::Trazo& t : resultado.trazos) {
        const auto k = static_cast<std::size_t>(t.vector - 1);
        t.x = t.vector ? e.x[k] : e.Rx;
        t.y = t.vector ? e.y[k] : e.Ry;
    }
    resultado.redibujo = e.Escala != 0;
    resultado.vectores.reserve(3);
    for (int k = 0; k < 3; ++k) resultado.vectores.push_back({e.m[k], e.d[k]});
    resultado.Escala = e.Escala;
    resultado.escalado = escalado_;
    resultado.r = e.r;
    resultado.direccion = diagram::Direccion(e.r, AnguloResultante);
    return resultado;
}

diagram::Resultado Poligono::HScroll_Change() {
    trazos_.clear();
    LecturasVectores();
    const Estado e = CalcularEstado();
    // All magnitudes 0: no scale to draw with, so the previous picture stays.
    if (e.Escala == 0) return Resultado(e);
    std::array<Punto, 3> puntas;
    for (int k = 0; k < 3; ++k)
        puntas[k] = diagram::Punta(picture_, e.m[k], e.theta[k], e.Escala, escalado_);
    EscenaBase(e.Escala);
    for (int k = 0; k < 3; ++k) {
        diagram::Linea(picture_, diagram::Origen(picture_), puntas[k], kColorFlecha[k]);
        Trazar(k + 1, diagram::Origen(picture_), puntas[k], kColorFlecha[k]);
        diagram::FlechaColor(picture_, puntas[k], e.d[k], Pi, kColorFlecha[k]);
    }
    return Resultado(e);
}

diagram::Resultado Poligono::HScroll7_Change() {
    const int s = form_.HScroll(7);
    trazos_.clear();
    LecturasVectores();
    form_.Label(18, std::to_string(s));
    if (s < 1 || s > 7) return {};
    const Estado e = CalcularEstado();
    if (e.Escala != 0) {
        std::array<Punto, 3> p;
        for (int k = 0; k < 3; ++k)
            p[k] = diagram::Punta(picture_, e.m[k], e.theta[k], e.Escala, escalado_);
        // A zero resultant has no direction; its tip is the origin whichever angle is taken.
        const Punto T =
            diagram::Punta(picture_, e.r, AnguloResultante.value_or(0), e.Escala, escalado_);
        EscenaBase(e.Escala);
        if (s == 7) {
            Paralelepipedo(p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, T.x, T.y);
        } else {
            Cadena(s, p, T);
            FlechaNegra(T.x, T.y, AnguloResultante.value_or(0));
        }
        Trazar(0, diagram::Origen(picture_), T, canvas::kBlack);
    }
    form_.Label(14, diagram::Formato(e.r));
    form_.Label(16, diagram::LecturaDireccion(e.r, AnguloResultante));
    diagram::Resultado resultado = Resultado(e);
    if (resultado.redibujo) {
        resultado.resultante = true;
        resultado.paso = s;
        if (s <= 6) resultado.orden = OrdenDelPaso(s);
    }
    return resultado;
}

void Poligono::RojoSimple(const double& Pos_X1, const double& Pos_Y1) {
    diagram::FlechaColor(picture_, {Pos_X1, Pos_Y1}, form_.HScroll(4), Pi, kRojo);
}

void Poligono::AzulSimple(const double& Pos_X2, const double& Pos_Y2) {
    diagram::FlechaColor(picture_, {Pos_X2, Pos_Y2}, form_.HScroll(5), Pi, kAzul);
}

void Poligono::VerdeSimple(const double& Pos_X3, const double& Pos_Y3) {
    diagram::FlechaColor(picture_, {Pos_X3, Pos_Y3}, form_.HScroll(6), Pi, kVerde);
}

void Poligono::FlechaNegra(const double& Pos_XT, const double& Pos_YT, const double& AnguloReal) {
    diagram::FlechaResultante(picture_, {Pos_XT, Pos_YT}, AnguloReal, Pi);
}

void Poligono::FlechaDelVector(int k, const double& x, const double& y) {
    if (k == 1) RojoSimple(x, y);
    if (k == 2) AzulSimple(x, y);
    if (k == 3) VerdeSimple(x, y);
}

void Poligono::Cadena(int numero, const std::array<Punto, 3>& puntas, Punto T) {
    const Orden& o = kOrdenes[numero - 1];
    const Punto O = diagram::Origen(picture_);
    const Punto& A = puntas[o.a - 1];
    const Punto& B = puntas[o.b - 1];
    // Laying B at A's tip ends at the origin plus both scaled vectors.
    const Punto P{A.x + B.x - picture_.Width() * 0.5, A.y + B.y - picture_.Height() * 0.5};
    diagram::Linea(picture_, O, A, o.colorA);
    Trazar(o.a, O, A, o.colorA);
    FlechaDelVector(o.a, A.x, A.y);
    diagram::Linea(picture_, A, P, o.colorB);
    Trazar(o.b, A, P, o.colorB);
    // B's head at the partial sum is the arc its own procedure draws there.
    FlechaDelVector(o.b, P.x, P.y);
    diagram::Linea(picture_, P, T, o.colorC);
    Trazar(o.c, P, T, o.colorC);
    diagram::Linea(picture_, O, T, canvas::kBlack);
}

namespace {

// Two points a drawing reaches by sums in another order are one point: the last bits of those sums
// (and of the sines the platform's C library gives) must not decide whether a vector is drawn
// twice or labelled twice. Half a twip is far below a pixel.
bool MismoPunto(Punto a, Punto b) { return std::abs(a.x - b.x) < 0.5 && std::abs(a.y - b.y) < 0.5; }

}  // namespace

void Poligono::Trazar(int k, Punto desde, Punto hasta, canvas::Color color) {
    for (const diagram::Trazo& t : trazos_)
        if (t.vector == k && MismoPunto(t.desde, desde)) return;
    const Punto O = diagram::Origen(picture_);
    // Each drawing takes the list away with its result: one allocation for the next, not several.
    if (trazos_.capacity() == 0) trazos_.reserve(kTrazosPorDibujo);
    trazos_.push_back({k, desde, hasta, color, 0, 0, MismoPunto(desde, O)});
}

void Poligono::Paralelepipedo(const double& Pos_X1, const double& Pos_Y1, const double& Pos_X2,
                              const double& Pos_Y2, const double& Pos_X3, const double& Pos_Y3,
                              const double& Pos_XT, const double& Pos_YT) {
    const std::array<Punto, 3> puntas{{{Pos_X1, Pos_Y1}, {Pos_X2, Pos_Y2}, {Pos_X3, Pos_Y3}}};
    for (int numero = 1; numero <= 6; ++numero) Cadena(numero, puntas, {Pos_XT, Pos_YT});
    FlechaNegra(Pos_XT, Pos_YT, AnguloResultante.value_or(0));
}

}  // namespace trazalia::polygon
