// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "diagram/marco.h"
#include "practice/ejercicio.h"

namespace trazalia::practice {

// A vector's components in the units of the scroll bars.
struct Componentes {
    double x = 0;
    double y = 0;
};

// The answer to an exercise, exactly as its window shows it: Form2's Label10 and Label12 after
// "Graficar Paralelogramo", Form3's Label14 and Label16 after a change of the step bar.
struct Respuesta {
    double r = 0;
    // In degrees; nothing where the read-out shows "Indefinido".
    std::optional<double> direccion;
    std::string lecturaR;          // "87.18"
    std::string lecturaDireccion;  // "36.59" or "Indefinido"
    // Each vector's components as the window computed them, in the order of the scroll bars:
    // the terms it lays head to tail to reach the answer (Form4's k₁a and k₂b).
    std::vector<Componentes> componentes;
    // Each vector itself, as drawn from the origin: the terms where no coefficient scales them.
    std::vector<Componentes> vectores;
};

// Runs the window's own computation on these vectors, over a drawing area that keeps nothing.
// Throws std::invalid_argument unless there are as many vectors as the window has.
Respuesta RespuestaDe(Ventana ventana, const Ejercicio& vectores);

// The answer to a question from the window's answer: the resultant itself, or the equilibrant,
// its direction turned by 180° within a turn and read with two decimals as a read-out would.
// The vectors' components stay.
Respuesta RespuestaALaPregunta(Respuesta respuesta, Pregunta pregunta);

// Both windows' Picture1, in twips.
inline constexpr float kAnchoDePicture1 = 7000;
inline constexpr float kAltoDePicture1 = 6000;

// What a window draws for an exercise: the vectors alone, as a change of its bars leaves them, or
// with the construction that gives the answer.
enum class Trazado { Vectores, Construccion };

// Draws on Picture1 what the window draws for these vectors, at that scaling, and tells what it
// drew. Throws as RespuestaDe does.
diagram::Resultado Dibujar(Ventana ventana, const Ejercicio& vectores, canvas::Canvas& Picture1,
                           Trazado trazado, diagram::Escalado escalado);

}  // namespace trazalia::practice
