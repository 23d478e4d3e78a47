// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/traducible.h"
#include "practice/ejercicio.h"
#include "practice/respuesta.h"

namespace trazalia::practice {

// What a guess matches, in the order the verdict tries them: the first that matches wins.
enum class Codigo {
    Acierto,                // the resultant
    SumaDeModulos,          // magnitude m1 + m2 (+ m3), any direction
    RestaDeModulos,         // magnitude |m1 − m2|, any direction (Form2)
    SentidoOpuesto,         // the resultant turned by 180°
    RestaDeVectores,        // the sum with one vector subtracted: A − B, B − A, A − B + C …
    AnguloDesdeY,           // the right magnitude at 90° − α or α − 90°
    SentidoHorario,         // the right magnitude at 360° − α
    PromedioDeDirecciones,  // the mean of the direction values, any magnitude
    FaltaUnVector,          // the sum of two of the three vectors (Form3)
    ComponentesSinSigno,    // (Σ|x|, Σ|y|)
    Otro,
};

// The word the trace and the record use: "acierto", "suma-de-modulos", …
std::string_view Nombre(Codigo codigo);
std::optional<Codigo> CodigoDeNombre(std::string_view nombre);
// One sentence of Spanish that names the mistake.
std::string_view Frase(Codigo codigo);
// A few words of Spanish that name it in a table: "suma de módulos". Marked for translation.
std::string_view NombreCorto(Codigo codigo);
// What to do instead, pointing to that window's construction; empty where the sentence says it.
std::string_view Pista(Codigo codigo, Ventana ventana);

// The student's resultant: a magnitude and a direction in degrees, any real numbers.
struct Intento {
    double r = 0;
    double direccion = 0;
};

struct Veredicto {
    Codigo codigo = Codigo::Otro;
    Respuesta respuesta;
    // The sentence and the hint, the guess and the answer side by side, and what to do next:
    // "… Su resultante: 92 a 40°. La correcta: 87.18 a 36.59°. N: otro ejercicio."
    std::string texto;
};

// What a mistake gives: a magnitude unless any will do, a direction unless any will do.
struct Objetivo {
    std::optional<double> r;
    std::optional<double> direccion;
};

// The values of one mistake (Acierto: the answer) for these vectors, directions in degrees as
// computed, not reduced to a turn; none where the mistake cannot be made.
std::vector<Objetivo> Objetivos(Codigo codigo, Ventana ventana, const Ejercicio& vectores,
                                const Respuesta& respuesta);

// A guess's magnitude matches a target's r within Tolerancia(r), its direction within
// kToleranciaGrados.
double Tolerancia(double r);
inline constexpr double kToleranciaGrados = 5;

// Tolerances: a guess matches a target when its magnitude is within 5 % of the target's or 2 units,
// whichever is larger, and its direction within 5° (angles compared modulo 360°). Each target is
// computed from the components the window computes, its direction as the window's read-out would
// show it. A guess of magnitude 0 or below, or not a finite number, is Otro.
//
// A target that is the zero vector has no direction, as its read-out would show "Indefinido", so
// the magnitude alone decides: a resultant of 0 is guessed right by any guess within 2 units.
// The mistakes that turn the resultant's direction (SentidoOpuesto, AnguloDesdeY, SentidoHorario)
// do not exist when it has none.
//
// A mistake that leaves the direction free (SumaDeModulos, RestaDeModulos) is never named for a
// guess whose magnitude matches the resultant's, nor one that leaves the magnitude free
// (PromedioDeDirecciones) for a guess whose direction matches it: the guess got that part right,
// and the mistake, if any, lies in the other.
Codigo Clasificar(Ventana ventana, const Ejercicio& vectores, const Respuesta& respuesta,
                  Intento intento);

// Whether every mistake can be told from the right answer in this exercise: the resultant has a
// direction, and no mistake's value (what it leaves free taken as right) matches the resultant
// within its tolerances. Otherwise a student who made that mistake would be told they were right.
bool SeDistinguen(Ventana ventana, const Ejercicio& vectores);
// The mistakes whose value matches the resultant so (none where it has no direction).
std::vector<Codigo> Indistinguibles(Ventana ventana, const Ejercicio& vectores);

// Classifies the guess against the window's answer to these vectors and writes the text, in the
// language of t.
Veredicto Juzgar(Ventana ventana, const Ejercicio& vectores, Intento intento,
                 diagram::Traductor t = diagram::EnEspanol);

// "Su resultante: 92 a 40°.", the direction within a turn, in the language of t.
std::string TextoDelIntento(Intento intento, diagram::Traductor t = diagram::EnEspanol);

// A guess's number in a text: at most two decimals, trailing zeros and point dropped, no locale:
// 92, 87.5, 87.46, 0.
std::string NumeroDelIntento(double valor);

}  // namespace trazalia::practice
