// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "diagram/resultado.h"
#include "practice/metodo.h"

namespace trazalia::practice {

// How hard the exercises are: which values a vector may take.
//   Facil:   magnitudes 10, 20, …, 100; directions multiples of 30° or of 45° (0 to 330)
//   Medio:   magnitudes 10, 15, …, 100; directions multiples of 15° (0 to 345)
//   Dificil: magnitudes 10 to 100; directions 0 to 359
enum class Nivel { Facil, Medio, Dificil };

// The word scripts and the command line use: "facil", "medio", "dificil".
std::string_view Nombre(Nivel nivel);
// As menus and sheets show it: "Fácil", "Medio", "Difícil".
std::string_view NombreVisible(Nivel nivel);
std::optional<Nivel> NivelDeNombre(std::string_view nombre);
// Every level, easiest first: the order menus and dialogs offer them in.
inline constexpr std::array<Nivel, 3> kNiveles{Nivel::Facil, Nivel::Medio, Nivel::Dificil};
// The level practice and worksheets start at until one is chosen.
inline constexpr Nivel kNivelPredeterminado = Nivel::Medio;

// The window's name ("Form2"), as scripts and the record name it.
std::string_view Nombre(Ventana ventana);
std::optional<Ventana> VentanaDeNombre(std::string_view nombre);
int NumeroDeVectores(Ventana ventana);

// The last bit of a sine or a square root differs between the C libraries the core runs on
// (natively and in WebAssembly), so a value that is exactly on a bound in exact arithmetic may
// land on either side of it. Every decision that chooses an exercise compares with this margin,
// in the value's units, taking such a value as on the bound, so that one seed gives the same
// exercises everywhere.
inline constexpr double kHolguraDeRedondeo = 1e-9;

// What an exercise asks for: the resultant of its vectors, or the vector that balances them.
enum class Pregunta { Resultante, Equilibrante };

// The vectors of one exercise in the order of the window's scroll bars, the values of the
// window's coefficient bars that follow them (Form4's k₁ and k₂, in halves: -3 is -1.5; none in
// a window without such bars), and what it asks for.
struct Ejercicio : std::vector<diagram::Entrada> {
    using std::vector<diagram::Entrada>::vector;
    Ejercicio() = default;
    Ejercicio(std::vector<diagram::Entrada> vectores)
        : std::vector<diagram::Entrada>(std::move(vectores)) {}

    std::vector<int> coeficientes;
    Pregunta pregunta = Pregunta::Resultante;

    bool operator==(const Ejercicio&) const = default;
    // Against vectors alone (a drawing's), the vectors alone are compared.
    friend bool operator==(const Ejercicio& a, const std::vector<diagram::Entrada>& b) {
        return static_cast<const std::vector<diagram::Entrada>&>(a) == b;
    }
};

// A coefficient in halves as the record and the sheets write it, with a point: -3 is "-1.5".
std::string Coeficiente(int mitades);
std::optional<int> CoeficienteDeTexto(std::string_view texto);
std::string_view Nombre(Pregunta pregunta);
std::optional<Pregunta> PreguntaDeNombre(std::string_view nombre);

// What a worksheet or a bank asks for: one method, or none for "ambos", every method that adds,
// in turn.
using Seleccion = Ventana;
// The word --metodo takes: the method's clave(), or "ambos".
std::string_view NombreDeSeleccion(Seleccion seleccion);
std::optional<Seleccion> SeleccionDeNombre(std::string_view nombre);
// The methods of a selection, in the order their exercises alternate.
std::vector<Ventana> MetodosDe(Seleccion seleccion);

struct EjercicioDeHoja {
    Ventana ventana;
    Ejercicio vectores;
};

}  // namespace trazalia::practice
