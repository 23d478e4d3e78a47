// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "session/opciones.h"

namespace trazalia::session {

// The worksheet's dialog, described once: each face draws its fields from here, and the values
// chosen go back as the command line's options, read by the same parser.

// How a field is edited.
enum class Clase {
    Entero,    // a whole number within its range
    Eleccion,  // one of its choices
    Texto,     // free text
    Casilla,   // a check box: its option given or not
    Semilla,   // digits, read as LeerSemilla reads them; by default the clock's
};

// A text shown in the dialog, marked for translation in its context; a null context shows it as
// it is.
struct Rotulo {
    const char* contexto = nullptr;
    const char* texto = "";
};

struct Eleccion {
    std::string valor;  // the word the option takes: "paralelogramo"
    Rotulo rotulo;
};

struct Campo {
    // The command line's option it sets, without its dashes.
    std::string_view opcion;
    Clase clase = Clase::Texto;
    // With its accelerator ("&Método:"); a check box's is its own text.
    Rotulo rotulo;
    // As the option takes it ("6", "medio"; "1" for a check box checked). Empty for a seed (the
    // clock's) and for a text whose default is textoPorOmision.
    std::string porOmision;
    Rotulo textoPorOmision;
    int minimo = 0, maximo = 0;  // a whole number's range
    std::vector<Eleccion> elecciones;
    // The modes its option goes with: a field the bank does not take is left out of its line.
    Modos modos = kCualquierModo;
};

inline constexpr char kContextoDeDialogos[] = "Hoja";

// The fields of "Hoja de ejercicios…", in order: the sheet's options, then the bank's format.
const std::vector<Campo>& CamposDeHoja();

// The options for the values, one per field in order ("" for a check box unchecked), of the
// fields whose option goes with the mode.
std::vector<std::string> LineaDelDialogo(std::span<const Campo> campos,
                                         std::span<const std::string> valores, Modo modo);

// What the values ask for in the mode (the sheet or the bank), read as the command line is, its
// file a name that is never written.
std::variant<Pedido, std::string> LeerDialogo(std::span<const Campo> campos,
                                              std::span<const std::string> valores, Modo modo,
                                              const Contexto& contexto);

}  // namespace trazalia::session
