// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/marco.h"

#include <cmath>
#include <string>

#include "diagram/formato.h"

namespace trazalia::diagram {

namespace {

float F(double v) { return static_cast<float>(v); }

void Rotulo(canvas::Canvas& picture, double x, double y, const std::string& texto) {
    picture.Line(F(x), F(y), F(x), F(y), canvas::kBlack);
    picture.Print(texto);
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

void MarcasVerticales(canvas::Canvas& c) {
    for (int i = 0; i <= 10; ++i) {
        const double y = (c.Height() * 0.09) * i + c.Height() * 0.05;
        c.Line(F(c.Width() * 0.5), F(y), F(c.Width() * 0.52), F(y), canvas::kBlack);
    }
}

void MarcasHorizontales(canvas::Canvas& c) {
    for (int i = 0; i <= 10; ++i) {
        const double x = (c.Width() * 0.09) * i + c.Width() * 0.05;
        c.Line(F(x), F(c.Height() * 0.5), F(x), F(c.Height() * 0.52), canvas::kBlack);
    }
}

void RotulosVerticales(canvas::Canvas& c, double Escala) {
    Rotulo(c, c.Width() * 0.53, c.Height() * 0.05, Formato(Escala));
    Rotulo(c, c.Width() * 0.53, c.Height() * 0.9, Formato(-Escala));
}

void RotulosHorizontales(canvas::Canvas& c, double Escala) {
    Rotulo(c, c.Width() * 0.05, c.Height() * 0.53, Formato(-Escala));
    Rotulo(c, c.Width() * 0.9, c.Height() * 0.53, Formato(Escala));
}

}  // namespace trazalia::diagram
