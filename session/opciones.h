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
#include "session/lectores.h"
#include "session/pedido.h"

namespace trazalia::session {

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
    // The words the value may be, for the help's %1, where they come from the program's tables.
    std::string (*palabras)(const Contexto& contexto) = nullptr;
};

// The program's options, in the order the help lists them.
std::span<const Opcion> Opciones();

// A mode chosen by an option: the rest of its usage line, and what is said when it is given
// with another mode it excludes.
struct ModoDeLinea {
    Modo modo;
    const char* uso;  // marked for translation; may be empty
    Modos excluye;
    const char* conflicto;  // marked for translation
};

// The modes an option chooses, in the order the usage line lists them.
std::span<const ModoDeLinea> ModosDeLinea();

// The option that chooses the mode; null for the windows.
const Opcion* QueElige(Modo modo);

// Reads the arguments after the program's name: what they ask for, or the one line that says
// what is wrong (status 2), in the language of the context's translator. Qt's own options are set
// apart, with their values.
std::variant<Pedido, std::string> LeerLinea(std::span<const std::string> argumentos,
                                            const Contexto& contexto);

// The language the arguments ask for with --idioma when it is one of the context's, whatever else
// is wrong with them: the one to tell their errors in.
std::optional<std::string> IdiomaDeLaLinea(std::span<const std::string> argumentos,
                                           const Contexto& contexto);

// The text of --help, in the language of t (ayuda.cpp).
std::string Ayuda(diagram::Traductor t = diagram::EnEspanol);

}  // namespace trazalia::session
