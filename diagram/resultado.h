// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "canvas/canvas.h"
#include "diagram/marco.h"

namespace trazalia::diagram {

// A vector as its scroll bars set it: magnitude and direction in whole degrees.
struct Entrada {
    int m = 0;
    int d = 0;
    friend constexpr bool operator==(Entrada, Entrada) = default;
};

// A vector as the picture draws it: from its tail to its tip in twips, in its shaft's colour, with
// its components in the units of the scroll bars, as the same computation gave them.
struct Trazo {
    // 1 to 3 as the scroll bars number the vectors; 0 for the resultant.
    int vector = 0;
    Punto desde;
    Punto hasta;
    canvas::Color color;
    double x = 0;
    double y = 0;
    // Drawn from the origin, not a copy laid head to tail.
    bool desdeOrigen = true;
};

// What one event handler of a method window did. Everything the window shows beside the picture
// (the figure's description, the copied text, the file name offered) reads this, never the
// picture or a label's text.
struct Resultado {
    // Picture1 was cleared and drawn anew from these values. When false the picture is the one
    // an earlier event left.
    bool redibujo = false;
    // The vectors of this event, in the order of their scroll bars.
    std::vector<Entrada> vectores;
    // The scale of the axes: the largest length the picture may draw, or the one a layer held.
    double Escala = 0;
    // How the picture mapped units to twips; with Fija, Escala is one of kEscalasFijas.
    Escalado escalado = Escalado::Adaptativa;
    // Magnitude of the resultant and its direction in degrees as the read-out shows it; no
    // direction when the resultant is too short to have one.
    double r = 0;
    std::optional<double> direccion;
    // The picture shows the resultant and its read-outs were written with r and direccion.
    bool resultante = false;
    // The step of the polygon construction drawn (1 to 7), or 0 for none; for steps 1 to 6 the
    // order in which the vectors were laid head to tail.
    int paso = 0;
    std::array<int, 3> orden{};
    // Every vector the picture draws, from the origin and laid head to tail, the resultant last;
    // a copy drawn twice is listed once.
    std::vector<Trazo> trazos;
};

}  // namespace trazalia::diagram
