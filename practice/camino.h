// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "diagram/traducible.h"
#include "practice/ejercicio.h"
#include "practice/generador.h"
#include "practice/respuesta.h"
#include "practice/veredicto.h"

namespace trazalia::practice {

// A path to mastery: exercises of every skill practice offers, interleaved, each skill mastered
// after kRachaDeDominio right answers in a row, mastered skills set again now and then, and a
// mistake brought back a few exercises after it was made, in an exercise where it shows.

// What a student practises: a window, the question it asks and the kind of coefficients.
struct Destreza {
    Ventana ventana = nullptr;
    Pregunta pregunta = Pregunta::Resultante;
    TipoDeCoeficientes coeficientes = TipoDeCoeficientes::Cualesquiera;
    bool operator==(const Destreza&) const = default;
};

// Every skill, from the registry: for each method with practice, the resultant for each kind of
// its coefficients (one where it has none), then the equilibrant where it adds (as practice asks
// for it there).
std::span<const Destreza> Destrezas();
// The word the path's state names it by: "Form2", "Form2-equilibrante", "Form4-resta".
std::string Nombre(const Destreza& destreza);
std::optional<std::size_t> DestrezaDeNombre(std::string_view nombre);
// The skill as a student reads it, in the face's language: "Paralelogramo (equilibrante)",
// "Múltiplos".
std::string NombreVisible(const Destreza& destreza, diagram::Traductor trad);
// The same for the skill a state names so; the name as it is where it names none.
std::string NombreVisible(std::string_view nombre, diagram::Traductor trad);

// The next exercise of that skill from the generator's sequence, asking the skill's question.
Ejercicio Siguiente(Generador& generador, const Destreza& destreza);

// The mistakes an exercise shows, by Codigo: those its question admits whose every value lies at
// least kSeparacionDeLaCorrecta tolerances (Distancia) from the right answer, so that a student
// who makes one gives a guess the verdict names.
using Errores = std::bitset<kNumeroDeCodigos>;
Errores Muestra(Ventana ventana, const Ejercicio& ejercicio);

// Why a mistake is wrong and how the window's construction avoids it (1–2 sentences, shown after
// the mistake, besides the verdict's sentence and hint): the method's own wording
// (Metodo::Explicacion), else the general one; empty for what is no mistake. Marked in the
// context "Camino", the methods' own wordings too.
std::string_view Explicacion(Codigo codigo, Ventana ventana);

// One step of the right construction, played after a mistake is named: the drawing as it stands
// by then (the method's Construccion, in the exercise's units from its origin; the resultant from
// the origin; the equilibrant, the resultant turned round) and a line that says what the step
// adds (marked in the context "Camino"), its %1 and %2 replaced by valores.
struct Etapa {
    std::vector<Flecha> flechas;
    std::optional<Componentes> resultante;
    bool equilibrante = false;
    const char* leyenda = nullptr;
    std::vector<std::string> valores;
};
// The construction of the exercise's answer step by step, as its window builds it (Metodo::Etapas),
// then its magnitude and direction read, then, where the equilibrant is asked for, that.
std::vector<Etapa> Etapas(Ventana ventana, const Ejercicio& ejercicio);

// «¿Dónde está el error?»: the exercise's construction worked with one mistake planted in its
// resultant (drawn as the mistake gives it), and the mistakes to name it from: the planted one and
// up to three others the exercise shows, in an order drawn from the seed.
struct ErrorPlantado {
    Codigo codigo;
    Etapa dibujo;
    std::vector<Codigo> opciones;
};
inline constexpr std::size_t kOpciones = 4;
// None where the exercise shows no mistake. Planted in the resultant, whatever the question.
std::optional<ErrorPlantado> PlantarError(Ventana ventana, Ejercicio ejercicio,
                                          std::uint32_t semilla);

inline constexpr int kRachaDeDominio = 3;
// A mistake comes back from kVueltaMinima to kVueltaMaxima exercises after it was made.
inline constexpr int kVueltaMinima = 2;
inline constexpr int kVueltaMaxima = 5;
// A mastered skill is set again only after this many exercises of others.
inline constexpr int kEspaciado = 6;

// What the path sets next: a skill, and the mistake the exercise is to show, if one is due.
// Where none is due, a mistake the skill's streak is to show (Progreso::Planificar).
struct Plan {
    std::size_t destreza = 0;
    std::optional<Codigo> error;
    std::optional<Codigo> muestra = std::nullopt;
    // The mistake the exercise is drawn to show.
    std::optional<Codigo> Buscado() const { return error ? error : muestra; }
};

// A mistake made and not yet answered right where it shows: due from exercise desde (counted
// from 0), at the latest at hasta.
struct Pendiente {
    Codigo codigo;
    int desde = 0;
    int hasta = 0;
    bool operator==(const Pendiente&) const = default;
};

struct EstadoDeDestreza {
    int racha = 0;    // right answers in a row
    int ultima = -1;  // the exercise it was last set at; -1 never
    bool operator==(const EstadoDeDestreza&) const = default;
};

// The path's progress: all that decides the next exercises, small enough for a record.
//
// Counting: Acierto adds one to the skill's streak; Casi (a near miss: the method right, the
// measure off) leaves it as it is; anything else (a mistake, Otro, a skipped or unanswered
// exercise) sets it back to 0. A skill is mastered while its streak is kRachaDeDominio or more,
// so a wrong answer after mastery takes it away again.
class Progreso {
public:
    // Over every skill, or over those of one window.
    Progreso(std::uint32_t semilla, Nivel nivel, Ventana ventana = nullptr);

    // The next step, from the state alone. A due mistake (the earliest hasta first) goes to a
    // skill that can show it, one other than the last set where there is any; otherwise an
    // unmastered skill is four times as likely as a mastered one, which waits kEspaciado
    // exercises, and the last skill set is never set twice in a row. An unmastered skill's
    // exercise is to show, by its streak's length, one of the mistakes only some of its exercises
    // show (Form4's multiples: a negative coefficient other than −1), so that a streak that
    // masters it has shown each of them, as many as the streak is long.
    Plan Planificar() const;
    // The answer to the step planned, and the mistakes its exercise showed. A mistake made is due
    // from 2 to 4 exercises on (drawn), at the latest 5; made again, from then. From 2 on, any
    // exercise that shows it, planned or not, is its return: answered right (or nearly) it
    // settles it, otherwise it is due again; the exercise right after it changes nothing.
    void Anotar(const Plan& plan, Codigo resultado, const Errores& mostrados);

    std::uint32_t semilla() const { return semilla_; }
    Nivel nivel() const { return nivel_; }
    Ventana ventana() const { return ventana_; }
    bool Incluida(std::size_t destreza) const;
    int posicion() const { return posicion_; }
    const std::vector<EstadoDeDestreza>& destrezas() const { return destrezas_; }
    const std::vector<Pendiente>& pendientes() const { return pendientes_; }
    bool Dominada(std::size_t destreza) const;
    bool TodasDominadas() const;

    // One line: "camino 1 semilla 7 nivel medio ventana todas posicion 12 Form2 2 11 Form3 0 - …
    // pendiente suma-de-modulos 13 16": version, seed, level, window ("todas" for every one),
    // position, each skill's name, streak and last exercise, then each pending mistake.
    std::string Texto() const;
    // The progress a Texto() wrote, or why the text is not one.
    static std::variant<Progreso, std::string> DeTexto(std::string_view texto);

    bool operator==(const Progreso&) const = default;

private:
    // The skill drawn, with the mistake its streak is to show next, if any.
    Plan Sorteada(std::size_t destreza) const;

    std::uint32_t semilla_;
    Nivel nivel_;
    Ventana ventana_;
    int posicion_ = 0;
    std::vector<EstadoDeDestreza> destrezas_;
    std::vector<Pendiente> pendientes_;
};

// One exercise of the path.
struct Paso {
    Plan plan;
    Destreza destreza;
    Ejercicio ejercicio;
};

// The path: its progress and the exercise it sets now, drawn from the seed and the position
// alone, so that a progress read back sets the same exercise. A due mistake's exercise (or
// one its streak is to show) is the first of at most kCandidatos drawn that shows it; should none,
// the last drawn is set and the mistake stays due.
class Camino {
public:
    Camino(std::uint32_t semilla, Nivel nivel, Ventana ventana = nullptr)
        : progreso_(semilla, nivel, ventana) {}
    explicit Camino(Progreso progreso) : progreso_(std::move(progreso)) {}

    const Paso& Actual();
    void Anotar(Codigo resultado);
    const Progreso& progreso() const { return progreso_; }

    static constexpr int kCandidatos = 40;

private:
    Progreso progreso_;
    std::optional<Paso> paso_;
};

}  // namespace trazalia::practice
