// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/marco.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "diagram/formato.h"

namespace trazalia::diagram {

namespace {

float F(double v) { return static_cast<float>(v); }

void Rotulo(canvas::Canvas& picture, const RotuloDeEscala& rotulo) {
    picture.Line(F(rotulo.en.x), F(rotulo.en.y), F(rotulo.en.x), F(rotulo.en.y), canvas::kBlack);
    picture.Print(Formato(rotulo.valor));
}

// The fixed scale's texts: whole numbers at all and half of Escala each way, beside their ticks
// (right of the vertical axis, under the horizontal one).
std::array<int, 4> RotulosFijos(double Escala) {
    const int e = static_cast<int>(std::lround(Escala));
    return {e, -e, e / 2, -e / 2};
}
// Half a text's height and about half the width of "-100", for the space a text takes.
constexpr double kMedioAlto = 95;
constexpr double kMedioAncho = 160;

void RotuloFijo(canvas::Canvas& picture, Punto en, canvas::Anchor anchor, int valor) {
    picture.Text(F(en.x), F(en.y), anchor, canvas::kBlack, std::to_string(valor));
}

void RotulosFijosVerticales(canvas::Canvas& c, double Escala) {
    const double k = TwipsPorUnidadFija(c.Width(), c.Height(), Escala);
    for (int v : RotulosFijos(Escala))
        RotuloFijo(c, {c.Width() * 0.53, c.Height() * 0.5 - v * k}, canvas::Anchor::W, v);
}

void RotulosFijosHorizontales(canvas::Canvas& c, double Escala) {
    const double k = TwipsPorUnidadFija(c.Width(), c.Height(), Escala);
    for (int v : RotulosFijos(Escala))
        RotuloFijo(c, {c.Width() * 0.5 - v * k, c.Height() * 0.53}, canvas::Anchor::N, -v);
}

}  // namespace

double EscalaFijaPara(double largo) {
    // A hair over, so that 100 at 45° twice (200 but for rounding) keeps 200.
    for (double e : kEscalasFijas)
        if (largo <= e + 1e-9) return e;
    return kEscalasFijas.back();
}

double EscalaDelDibujo(double largo, Escalado escalado, std::optional<double> retenida) {
    // A held scale of 0 could map nothing.
    if (retenida && *retenida > 0) largo = *retenida;
    return escalado == Escalado::Fija ? EscalaFijaPara(largo) : largo;
}

double TwipsPorUnidadFija(double ancho, double alto, double Escala) {
    return std::min(ancho, alto) * 0.45 / Escala;
}

Punto Origen(const canvas::Canvas& picture) {
    return {picture.Width() * 0.5, picture.Height() * 0.5};
}

Punto Punta(const canvas::Canvas& picture, double m, double a, double Escala) {
    return {((picture.Width() * 0.45) * m * std::cos(a)) / Escala + picture.Width() * 0.5,
            ((picture.Height() * (-0.45)) * m * std::sin(a)) / Escala + picture.Height() * 0.5};
}

Punto Punta(const canvas::Canvas& picture, double m, double a, double Escala, Escalado escalado) {
    if (escalado == Escalado::Adaptativa) return Punta(picture, m, a, Escala);
    const double k = TwipsPorUnidadFija(picture.Width(), picture.Height(), Escala);
    return {picture.Width() * 0.5 + k * m * std::cos(a),
            picture.Height() * 0.5 - k * m * std::sin(a)};
}

Punto EnUnidades(Punto p, double ancho, double alto, double Escala, Escalado escalado) {
    if (escalado == Escalado::Fija) {
        const double k = TwipsPorUnidadFija(ancho, alto, Escala);
        return {(p.x - ancho * 0.5) / k, (alto * 0.5 - p.y) / k};
    }
    return {(p.x - ancho * 0.5) * Escala / (ancho * 0.45),
            (alto * 0.5 - p.y) * Escala / (alto * 0.45)};
}

void Linea(canvas::Canvas& picture, Punto p, Punto q, canvas::Color color) {
    picture.Line(F(p.x), F(p.y), F(q.x), F(q.y), color);
}

void EjeVertical(canvas::Canvas& c) {
    c.Line(F(c.Width() * 0.5), F(c.Height() * 0.05), F(c.Width() * 0.5), F(c.Height() * 0.95));
    c.Line(F(c.Width() * 0.5), F(c.Height() * 0.05), F(c.Width() * 0.48), F(c.Height() * 0.08));
    c.Line(F(c.Width() * 0.5), F(c.Height() * 0.05), F(c.Width() * 0.52), F(c.Height() * 0.08));
}

void EjeHorizontal(canvas::Canvas& c) {
    c.Line(F(c.Width() * 0.05), F(c.Height() * 0.5), F(c.Width() * 0.95), F(c.Height() * 0.5));
    c.Line(F(c.Width() * 0.93), F(c.Height() * 0.48), F(c.Width() * 0.95), F(c.Height() * 0.5));
    c.Line(F(c.Width() * 0.93), F(c.Height() * 0.52), F(c.Width() * 0.95), F(c.Height() * 0.5));
}

std::vector<int> MarcasFijas(double largo, double porUnidad, double Escala) {
    const int paso = static_cast<int>(std::lround(Escala / 10));
    // A hair over, so that a tick landing on the axis's end by rounding stays.
    const int n = static_cast<int>(std::floor(largo * 0.45 / (paso * porUnidad) + 1e-9));
    std::vector<int> valores;
    for (int i = -n; i <= n; ++i) valores.push_back(paso * i);
    return valores;
}

void EscalaVertical(canvas::Canvas& c, double Escala, Escalado escalado) {
    if (escalado == Escalado::Adaptativa) {
        MarcasVerticales(c);
        RotulosVerticales(c, Escala);
        return;
    }
    const double W = c.Width();
    const double H = c.Height();
    const double k = TwipsPorUnidadFija(W, H, Escala);
    for (int v : MarcasFijas(H, k, Escala)) {
        const double y = H * 0.5 - v * k;
        c.Line(F(W * 0.5), F(y), F(W * 0.52), F(y), canvas::kBlack);
    }
    RotulosFijosVerticales(c, Escala);
}

void EscalaHorizontal(canvas::Canvas& c, double Escala, Escalado escalado) {
    if (escalado == Escalado::Adaptativa) {
        MarcasHorizontales(c);
        RotulosHorizontales(c, Escala);
        return;
    }
    const double W = c.Width();
    const double H = c.Height();
    const double k = TwipsPorUnidadFija(W, H, Escala);
    for (int v : MarcasFijas(W, k, Escala)) {
        const double x = W * 0.5 + v * k;
        c.Line(F(x), F(H * 0.5), F(x), F(H * 0.52), canvas::kBlack);
    }
    RotulosFijosHorizontales(c, Escala);
}

double Marca(double largo, int i) { return (largo * 0.09) * i + largo * 0.05; }

void MarcasVerticales(canvas::Canvas& c) {
    for (int i = 0; i <= 10; ++i) {
        const double y = Marca(c.Height(), i);
        c.Line(F(c.Width() * 0.5), F(y), F(c.Width() * 0.52), F(y), canvas::kBlack);
    }
}

void MarcasHorizontales(canvas::Canvas& c) {
    for (int i = 0; i <= 10; ++i) {
        const double x = Marca(c.Width(), i);
        c.Line(F(x), F(c.Height() * 0.5), F(x), F(c.Height() * 0.52), canvas::kBlack);
    }
}

std::array<RotuloDeEscala, 4> RotulosDeEscala(const canvas::Canvas& c, double Escala) {
    const double W = c.Width();
    const double H = c.Height();
    return {{{{W * 0.53, H * 0.05}, Escala},
             {{W * 0.53, H * 0.9}, -Escala},
             {{W * 0.05, H * 0.53}, -Escala},
             {{W * 0.9, H * 0.53}, Escala}}};
}

std::vector<RotuloDeEscala> RotulosDeEscala(const canvas::Canvas& c, double Escala,
                                            Escalado escalado) {
    if (escalado == Escalado::Adaptativa) {
        const auto rotulos = RotulosDeEscala(c, Escala);
        return {rotulos.begin(), rotulos.end()};
    }
    // The top left corner of the space each takes.
    const double W = c.Width();
    const double H = c.Height();
    const double k = TwipsPorUnidadFija(W, H, Escala);
    std::vector<RotuloDeEscala> rotulos;
    for (int v : RotulosFijos(Escala))
        rotulos.push_back({{W * 0.53, H * 0.5 - v * k - kMedioAlto}, 1.0 * v});
    for (int v : RotulosFijos(Escala))
        rotulos.push_back({{W * 0.5 - v * k - kMedioAncho, H * 0.53}, -1.0 * v});
    return rotulos;
}

void RotulosVerticales(canvas::Canvas& c, double Escala) {
    const auto rotulos = RotulosDeEscala(c, Escala);
    Rotulo(c, rotulos[0]);
    Rotulo(c, rotulos[1]);
}

void RotulosHorizontales(canvas::Canvas& c, double Escala) {
    const auto rotulos = RotulosDeEscala(c, Escala);
    Rotulo(c, rotulos[2]);
    Rotulo(c, rotulos[3]);
}

}  // namespace trazalia::diagram
