// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "canvas/canvas.h"

namespace trazalia::diagram {

// A point of the drawing area in twips (y downward), in double precision until it is drawn.
struct Punto {
    double x = 0;
    double y = 0;
};

// How the diagram maps units to twips. Adaptiva: Escala units reach 0.45 of the width and of the
// height, as the windows always drew. Fija: Escala, one of the round kEscalasFijas, reaches the
// end of the shorter half-axis, with the same twips per unit on both axes.
enum class Escalado { Adaptativa, Fija };
inline constexpr double kEscalaFija = 100;
// The fixed scale's choices, smallest first: three vectors of 100 reach 300.
inline constexpr std::array<double, 4> kEscalasFijas{kEscalaFija, 150, 200, 300};

// The smallest round scale that holds a length (the largest one when none does).
double EscalaFijaPara(double largo);
// The scale a picture draws at, for the longest length its vectors reach: that length with
// Adaptativa, the round scale that holds it with Fija. A scale held (retenida, e.g. while a tip is
// dragged) stands for that length, so the picture keeps the axes it had.
double EscalaDelDibujo(double largo, Escalado escalado, std::optional<double> retenida);

// Twips per unit of the fixed scale Escala on that drawing area.
double TwipsPorUnidadFija(double ancho, double alto, double Escala);

// The origin of the diagram: the centre of the drawing area.
Punto Origen(const canvas::Canvas& picture);

// Screen position of the tip of a vector of magnitude m and direction a (radians, counter-clockwise
// from the positive x axis) drawn from the origin at scale Escala: Escala units reach 0.45 of the
// width to the right and 0.45 of the height upwards. Products are taken left to right.
Punto Punta(const canvas::Canvas& picture, double m, double a, double Escala);
// The same tip in that scaling; with Fija, Escala is the round scale.
Punto Punta(const canvas::Canvas& picture, double m, double a, double Escala, Escalado escalado);

// A point of a drawing area of that size in units from the origin (x right, y up): the inverse of
// Punta's mapping in that scaling, for a pointer that drags a tip or a guess.
Punto EnUnidades(Punto p, double ancho, double alto, double Escala, Escalado escalado);

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

// The tick marks and scale texts of one axis, as the scaling draws them: with Adaptativa the
// pieces above; with Fija a tick at every tenth of Escala that fits on the axis, and texts at half
// and all of Escala each way, as whole numbers beside their ticks.
void EscalaVertical(canvas::Canvas& picture, double Escala, Escalado escalado);
void EscalaHorizontal(canvas::Canvas& picture, double Escala, Escalado escalado);
// The values of the fixed scale Escala's ticks along an axis of that length, at porUnidad twips
// per unit: 0, ±Escala/10, ±2·Escala/10, … as far as the axis reaches.
std::vector<int> MarcasFijas(double largo, double porUnidad, double Escala);

// Where along an axis of that length the i-th of the eleven tick marks stands (0 to 10).
double Marca(double largo, int i);

// A scale text: where its top left corner stands and the value it shows.
struct RotuloDeEscala {
    Punto en;
    double valor;
};
// The four scale texts: the top and the bottom one, then the left and the right one.
std::array<RotuloDeEscala, 4> RotulosDeEscala(const canvas::Canvas& picture, double Escala);
// Those of either scaling: the vertical axis's, then the horizontal one's. A fixed scale's texts
// are placed by their anchors; en is then the top left corner of the space they may take.
std::vector<RotuloDeEscala> RotulosDeEscala(const canvas::Canvas& picture, double Escala,
                                            Escalado escalado);

}  // namespace trazalia::diagram
