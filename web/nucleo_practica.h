// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "diagram/traducible.h"

namespace trazalia::session {
class Sesion;
}

namespace trazalia::web {

// The record's line for the window's last verdict, as the desktop appends it to its record file
// (without its line break); empty when the window has judged nothing. fecha: ISO 8601 from the
// page's clock.
std::string LineaDelVeredicto(const session::Sesion& sesion, std::string_view ventana,
                              std::string_view fecha, std::string_view alumno);

// A worksheet from the command line's worksheet options, one a line ("--ejercicios\n4\n--papel\n
// carta"), read by the same table, as JSON: {"error": why not, or "", "ancho", "alto" (a page in
// twips), "paginas": [one SVG document per page]}. relojDeSemilla: the seed without --semilla.
std::string HojaComoJson(std::string_view opciones, std::uint32_t relojDeSemilla,
                         diagram::Traductor traductor);

}  // namespace trazalia::web
