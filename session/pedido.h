// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "diagram/traducible.h"
#include "practice/hoja.h"
#include "practice/moodle.h"

namespace trazalia::session {

// What the program is started to do. Every mode but the windows is chosen by its option; help
// and version end the program at once.
enum class Modo { Ventanas, Practica, Guion, Hoja, Moodle, Resumen, Ayuda, Version };

// The modes an option goes with, one bit each.
using Modos = unsigned;
constexpr Modos Bit(Modo modo) { return 1U << static_cast<unsigned>(modo); }
inline constexpr Modos kCualquierModo = ~0U;

// What a command line asks for. Names are the bytes given, which need not be text.
struct Pedido {
    Modo modo = Modo::Ventanas;
    std::string guion;  // "-" is standard input
    // Text: the record is written by name.
    std::optional<std::string> registro;
    std::string hoja;    // ends in .pdf
    std::string moodle;  // ends in .xml
    practice::OpcionesDeHoja opcionesDeHoja;
    practice::FormatoDeMoodle formatoDeMoodle = practice::FormatoDeMoodle::Cloze;
    std::vector<std::string> archivos;  // the records to summarise
    bool csv = false;
    std::optional<std::string> idioma;
    // Qt's own options, each with its value, for the application; and the platform they name.
    std::vector<std::string> deQt;
    std::optional<std::string> plataforma;
};

// What the reading needs from outside: the languages there are, the seed of a worksheet
// without --semilla (the clock's), and the language its errors are told in.
struct Contexto {
    std::vector<std::string> idiomas;
    std::uint32_t semilla = 0;
    diagram::Traductor traductor = diagram::EnEspanol;
};

inline constexpr char kContextoDeOpciones[] = "Opciones";

}  // namespace trazalia::session
