// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/marco.h"

#include <cmath>

#include "diagram/formato.h"

namespace trazalia::diagram {

namespace {

float F(double v) { return static_cast<float>(v); }

void Rotulo(canvas::Canvas& picture, const RotuloDeEscala& rotulo) {
    picture.Line(F(rotulo.en.x), F(rotulo.en.y), F(rotulo.en.x), F(rotulo.en.y), canvas::kBlack);
    picture.Print(Formato(rotulo.valor));
}

}  // namespace

Punto Origen(const canvas::Canvas& picture) {
    return {picture.Width() * 0.5, picture.Height() * 0.5};
}

Punto Punta(const canvas::Canvas& picture, double m, double a, double Escala) {
    return {((picture.Width() * 0.45) * m * std::cos(a)) / Escala + picture.Width() * 0.5,
            ((picture.Height() * (-0.45)) * m * std::sin(a)) / Escala + picture.Height() * 0.5};
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
