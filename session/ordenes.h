// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "session/comando.h"
#include "session/errores.h"

namespace trazalia::session {

class Sesion;

// A script's line read: the command it gives, or why it gives none.
using Lectura = std::variant<Comando, errores::Negativa>;

// One command of a script: the reader, the usage errors and the manual's test all read it.
struct Orden {
    std::string_view nombre;
    // As "uso: " followed by it says; alternatives are separated by " | ".
    std::string_view uso;
    // How many words a line of this command may have, the command's own included.
    std::size_t minimo;
    std::size_t maximo;
    // The line's words read into the core's command, its names looked up in the session (a
    // window not on screen is refused before a name it has not); none for the runner's own
    // commands (dump, save).
    Lectura (*leer)(const Sesion& sesion, std::span<const std::string_view> palabras) = nullptr;
};

inline constexpr std::size_t kSinLimite = std::numeric_limits<std::size_t>::max();

// Every command a script may use.
std::span<const Orden> Ordenes();
const Orden* BuscarOrden(std::string_view nombre);
// "uso: …" of that command.
std::string Uso(std::string_view orden);

// A control of a window, by the name scripts and the page give it.
std::optional<std::size_t> ControlDe(Formulario ventana, std::string_view nombre);

// A line of one of the core's commands, its words counted, read and run; then its window's
// step ends, so that each line is a step of its own to undo. The refusal, if any.
std::optional<errores::Negativa> Correr(Sesion& sesion, const Orden& orden,
                                        std::span<const std::string_view> palabras);

}  // namespace trazalia::session
