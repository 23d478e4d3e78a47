// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/picture.h"
#include "diagram/marco.h"
#include "diagram/traducible.h"
#include "practice/ejercicio.h"
#include "practice/respuesta.h"

namespace trazalia::practice {

// A worksheet: pages of exercises, each with a frame drawn to a true scale on which the student
// constructs the sum, then pages of solutions with each construction at the same scale and the
// answer as the window's read-outs show it. Everything is laid out and drawn here, in twips from
// each page's top-left corner, and only replayed by the toolkit; so the layout and its scale are
// tested without one.

enum class Papel { A4, Carta };
std::string_view Nombre(Papel papel);  // "a4", "carta"
std::optional<Papel> PapelDeNombre(std::string_view nombre);

inline constexpr char kTituloDeHoja[] = QT_TRANSLATE_NOOP("Trazalia", "Suma de vectores");

struct OpcionesDeHoja {
    static constexpr int kMaximoDeEjercicios = 200;

    int ejercicios = 6;
    Seleccion metodo{};
    // What the exercises ask for; --metodo equilibrante asks for the equilibrant in every method
    // that adds, in turn.
    Pregunta pregunta = Pregunta::Resultante;
    Nivel nivel = kNivelPredeterminado;
    std::uint32_t semilla = 0;
    // Unset, each page is headed kTituloDeHoja in the sheet's language.
    std::optional<std::string> titulo;
    Papel papel = Papel::A4;
    // The exercise frames show the vectors, so that the student only constructs the sum.
    bool dibujados = false;
};

// One centimetre in twips.
inline constexpr double kCm = 1440 / 2.54;

// The frame of one exercise: where it stands on its page, where its origin is, and its scale.
struct Cuadro {
    int pagina = 0;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    diagram::Punto origen;
    int unidadesPorCm = 10;
};

// An exercise as laid out: everything of it lies between arriba and abajo of its page.
struct Bloque {
    int pagina = 0;
    double arriba = 0;
    double abajo = 0;
    Cuadro cuadro;
};

struct Hoja {
    double ancho = 0;
    double alto = 0;
    // Each page as drawn, in twips from its top-left corner; whatever prints it replays them.
    std::deque<canvas::Picture> paginas;
    std::vector<EjercicioDeHoja> ejercicios;
    std::vector<Respuesta> respuestas;
    // Parallel to ejercicios: the exercise's block and its solution's.
    std::vector<Bloque> enunciados;
    std::vector<Bloque> soluciones;
};

// Lays the worksheet out, its texts in the language of t. The options must be valid (1 to
// kMaximoDeEjercicios exercises).
Hoja ComponerHoja(const OpcionesDeHoja& opciones, diagram::Traductor t = diagram::EnEspanol);

// "A: 80 unidades a 30°; B: 50 unidades a 135°", with the window's letters for the vectors and its
// coefficients after them: "a: 80 unidades a 30°; b: 50 unidades a 135°; k₁ = 1; k₂ = -1.5".
std::string Enunciado(Ventana ventana, const Ejercicio& vectores,
                      diagram::Traductor t = diagram::EnEspanol);

}  // namespace trazalia::practice
