// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "diagram/marco.h"
#include "diagram/resultado.h"
#include "practice/veredicto.h"

namespace trazalia::practice {

// What practice draws over a method window's picture: the student's guess, the line that says
// what to do, and the verdict where it hides least of the figure.

// A text's width in twips as the face shows it. The face measures with its font; without one, a
// generous advance per character (AnchoPorLetras), which is what the trace's layout uses.
using MedidaDeTexto = std::function<double(std::string_view texto)>;
inline constexpr double kAnchoLetra = 95;
// Characters of UTF-8 text: a letter with an accent is one.
std::size_t Letras(std::string_view texto);
double AnchoPorLetras(std::string_view texto);

// Word by word into lines at most ancho twips wide; a longer word keeps a line alone.
std::vector<std::string> Renglones(std::string_view texto, double ancho,
                                   const MedidaDeTexto& medida = AnchoPorLetras);

// A box of the picture in twips, x0 ≤ x1 and y0 ≤ y1.
struct Caja {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
};
// How many of 41 points along the segment fall in the box: a rough measure of what a text there
// covers of a stroke.
int Cubiertos(diagram::Punto p, diagram::Punto q, Caja caja);

// The guess a point of a picture of that size (twips) stands for, at the picture's scale:
// magnitude and direction rounded to hundredths, the direction within [0, 360). Nothing while the
// picture has no scale.
std::optional<Intento> IntentoEn(diagram::Punto p, double ancho, double alto, double Escala,
                                 diagram::Escalado escalado);

// Where the guess's head is drawn: a guess longer than the picture's scale stops at its edge.
diagram::Punto PuntaDelIntento(const canvas::Canvas& lienzo, const diagram::Resultado& dibujo,
                               Intento intento);
// A grey dashed shaft from the origin and a two-stroke head; cut at the edge, its magnitude is
// written beside the head. Nothing for a guess of no length or a picture without a scale.
void DibujarIntento(canvas::Canvas& lienzo, const diagram::Resultado& dibujo, Intento intento);
// The equilibrant of a picture that shows the resultant: from the origin, opposite to it and as
// long, a solid violet arrow lettered E. Nothing while the resultant is not shown or has no
// direction.
void DibujarEquilibrante(canvas::Canvas& lienzo, const diagram::Resultado& dibujo);
struct Etapa;
// A step of the right construction, in place of the window's picture at its scale: the axes, the
// arrows drawn by then in their vectors' colours (the parallelogram's sides dashed), the resultant
// and the equilibrant, and the step's line (leyenda, translated) where one is given.
void DibujarEtapa(canvas::Canvas& lienzo, const diagram::Resultado& dibujo, const Etapa& etapa,
                  std::string_view leyenda, const MedidaDeTexto& medida = AnchoPorLetras);
// The line that says what to do, at the top left, wrapped to the picture's width.
void DibujarInstruccion(canvas::Canvas& lienzo, std::string_view instruccion,
                        const MedidaDeTexto& medida = AnchoPorLetras);

// The top left corner of the verdict's lines: the corner of the picture the diagram's strokes
// (and the guess, if any) cross least, above the equation's line when it is shown (ecuacion).
diagram::Punto LugarDelVeredicto(const canvas::Canvas& lienzo, const diagram::Resultado& dibujo,
                                 const std::optional<Intento>& intento, std::size_t renglones,
                                 bool ecuacion);
// The verdict's text there, green when right and red otherwise.
void DibujarVeredicto(canvas::Canvas& lienzo, const diagram::Resultado& dibujo,
                      const Veredicto& veredicto, const std::optional<Intento>& intento,
                      bool ecuacion, const MedidaDeTexto& medida = AnchoPorLetras);

}  // namespace trazalia::practice
