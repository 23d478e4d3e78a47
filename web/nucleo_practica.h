// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "diagram/traducible.h"
#include "practice/hoja.h"
#include "practice/registro.h"
#include "practice/resumen.h"

namespace trazalia::web {

// The record's line of an entry the core announced, as the desktop appends it to its record file
// (without its line break). fecha: ISO 8601 from the page's clock.
std::string LineaDelAsiento(practice::Asiento asiento, std::string_view fecha,
                            std::string_view alumno);

// The command line's worksheet options, one a line ("--ejercicios\n4\n--papel\ncarta"), read by
// its own table, so that a mistake is told in its words: the options, or why not.
// relojDeSemilla: the seed without --semilla.
std::variant<practice::OpcionesDeHoja, std::string> LeerOpcionesDeHoja(
    std::string_view opciones, std::uint32_t relojDeSemilla);

// A worksheet from those options as JSON: {"error": why not, or "", "ancho", "alto" (a page in
// twips), "paginas": [one SVG document per page]}.
std::string HojaComoJson(std::string_view opciones, std::uint32_t relojDeSemilla,
                         diagram::Traductor traductor);

// A class's summary as the page shows it: the same practice::Resumen the desktop's --resumen
// prints, its texts in the page's language, as JSON:
//   {"totales": [the lines of the summary's first paragraph],
//    "alumnos": [{"nombre", "intentos", "aciertos", "porcentaje", "casi", "saltados",
//                 "sinRespuesta", "errores": [times, one per "cometidos"]}],
//    "errores": [{"codigo", "nombre", "veces", "porcentaje"}]   (the rows the desktop lists),
//    "cometidos": [{"codigo", "nombre"}]                          (the mistakes made),
//    "ilegibles": {"titulo", "lineas": ["archivo:4: why"], "mas"}  (titulo "" when none)}
// Percentages as the desktop writes them: "58.3".
std::string ResumenComoJson(const practice::Resumen& resumen, diagram::Traductor traductor);

}  // namespace trazalia::web
