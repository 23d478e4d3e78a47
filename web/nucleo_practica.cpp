// SPDX-License-Identifier: GPL-3.0-or-later
// Practice's record and the worksheets for the page, from the same functions the desktop uses.
#include "web/nucleo_practica.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "canvas/numeros.h"
#include "canvas/svg.h"
#include "practice/hoja.h"
#include "practice/registro.h"
#include "session/opciones.h"
#include "web/json.h"

namespace trazalia::web {

std::string LineaDelAsiento(practice::Asiento asiento, std::string_view fecha,
                            std::string_view alumno) {
    asiento.fecha = fecha;
    asiento.alumno = alumno;
    return practice::LineaDeAsiento(asiento);
}

std::variant<practice::OpcionesDeHoja, std::string> LeerOpcionesDeHoja(
    std::string_view opciones, std::uint32_t relojDeSemilla) {
    // The sheet's file is never written: it only makes the line one of a worksheet. No language
    // is offered: the page's own is the sheet's.
    std::vector<std::string> linea{"--hoja", "hoja.pdf"};
    for (std::size_t i = 0; !opciones.empty() && i <= opciones.size();) {
        const std::size_t fin = std::min(opciones.find('\n', i), opciones.size());
        linea.emplace_back(opciones.substr(i, fin - i));
        i = fin + 1;
    }
    const auto leido = session::LeerLinea(linea, {{}, relojDeSemilla});
    const auto* pedido = std::get_if<session::Pedido>(&leido);
    if (!pedido) return std::get<std::string>(leido);
    if (pedido->modo != session::Modo::Hoja) return std::string("no es una opción de la hoja");
    return pedido->opcionesDeHoja;
}

std::string HojaComoJson(std::string_view opciones, std::uint32_t relojDeSemilla,
                         diagram::Traductor traductor) {
    const auto leidas = LeerOpcionesDeHoja(opciones, relojDeSemilla);
    Json j;
    j.Abrir('{');
    const auto* opcionesDeHoja = std::get_if<practice::OpcionesDeHoja>(&leidas);
    if (!opcionesDeHoja) {
        j.Clave("error").Texto(std::get<std::string>(leidas));
        return j.Cerrar('}').str();
    }
    const practice::Hoja hoja = practice::ComponerHoja(*opcionesDeHoja, traductor);
    j.Clave("error").Texto("").Clave("semilla").Entero(opcionesDeHoja->semilla);
    j.Clave("ancho").Crudo(canvas::Fijo(hoja.ancho, 3));
    j.Clave("alto").Crudo(canvas::Fijo(hoja.alto, 3));
    j.Clave("paginas").Abrir('[');
    for (const canvas::Picture& pagina : hoja.paginas) j.Texto(canvas::Svg(pagina));
    return j.Cerrar(']').Cerrar('}').str();
}

}  // namespace trazalia::web
