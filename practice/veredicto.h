// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/traducible.h"
#include "practice/ejercicio.h"
#include "practice/respuesta.h"

namespace trazalia::practice {

// What a verdict names. Acierto and the mistakes (SumaDeModulos … ComponentesSinSigno) are
// hypotheses, each a point or a region in the plane of guesses; Otro, Casi, Saltado and
// SinRespuesta name what is none of them.
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
    // Subtraction and multiples (Form4: c = k₁a + k₂b).
    SumaEnVezDeResta,  // a term of coefficient −1 added: a + b for a − b
    RestaAlReves,      // the difference the wrong way round: b − a for a − b, that is −c
    SinInvertir,       // k < 0 (other than −1): the magnitude scaled, the direction kept
    AnguloPorK,        // the direction multiplied by k as well as the magnitude
    SumaDeModulosEscalados,  // magnitude |k₁||a| + |k₂||b|, any direction
    FaltaUnTermino,          // k₁a or k₂b alone
    // The equilibrant asked for (−R): the resultant given instead.
    ResultanteEnVezDeEquilibrante,
    Otro,          // nothing the guess shows
    Casi,          // a near miss: the right answer is the nearest, within kBandaDeCasi
    Saltado,       // left for another exercise before it was checked (records only)
    SinRespuesta,  // revealed with no guess (records only)
};
inline constexpr std::size_t kNumeroDeCodigos = 21;
inline constexpr Codigo kPrimerError = Codigo::SumaDeModulos;
inline constexpr Codigo kUltimoError = Codigo::ResultanteEnVezDeEquilibrante;
// The mistakes a verdict may name, in the order of Codigo; each window admits some of them
// (Metodo::Admite).
inline constexpr std::array<Codigo, 16> kErrores{
    Codigo::SumaDeModulos,
    Codigo::RestaDeModulos,
    Codigo::SentidoOpuesto,
    Codigo::RestaDeVectores,
    Codigo::AnguloDesdeY,
    Codigo::SentidoHorario,
    Codigo::PromedioDeDirecciones,
    Codigo::FaltaUnVector,
    Codigo::ComponentesSinSigno,
    Codigo::SumaEnVezDeResta,
    Codigo::RestaAlReves,
    Codigo::SinInvertir,
    Codigo::AnguloPorK,
    Codigo::SumaDeModulosEscalados,
    Codigo::FaltaUnTermino,
    Codigo::ResultanteEnVezDeEquilibrante,
};

// A mistake of adding vectors that every window which adds them may name: all those of the
// addition windows but RestaDeModulos (two vectors only) and FaltaUnVector (three only).
bool ErrorDeSuma(Codigo codigo);

// The word the trace and the record use: "acierto", "suma-de-modulos", …
std::string_view Nombre(Codigo codigo);
std::optional<Codigo> CodigoDeNombre(std::string_view nombre);
// One sentence of Spanish that names the mistake.
std::string_view Frase(Codigo codigo);
// As an exercise of that question says it: a right answer and one that matches nothing name the
// equilibrant when it is asked for.
std::string_view Frase(Codigo codigo, Pregunta pregunta);
// A few words of Spanish that name it in a table: "suma de módulos". Marked for translation.
std::string_view NombreCorto(Codigo codigo);
// What to do instead, pointing to that window's construction; empty where the sentence says it.
std::string_view Pista(Codigo codigo, Ventana ventana);

// The student's resultant: a magnitude and a direction in degrees, any real numbers.
struct Intento {
    double r = 0;
    double direccion = 0;
};

// What a guess shows: one hypothesis, or two mistakes that coincide where the guess lies (a
// typed exercise can make them alike), named together; the code of such a pair is "a+b".
struct Clasificacion {
    Clasificacion(Codigo una = Codigo::Otro, std::optional<Codigo> otra = std::nullopt)  // NOLINT
        : codigo(una), tambien(otra) {}
    Codigo codigo;
    std::optional<Codigo> tambien;
    friend bool operator==(const Clasificacion&, const Clasificacion&) = default;
};

// "acierto", "suma-de-modulos+resta-de-modulos": the code as the trace and the record write it.
std::string Nombre(Clasificacion clasificacion);
std::optional<Clasificacion> ClasificacionDeNombre(std::string_view nombre);

struct Veredicto {
    Codigo codigo = Codigo::Otro;
    std::optional<Codigo> tambien;  // the second of two coinciding mistakes
    // The answer to the exercise's question (RespuestaALaPregunta).
    Respuesta respuesta;
    // The sentence and the hint, the guess and the answer side by side, and what to do next:
    // "… Su resultante: 92 a 40°. La correcta: 87.18 a 36.59°. N: otro ejercicio."
    std::string texto;

    Clasificacion clasificacion() const { return {codigo, tambien}; }
};

// What a mistake gives: a magnitude unless any will do, a direction unless any will do.
struct Objetivo {
    std::optional<double> r;
    std::optional<double> direccion;
};

// The values of one mistake (Acierto: the answer) for these vectors, directions in degrees as
// computed, not reduced to a turn; none where the mistake cannot be made. The answer given is the
// window's, the resultant; an exercise that asks for the equilibrant turns every target by 180°,
// and names giving the resultant (ResultanteEnVezDeEquilibrante) instead of turning it round
// (SentidoOpuesto).
std::vector<Objetivo> Objetivos(Codigo codigo, Ventana ventana, const Ejercicio& vectores,
                                const Respuesta& respuesta);

// Whether the verdict of an exercise of that window asking that may name the mistake: what the
// window admits, but for the equilibrant giving the resultant instead of turning it round.
bool Admitido(Codigo codigo, Ventana ventana, Pregunta pregunta);

// A guess's magnitude matches a target's r within Tolerancia(r), its direction within
// kToleranciaGrados: 5 % of the magnitude or 2 units, whichever is larger, and 5°.
double Tolerancia(double r);
inline constexpr double kToleranciaGrados = 5;

// How far a guess lies from a target, in tolerances: the larger of the magnitude's distance over
// the target's Tolerancia and the directions' (around the circle) over kToleranciaGrados, each
// only where the target fixes it. A guess within tolerance lies at 1 or less.
double Distancia(const Objetivo& objetivo, Intento intento);

// How the verdict tells them apart, in tolerances:
//  - a mistake is named only when the guess lies within its tolerance and kMargen times nearer to
//    it than to the right answer and to every other mistake;
//  - a mistake whose target fixes both the magnitude and the direction, when within tolerance,
//    takes precedence over one that leaves either free;
//  - a mistake whose value lies nearer the right answer than kSeparacionEntreErrores (which only
//    an exercise typed by hand allows) is never named: no guess can tell it from an estimate;
//  - a guess outside the tolerance whose nearest hypothesis is the right answer, within
//    kBandaDeCasi, is a near miss (Casi);
//  - the generator keeps every mistake kSeparacionDeLaCorrecta from the right answer and
//    kSeparacionEntreErrores from every other mistake, so that a student who estimates the right
//    answer within twice the tolerance is never named with a mistake, and an estimated mistake
//    is not taken for another.
inline constexpr double kMargen = 2;
inline constexpr double kBandaDeCasi = 3;
inline constexpr double kSeparacionDeLaCorrecta = 3;
inline constexpr double kSeparacionEntreErrores = 2;

// What the guess shows, for the exercise's question; respuesta is the window's answer, the
// resultant, whatever the question. Each target is computed from the components the window
// computes, its direction as the window's read-out would show it; what a mistake leaves free, taken
// as the right answer's, gives its value. A guess of magnitude 0 or below, or not a finite number,
// is Otro.
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
Clasificacion Clasificar(Ventana ventana, const Ejercicio& vectores, const Respuesta& respuesta,
                         Intento intento);

// Two hypotheses of an exercise that lie nearer each other than the generator allows.
struct Cercania {
    Codigo una;  // Acierto where one of them is the right answer
    Codigo otra;
    friend bool operator==(const Cercania&, const Cercania&) = default;
};
// Every such pair, each once, in the order of Codigo; none where every mistake can be told from
// the right answer and from every other. Where the resultant has no direction no mistake can be
// told apart, and the pairs are not listed.
std::vector<Cercania> Cercanias(Ventana ventana, const Ejercicio& vectores);
// Whether the exercise may be set for the verdict: the resultant has a direction and no two
// hypotheses lie too near (Cercanias is empty).
bool SeDistinguen(Ventana ventana, const Ejercicio& vectores);

// Classifies the guess against the window's answer to these vectors and writes the text, in the
// language of t.
Veredicto Juzgar(Ventana ventana, const Ejercicio& vectores, Intento intento,
                 diagram::Traductor t = diagram::EnEspanol);

// "Su resultante: 92 a 40°." ("Su equilibrante: …" when asked for it), the direction within a
// turn, in the language of t.
std::string TextoDelIntento(Intento intento, diagram::Traductor t = diagram::EnEspanol,
                            Pregunta pregunta = Pregunta::Resultante);

// A guess's number in a text: at most two decimals, trailing zeros and point dropped, no locale:
// 92, 87.5, 87.46, 0.
std::string NumeroDelIntento(double valor);

}  // namespace trazalia::practice
