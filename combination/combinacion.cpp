// SPDX-License-Identifier: GPL-3.0-or-later
#include "combination/combinacion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "diagram/colores.h"
#include "diagram/constantes.h"
#include "diagram/direccion.h"
#include "diagram/flechas.h"
#include "diagram/formato.h"

namespace trazalia::combination {

namespace {

using diagram::kAzul;
using diagram::kRojo;

// Scroll bars of Form4.
constexpr int kMA = 1;
constexpr int kMB = 2;
constexpr int kDA = 3;
constexpr int kDB = 4;
constexpr int kK1 = 5;
constexpr int kK2 = 6;

// A multiple reaches 5 × 100 and c twice that, beyond the shared round scales (300 at most).
constexpr std::array<double, 2> kEscalasAmplias{500, 1000};

// The shared rule, with larger round scales for a fixed picture that the shared ones cannot hold.
double EscalaDeLaCombinacion(double largo, diagram::Escalado escalado,
                             std::optional<double> retenida) {
    const double escala = diagram::EscalaDelDibujo(largo, escalado, retenida);
    if (escalado != diagram::Escalado::Fija) return escala;
    const double pedido = retenida && *retenida > 0 ? *retenida : largo;
    if (pedido <= diagram::kEscalasFijas.back() + 1e-9) return escala;
    for (double e : kEscalasAmplias)
        if (pedido <= e + 1e-9) return e;
    return kEscalasAmplias.back();
}

// The whole degrees of k·v for a vector at d degrees: a negative k turns it half a turn.
int DireccionDelMultiplo(int d, double k) {
    if (k > 0) return d;
    return d >= 180 ? d - 180 : d + 180;
}

float F(double v) { return static_cast<float>(v); }

// Text at p: a dot in the shaft's own colour, on the shaft, moves the current point there and
// draws nothing new (the scale texts are placed by a dot the same way).
void Rotulo(canvas::Canvas& picture, diagram::Punto p, canvas::Color color, const char* texto) {
    picture.Line(F(p.x), F(p.y), F(p.x), F(p.y), color);
    picture.Print(texto);
}

diagram::Punto Hacia(diagram::Punto desde, diagram::Punto hasta, double t) {
    return {desde.x + (hasta.x - desde.x) * t, desde.y + (hasta.y - desde.y) * t};
}

// A term k·v drawn head to tail: its shaft, its name three quarters along (its tip is shared
// with the next term or with c, whose names would sit on it) and its coloured head.
void Termino(canvas::Canvas& picture, diagram::Punto desde, diagram::Punto hasta, int d, double Pi,
             canvas::Color color, const char* nombre) {
    diagram::Linea(picture, desde, hasta, color);
    Rotulo(picture, Hacia(desde, hasta, 0.75), color, nombre);
    diagram::FlechaColor(picture, hasta, d, Pi, color);
}

// A term that is the zero vector has no direction to show: it is left out of the picture.
bool Dibujado(double k, int m) { return k != 0 && m != 0; }

}  // namespace

std::string LecturaDeCoeficiente(int medios) {
    const int n = std::abs(medios);
    std::string texto = medios < 0 ? "-" : "";
    texto += std::to_string(n / kMediosPorUnidad);
    if (n % kMediosPorUnidad != 0) texto += ".5";
    return texto;
}

diagram::Punto EnPantalla(const canvas::Canvas& picture, double x, double y, double Escala,
                          diagram::Escalado escalado) {
    const double W = picture.Width();
    const double H = picture.Height();
    if (escalado == diagram::Escalado::Adaptativa)
        return {((W * 0.45) * x) / Escala + W * 0.5, ((H * (-0.45)) * y) / Escala + H * 0.5};
    const double k = diagram::TwipsPorUnidadFija(W, H, Escala);
    return {W * 0.5 + k * x, H * 0.5 - k * y};
}

void Combinacion::Form_Load() {
    Picture1_.SetDrawWidth(2);
    Pi = diagram::kPiDelParalelogramo;
    Lecturas();
}

void Combinacion::Lecturas() {
    for (auto [barra, lectura] : TablaForm4().lecturas) {
        const int valor = form_.HScroll(barra);
        form_.Label(lectura, barra >= kK1 ? LecturaDeCoeficiente(valor) : std::to_string(valor));
    }
}

diagram::Resultado Combinacion::Resultado(const std::optional<Calculo>& calculo,
                                          bool resultante) const {
    diagram::Resultado resultado;
    resultado.redibujo = calculo.has_value();
    resultado.vectores.reserve(2);
    for (int n : {kMA, kMB}) resultado.vectores.push_back({form_.HScroll(n), form_.HScroll(n + 2)});
    if (calculo) {
        const Calculo& c = *calculo;
        resultado.Escala = c.Escala;
        resultado.escalado = escalado_;
        resultado.r = c.r;
        const diagram::Punto O = diagram::Origen(Picture1_);
        resultado.trazos.reserve(resultante ? 5 : 2);
        resultado.trazos.push_back({1, O, c.PA, kRojo, c.Ax, c.Ay, true});
        resultado.trazos.push_back({2, O, c.PB, kAzul, c.Bx, c.By, true});
        if (resultante) {
            if (Dibujado(c.k1, form_.HScroll(kMA)))
                resultado.trazos.push_back({1, O, c.PK, kRojo, c.k1 * c.Ax, c.k1 * c.Ay, false});
            if (Dibujado(c.k2, form_.HScroll(kMB)))
                resultado.trazos.push_back({2, c.PK, c.PC, kAzul, c.k2 * c.Bx, c.k2 * c.By, false});
            resultado.trazos.push_back({0, O, c.PC, canvas::kBlack, c.Cx, c.Cy, true});
        }
        resultado.resultante = resultante;
    }
    resultado.direccion = diagram::Direccion(resultado.r, AnguloResultante);
    return resultado;
}

diagram::Resultado Combinacion::Vectores() {
    Lecturas();
    const auto calculo = CalcularResultante();
    if (calculo) DibujarEscena(*calculo);
    return Resultado(calculo, false);
}

diagram::Resultado Combinacion::Revelar() {
    Lecturas();
    // With a scale of 0 a and b are both 0, so c is 0 too; the picture is left as it was.
    double r = 0;
    const auto calculo = CalcularResultante();
    if (calculo) {
        const Calculo& c = *calculo;
        DibujarEscena(c);
        const diagram::Punto O = diagram::Origen(Picture1_);
        if (Dibujado(c.k1, form_.HScroll(kMA)))
            Termino(Picture1_, O, c.PK, DireccionDelMultiplo(form_.HScroll(kDA), c.k1), Pi, kRojo,
                    "k₁a");
        if (Dibujado(c.k2, form_.HScroll(kMB)))
            Termino(Picture1_, c.PK, c.PC, DireccionDelMultiplo(form_.HScroll(kDB), c.k2), Pi,
                    kAzul, "k₂b");
        diagram::Linea(Picture1_, O, c.PC, canvas::kBlack);
        // Named at its tip, before its head moves the current point.
        Picture1_.Print("c");
        diagram::FlechaResultante(Picture1_, c.PC, AnguloResultante.value_or(0), Pi);
        r = c.r;
    }
    const auto [lecturaR, lecturaAlfa] = TablaForm4().resultado;
    form_.Label(lecturaR, diagram::Formato(r));
    form_.Label(lecturaAlfa, diagram::LecturaDireccion(r, AnguloResultante));
    return Resultado(calculo, true);
}

std::optional<Calculo> Combinacion::CalcularResultante() {
    const int m1 = form_.HScroll(kMA);
    const int m2 = form_.HScroll(kMB);
    const int d1 = form_.HScroll(kDA);
    const int d2 = form_.HScroll(kDB);

    Calculo c;
    c.k1 = Coeficiente(form_.HScroll(kK1));
    c.k2 = Coeficiente(form_.HScroll(kK2));
    // Not Pi: the components do not depend on when Pi was set.
    const double a1 = (d1 * diagram::kPiDeComponentes) / 180;
    const double a2 = (d2 * diagram::kPiDeComponentes) / 180;
    c.Ax = m1 * std::cos(a1);
    c.Ay = m1 * std::sin(a1);
    c.Bx = m2 * std::cos(a2);
    c.By = m2 * std::sin(a2);
    c.Cx = c.k1 * c.Ax + c.k2 * c.Bx;
    c.Cy = c.k1 * c.Ay + c.k2 * c.By;
    c.r = std::sqrt(c.Cx * c.Cx + c.Cy * c.Cy);
    AnguloResultante = diagram::DireccionResultante(c.Cx, c.Cy);

    // Every point the construction reaches lies within the farthest of a's, b's, k1·a's and
    // c's tips from the origin (k2·b runs from k1·a's tip to c's). The live redraw takes the
    // same length although it draws only a and b, so pressing "Graficar c" with nothing changed
    // keeps the axes and a and b where they were.
    const double largo =
        std::max({static_cast<double>(m1), static_cast<double>(m2), std::abs(c.k1) * m1, c.r});
    if (largo == 0) return std::nullopt;
    c.Escala = EscalaDeLaCombinacion(largo, escalado_, retenida_);

    c.PA = diagram::Punta(Picture1_, m1, a1, c.Escala, escalado_);
    c.PB = diagram::Punta(Picture1_, m2, a2, c.Escala, escalado_);
    // From components, so that k2·b ends exactly at c's tip.
    c.PK = EnPantalla(Picture1_, c.k1 * c.Ax, c.k1 * c.Ay, c.Escala, escalado_);
    c.PC = EnPantalla(Picture1_, c.Cx, c.Cy, c.Escala, escalado_);
    return c;
}

double Combinacion::EscalaSiguiente() const {
    // On a copy, so that AnguloResultante stays the last event's.
    Combinacion copia(*this);
    const auto calculo = copia.CalcularResultante();
    return calculo ? calculo->Escala : 0;
}

void Combinacion::DibujarEscena(const Calculo& calculo) {
    Picture1_.Cls();
    diagram::EjeVertical(Picture1_);
    diagram::EscalaVertical(Picture1_, calculo.Escala, escalado_);
    diagram::EjeHorizontal(Picture1_);
    diagram::EscalaHorizontal(Picture1_, calculo.Escala, escalado_);

    const diagram::Punto O = diagram::Origen(Picture1_);
    diagram::Linea(Picture1_, O, calculo.PA, kRojo);
    diagram::FlechaColor(Picture1_, calculo.PA, form_.HScroll(kDA), Pi, kRojo);
    diagram::Linea(Picture1_, O, calculo.PB, kAzul);
    diagram::FlechaColor(Picture1_, calculo.PB, form_.HScroll(kDB), Pi, kAzul);
}

}  // namespace trazalia::combination
