// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "diagram/traducible.h"
#include "practice/hoja.h"

namespace trazalia::session {
class Sesion;
}

namespace trazalia::web {

// The record's line for the window's last verdict, as the desktop appends it to its record file
// (without its line break); empty when the window has judged nothing. fecha: ISO 8601 from the
// page's clock.
std::string LineaDelVeredicto(const session::Sesion& sesion, std::string_view ventana,
                              std::string_view fecha, std::string_view alumno);

// The command line's worksheet options, one a line ("--ejercicios\n4\n--papel\ncarta"), read by
// its own table, so that a mistake is told in its words: the options, or why not.
// relojDeSemilla: the seed without --semilla.
std::variant<practice::OpcionesDeHoja, std::string> LeerOpcionesDeHoja(
    std::string_view opciones, std::uint32_t relojDeSemilla);

// A worksheet from those options as JSON: {"error": why not, or "", "ancho", "alto" (a page in
// twips), "paginas": [one SVG document per page]}.
std::string HojaComoJson(std::string_view opciones, std::uint32_t relojDeSemilla,
                         diagram::Traductor traductor);

}  // namespace trazalia::web
