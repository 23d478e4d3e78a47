// SPDX-License-Identifier: GPL-3.0-or-later
// The question bank for the page, from the writer the desktop uses, on the options as the
// command line reads them.
#include "web/nucleo_moodle.h"

#include <algorithm>
#include <exception>
#include <variant>
#include <vector>

#include "practice/moodle.h"
#include "session/opciones.h"
#include "web/json.h"

namespace trazalia::web {

std::string MoodleComoJson(std::string_view opciones, std::uint32_t relojDeSemilla,
                           diagram::Traductor traductor) {
    // The file's name is never used: it only makes the line one of a bank.
    std::vector<std::string> linea{"--moodle", "banco.xml"};
    for (std::size_t i = 0; !opciones.empty() && i <= opciones.size();) {
        const std::size_t fin = std::min(opciones.find('\n', i), opciones.size());
        linea.emplace_back(opciones.substr(i, fin - i));
        i = fin + 1;
    }
    session::Contexto contexto;
    contexto.semilla = relojDeSemilla;
    contexto.traductor = traductor;
    const auto leido = session::LeerLinea(linea, contexto);
    Json j;
    j.Abrir('{');
    if (const auto* error = std::get_if<std::string>(&leido)) {
        j.Clave("error").Texto(*error);
        return j.Cerrar('}').str();
    }
    const auto& pedido = std::get<session::Pedido>(leido);
    if (pedido.modo != session::Modo::Moodle) {
        j.Clave("error").Texto("no es una opción del banco");
        return j.Cerrar('}').str();
    }
    // A bank that cannot be written is said so, never given as an empty one.
    std::vector<std::string> archivos;
    try {
        archivos =
            practice::BancoDeMoodle(pedido.opcionesDeHoja, pedido.formatoDeMoodle, traductor);
    } catch (const std::exception& e) {
        j.Clave("error").Texto(e.what());
        return j.Cerrar('}').str();
    }
    j.Clave("error").Texto("").Clave("archivos").Abrir('[');
    for (const std::string& archivo : archivos) j.Texto(archivo);
    return j.Cerrar(']').Cerrar('}').str();
}

}  // namespace trazalia::web
