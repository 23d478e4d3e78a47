// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/dibujo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "practice/camino.h"

namespace trazalia::practice {

namespace {

constexpr canvas::Color kGrisIntento{128, 128, 128};
constexpr canvas::Color kVerdeAcierto{0, 110, 0};
constexpr canvas::Color kRojoError{170, 0, 0};
constexpr canvas::Color kGrisInstruccion{80, 80, 80};
// Apart from the vectors', the resultant's and the guess's colours.
constexpr canvas::Color kVioletaEquilibrante{120, 0, 150};
constexpr double kCabeza = 120;
// The views' line height.
constexpr double kRenglon = 190;
constexpr double kMargenX = 60;
constexpr double kMargenY = 45;
// The right-hand corners start clear of the scale texts, which stand just right of the vertical
// axis at its ends; the left-hand ones are as wide.
constexpr double kDerecha = 0.62;

float F(double v) { return static_cast<float>(v); }

double AnchoDelVeredicto(double W) { return W - kMargenX - kDerecha * W; }

// The two strokes of an arrow's head at P, for a shaft from O.
void Cabeza(canvas::Canvas& lienzo, diagram::Punto O, diagram::Punto P, canvas::Color color) {
    const double angulo = std::atan2(P.y - O.y, P.x - O.x);
    for (double giro : {2.7, -2.7}) {
        lienzo.Line(F(P.x), F(P.y), F(P.x + kCabeza * std::cos(angulo + giro)),
                    F(P.y + kCabeza * std::sin(angulo + giro)), color);
    }
}

void Lineas(canvas::Canvas& lienzo, diagram::Punto en, canvas::Color color,
            const std::vector<std::string>& renglones) {
    for (std::size_t i = 0; i < renglones.size(); ++i)
        lienzo.Text(F(en.x), F(en.y + kRenglon * static_cast<double>(i)), canvas::Anchor::Nw, color,
                    renglones[i]);
}

}  // namespace

std::size_t Letras(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

double AnchoPorLetras(std::string_view texto) {
    return kAnchoLetra * static_cast<double>(Letras(texto));
}

std::vector<std::string> Renglones(std::string_view texto, double ancho,
                                   const MedidaDeTexto& medida) {
    std::vector<std::string> renglones;
    std::string actual;
    std::size_t i = 0;
    while (i < texto.size()) {
        const std::size_t fin = std::min(texto.find(' ', i), texto.size());
        const std::string_view palabra = texto.substr(i, fin - i);
        i = fin + 1;
        if (palabra.empty()) continue;
        if (!actual.empty()) {
            std::string junto = actual + ' ';
            junto += palabra;
            if (medida(junto) > ancho) {
                renglones.push_back(std::exchange(actual, std::string(palabra)));
            } else {
                actual = std::move(junto);
            }
            continue;
        }
        actual = palabra;
    }
    if (!actual.empty()) renglones.push_back(std::move(actual));
    return renglones;
}

int Cubiertos(diagram::Punto p, diagram::Punto q, Caja caja) {
    constexpr int kMuestras = 40;
    int n = 0;
    for (int k = 0; k <= kMuestras; ++k) {
        const double t = static_cast<double>(k) / kMuestras;
        const double x = p.x + (q.x - p.x) * t;
        const double y = p.y + (q.y - p.y) * t;
        n += x >= caja.x0 && x <= caja.x1 && y >= caja.y0 && y <= caja.y1;
    }
    return n;
}

std::optional<Intento> IntentoEn(diagram::Punto p, double ancho, double alto, double Escala,
                                 diagram::Escalado escalado) {
    if (Escala <= 0) return std::nullopt;
    const auto [ux, uy] = diagram::EnUnidades(p, ancho, alto, Escala, escalado);
    const auto centesimas = [](double v) { return std::round(v * 100) / 100; };
    double direccion = centesimas(std::atan2(uy, ux) * 180 / std::numbers::pi);
    if (direccion < 0) direccion += 360;
    if (direccion >= 360) direccion -= 360;
    return Intento{centesimas(std::hypot(ux, uy)), direccion};
}

diagram::Punto PuntaDelIntento(const canvas::Canvas& lienzo, const diagram::Resultado& dibujo,
                               Intento intento) {
    return diagram::Punta(lienzo, std::min(intento.r, dibujo.Escala),
                          intento.direccion * std::numbers::pi / 180, dibujo.Escala,
                          dibujo.escalado);
}

void DibujarIntento(canvas::Canvas& lienzo, const diagram::Resultado& dibujo, Intento intento) {
    if (dibujo.Escala <= 0 || intento.r <= 0) return;
    const diagram::Punto O = diagram::Origen(lienzo);
    const diagram::Punto P = PuntaDelIntento(lienzo, dibujo, intento);
    lienzo.DashedLine(F(O.x), F(O.y), F(P.x), F(P.y), kGrisIntento);
    Cabeza(lienzo, O, P, kGrisIntento);
    if (intento.r <= dibujo.Escala) return;
    // Inside the picture: on the origin's side of the head.
    const canvas::Anchor ancla = P.x >= O.x
                                     ? (P.y <= O.y ? canvas::Anchor::Ne : canvas::Anchor::Se)
                                     : (P.y <= O.y ? canvas::Anchor::Nw : canvas::Anchor::Sw);
    lienzo.Text(F(P.x), F(P.y), ancla, kGrisIntento, NumeroDelIntento(intento.r));
}

void DibujarEquilibrante(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) {
    if (!dibujo.resultante || !dibujo.direccion || dibujo.Escala <= 0) return;
    const diagram::Punto O = diagram::Origen(lienzo);
    const diagram::Punto P = diagram::Punta(lienzo, std::min(dibujo.r, dibujo.Escala),
                                            (*dibujo.direccion + 180) * std::numbers::pi / 180,
                                            dibujo.Escala, dibujo.escalado);
    lienzo.Stroke(F(O.x), F(O.y), F(P.x), F(P.y), kVioletaEquilibrante, 2);
    Cabeza(lienzo, O, P, kVioletaEquilibrante);
    // The letter beyond the head, away from the origin.
    const canvas::Anchor ancla = P.x >= O.x
                                     ? (P.y <= O.y ? canvas::Anchor::Sw : canvas::Anchor::Nw)
                                     : (P.y <= O.y ? canvas::Anchor::Se : canvas::Anchor::Ne);
    lienzo.Text(F(P.x), F(P.y), ancla, kVioletaEquilibrante, "E");
}

void DibujarEtapa(canvas::Canvas& lienzo, const diagram::Resultado& dibujo, const Etapa& etapa,
                  std::string_view leyenda, const MedidaDeTexto& medida) {
    lienzo.Cls();
    diagram::EjeVertical(lienzo);
    diagram::EscalaVertical(lienzo, dibujo.Escala, dibujo.escalado);
    diagram::EjeHorizontal(lienzo);
    diagram::EscalaHorizontal(lienzo, dibujo.Escala, dibujo.escalado);
    const auto punto = [&](double x, double y) {
        return diagram::Punta(lienzo, std::hypot(x, y), std::atan2(y, x), dibujo.Escala,
                              dibujo.escalado);
    };
    // The colour the window gives that vector (0: the resultant).
    const auto color = [&](int vector) {
        for (const diagram::Trazo& t : dibujo.trazos)
            if (t.vector == vector) return t.color;
        return canvas::Color{0, 0, 0};
    };
    const auto flecha = [&](diagram::Punto O, diagram::Punto P, canvas::Color c) {
        lienzo.Stroke(F(O.x), F(O.y), F(P.x), F(P.y), c, 2);
        Cabeza(lienzo, O, P, c);
    };
    if (dibujo.Escala > 0) {
        for (const Flecha& f : etapa.flechas) {
            const diagram::Punto O = punto(f.desdeX, f.desdeY);
            const diagram::Punto P = punto(f.hastaX, f.hastaY);
            const canvas::Color c = color(static_cast<int>(f.vector) + 1);
            if (f.lado)
                lienzo.DashedLine(F(O.x), F(O.y), F(P.x), F(P.y), c);
            else
                flecha(O, P, c);
        }
        if (etapa.resultante)
            flecha(diagram::Origen(lienzo), punto(etapa.resultante->x, etapa.resultante->y),
                   color(0));
        if (etapa.resultante && etapa.equilibrante)
            flecha(diagram::Origen(lienzo), punto(-etapa.resultante->x, -etapa.resultante->y),
                   kVioletaEquilibrante);
    }
    if (!leyenda.empty())
        Lineas(lienzo, {kMargenX, kMargenY}, kGrisInstruccion,
               Renglones(leyenda, lienzo.Width() - 2 * kMargenX, medida));
}

void DibujarInstruccion(canvas::Canvas& lienzo, std::string_view instruccion,
                        const MedidaDeTexto& medida) {
    if (instruccion.empty()) return;
    Lineas(lienzo, {kMargenX, kMargenY}, kGrisInstruccion,
           Renglones(instruccion, lienzo.Width() - 2 * kMargenX, medida));
}

diagram::Punto LugarDelVeredicto(const canvas::Canvas& lienzo, const diagram::Resultado& dibujo,
                                 const std::optional<Intento>& intento, std::size_t renglones,
                                 bool ecuacion) {
    const double W = lienzo.Width();
    const double derecha = kDerecha * W;
    const double ancho = AnchoDelVeredicto(W);
    const double alto = kRenglon * static_cast<double>(renglones);
    double abajo = lienzo.Height() - kMargenY;
    if (ecuacion) abajo -= kRenglon + 2 * kMargenY;
    const std::array<diagram::Punto, 4> esquinas{{{kMargenX, kMargenY},
                                                  {derecha, kMargenY},
                                                  {kMargenX, abajo - alto},
                                                  {derecha, abajo - alto}}};
    std::vector<std::pair<diagram::Punto, diagram::Punto>> trazos;
    for (const diagram::Trazo& t : dibujo.trazos) trazos.push_back({t.desde, t.hasta});
    if (intento)
        trazos.push_back({diagram::Origen(lienzo), PuntaDelIntento(lienzo, dibujo, *intento)});
    diagram::Punto mejor = esquinas[0];
    int menor = -1;
    for (const diagram::Punto& e : esquinas) {
        int n = 0;
        for (const auto& [p, q] : trazos) n += Cubiertos(p, q, {e.x, e.y, e.x + ancho, e.y + alto});
        if (menor < 0 || n < menor) {
            menor = n;
            mejor = e;
        }
    }
    return mejor;
}

void DibujarVeredicto(canvas::Canvas& lienzo, const diagram::Resultado& dibujo,
                      const Veredicto& veredicto, const std::optional<Intento>& intento,
                      bool ecuacion, const MedidaDeTexto& medida) {
    const auto renglones = Renglones(veredicto.texto, AnchoDelVeredicto(lienzo.Width()), medida);
    Lineas(lienzo, LugarDelVeredicto(lienzo, dibujo, intento, renglones.size(), ecuacion),
           veredicto.codigo == Codigo::Acierto ? kVerdeAcierto : kRojoError, renglones);
}

}  // namespace trazalia::practice
