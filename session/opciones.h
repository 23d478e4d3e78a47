// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
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

enum class Valor {
    Ninguno,   // a flag
    Uno,       // the next argument, or after "="
    Archivos,  // the arguments that are no option
};

// One option. Its value, checked, goes into the request by leer; the error says what is wrong.
struct Opcion {
    std::string_view nombre;
    char corto = 0;
    Valor valor = Valor::Ninguno;
    // As the help names the value, marked for translation ("ARCHIVO"); a mode's missing file is
    // named so.
    std::string_view argumento;
    // The mode it chooses, if any.
    std::optional<Modo> elige;
    Modos modos = kCualquierModo;
    // Listed under the option before it in the help.
    bool dentro = false;
    // Marked for translation, in the context kContextoDeOpciones; null for none of its own.
    const char* ayuda = nullptr;
    std::optional<std::string> (*leer)(std::string_view valor, Pedido& pedido,
                                       const Contexto& contexto) = nullptr;
};

inline constexpr char kContextoDeOpciones[] = "Opciones";

// The program's options, in the order the help lists them.
std::span<const Opcion> Opciones();

// Reads the arguments after the program's name: what they ask for, or the one line that says
// what is wrong (status 2), in the language of the context's translator. Qt's own options are set
// apart, with their values.
std::variant<Pedido, std::string> LeerLinea(std::span<const std::string> argumentos,
                                            const Contexto& contexto);

// The language the arguments ask for with --idioma when it is one of the context's, whatever else
// is wrong with them: the one to tell their errors in.
std::optional<std::string> IdiomaDeLaLinea(std::span<const std::string> argumentos,
                                           const Contexto& contexto);

// The text of --help, in the language of t.
std::string Ayuda(diagram::Traductor t = diagram::EnEspanol);

// Whether the bytes are UTF-8 text.
bool EsUtf8(std::string_view bytes);

// A seed as the command line and the dialog take it: a number from 0 to 2^32 - 1, without sign.
std::optional<std::uint32_t> LeerSemilla(std::string_view texto);

}  // namespace trazalia::session
