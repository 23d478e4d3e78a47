// SPDX-License-Identifier: GPL-3.0-or-later
// The question bank for the page, from the writer the desktop uses, on the options as the
// worksheet reads them.
#include "web/nucleo_moodle.h"

#include <variant>

#include "practice/moodle.h"
#include "web/json.h"
#include "web/nucleo_practica.h"

namespace trazalia::web {

std::string MoodleComoJson(std::string_view opciones, std::uint32_t relojDeSemilla,
                           diagram::Traductor traductor) {
    const auto leidas = LeerOpcionesDeHoja(opciones, relojDeSemilla);
    Json j;
    j.Abrir('{');
    if (const auto* error = std::get_if<std::string>(&leidas)) {
        j.Clave("error").Texto(*error);
    } else {
        j.Clave("error").Texto("").Clave("xml").Texto(
            practice::BancoDeMoodle(std::get<practice::OpcionesDeHoja>(leidas), traductor));
    }
    return j.Cerrar('}').str();
}

}  // namespace trazalia::web
