// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "canvas/canvas.h"

namespace trazalia::diagram {

// A point of the drawing area in twips (y downward), in double precision until it is drawn.
struct Punto {
    double x = 0;
    double y = 0;
};

// The origin of the diagram: the centre of the drawing area.
Punto Origen(const canvas::Canvas& picture);

// Screen position of the tip of a vector of magnitude m and direction a (radians, counter-clockwise
// from the positive x axis) drawn from the origin at scale Escala: Escala units reach 0.45 of the
// width to the right and 0.45 of the height upwards. Products are taken left to right.
Punto Punta(const canvas::Canvas& picture, double m, double a, double Escala);

// Line from p to q, handed over in single precision.
void Linea(canvas::Canvas& picture, Punto p, Punto q, canvas::Color color);

// The pieces of the frame both method windows draw; each window puts them in its own order.
// Each axis with the two strokes of its arrow, in the foreground colour.
void EjeVertical(canvas::Canvas& picture);
void EjeHorizontal(canvas::Canvas& picture);
// Eleven black tick marks at tenths of the axis, from one end to the other.
void MarcasVerticales(canvas::Canvas& picture);
void MarcasHorizontales(canvas::Canvas& picture);
// The scale texts at the axis ends: +Escala at the top and -Escala at the bottom; -Escala at the
// left and +Escala at the right. Each is placed by a black dot that moves the current point.
void RotulosVerticales(canvas::Canvas& picture, double Escala);
void RotulosHorizontales(canvas::Canvas& picture, double Escala);

// Where along an axis of that length the i-th of the eleven tick marks stands (0 to 10).
double Marca(double largo, int i);

// A scale text: where its top left corner stands and the value it shows.
struct RotuloDeEscala {
    Punto en;
    double valor;
};
// The four scale texts: the top and the bottom one, then the left and the right one.
std::array<RotuloDeEscala, 4> RotulosDeEscala(const canvas::Canvas& picture, double Escala);

}  // namespace trazalia::diagram
