// SPDX-License-Identifier: GPL-3.0-or-later
// Practice's record and the worksheets for the page, from the same functions the desktop uses.
#include "web/nucleo_practica.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "canvas/numeros.h"
#include "canvas/svg.h"
#include "practice/camino.h"
#include "practice/hoja.h"
#include "practice/registro.h"
#include "practice/resumen.h"
#include "practice/veredicto.h"
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

std::string ResumenComoJson(const practice::Resumen& resumen, diagram::Traductor traductor) {
    using practice::Codigo;
    const auto trad = [&traductor](const char* texto, int cuenta = -1) {
        return traductor("Resumen", texto, cuenta);
    };
    const auto nombreDelError = [&traductor](Codigo c) {
        return traductor(diagram::kContexto, std::string(practice::NombreCorto(c)).c_str(), -1);
    };
    const auto veces = [](const practice::Resumen::Alumno& a, Codigo c) {
        return a.veces[static_cast<std::size_t>(c)];
    };
    // The tables' mistakes, in the desktop's order: each mistake, then a guess that shows none.
    std::vector<Codigo> tabla, cometidos;
    for (int c = static_cast<int>(practice::kPrimerError); c <= static_cast<int>(Codigo::Otro);
         ++c) {
        const auto codigo = static_cast<Codigo>(c);
        if (resumen.Listado(codigo)) tabla.push_back(codigo);
        if (resumen.Veces(codigo) > 0) cometidos.push_back(codigo);
    }
    Json j;
    j.Abrir('{').Clave("totales").Abrir('[');
    // The desktop's own first paragraph: attempts, near misses, exercises left unchecked.
    const std::string texto = resumen.Texto(traductor);
    std::string_view totales = std::string_view(texto).substr(0, texto.find("\n\n"));
    for (std::size_t i = 0; i < totales.size();) {
        const std::size_t fin = std::min(totales.find('\n', i), totales.size());
        j.Texto(totales.substr(i, fin - i));
        i = fin + 1;
    }
    j.Cerrar(']').Clave("alumnos").Abrir('[');
    for (const practice::Resumen::Alumno& a : resumen.Alumnos()) {
        j.Abrir('{').Clave("nombre").Texto(
            a.nombre.empty() ? trad(QT_TRANSLATE_NOOP("Resumen", "(sin nombre)")) : a.nombre);
        j.Clave("intentos").Entero(a.intentos).Clave("aciertos").Entero(a.aciertos);
        j.Clave("porcentaje").Texto(practice::Porcentaje(a.aciertos, a.intentos));
        j.Clave("casi").Entero(veces(a, Codigo::Casi));
        j.Clave("saltados").Entero(veces(a, Codigo::Saltado));
        j.Clave("sinRespuesta").Entero(veces(a, Codigo::SinRespuesta));
        j.Clave("errores").Abrir('[');
        for (const Codigo c : cometidos) j.Entero(veces(a, c));
        j.Cerrar(']').Cerrar('}');
    }
    j.Cerrar(']').Clave("errores").Abrir('[');
    for (const Codigo c : tabla) {
        j.Abrir('{').Clave("codigo").Texto(practice::Nombre(c));
        j.Clave("nombre").Texto(nombreDelError(c)).Clave("veces").Entero(resumen.Veces(c));
        j.Clave("porcentaje").Texto(practice::Porcentaje(resumen.Veces(c), resumen.intentos()));
        j.Cerrar('}');
    }
    j.Cerrar(']').Clave("cometidos").Abrir('[');
    for (const Codigo c : cometidos)
        j.Abrir('{')
            .Clave("codigo")
            .Texto(practice::Nombre(c))
            .Clave("nombre")
            .Texto(nombreDelError(c))
            .Cerrar('}');
    const long ilegibles = resumen.TotalDeIlegibles();
    const long omitidos = ilegibles - static_cast<long>(resumen.ilegibles().size());
    j.Cerrar(']').Clave("ilegibles").Abrir('{').Clave("titulo");
    j.Texto(ilegibles > 0
                ? trad(QT_TRANSLATE_N_NOOP("Resumen", "Líneas que no se pudieron leer: %n"),
                       static_cast<int>(ilegibles))
                : std::string());
    j.Clave("lineas").Abrir('[');
    for (const practice::Resumen::Ilegible& i : resumen.ilegibles())
        j.Texto(i.archivo + ':' + std::to_string(i.numero) + ": " + i.motivo);
    j.Cerrar(']').Clave("mas").Texto(
        omitidos > 0 ? trad(QT_TRANSLATE_N_NOOP("Resumen", "y %n más"), static_cast<int>(omitidos))
                     : std::string());
    j.Cerrar('}');
    // Only where an entry is on a path, as the desktop's text: a table of each student's skills,
    // its cells as the desktop writes them ("2/3", "3/3 dominada"), and the mistakes to come back.
    if (resumen.HayCaminos()) {
        using practice::Resumen;
        std::vector<std::string> destrezas;
        std::vector<std::pair<std::string, Resumen::EnCamino>> alumnos;
        for (const Resumen::Alumno& a : resumen.Alumnos()) {
            Resumen::EnCamino en = Resumen::Camino(a);
            if (en.destrezas.empty()) continue;
            for (const Resumen::Destreza& d : en.destrezas)
                if (std::find(destrezas.begin(), destrezas.end(), d.nombre) == destrezas.end())
                    destrezas.push_back(d.nombre);
            alumnos.emplace_back(
                a.nombre.empty() ? trad(QT_TRANSLATE_NOOP("Resumen", "(sin nombre)")) : a.nombre,
                std::move(en));
        }
        j.Clave("caminos").Abrir('{');
        j.Clave("titulo").Texto(trad(QT_TRANSLATE_NOOP("Resumen", "Camino por alumno:")));
        j.Clave("vuelven").Texto(trad(QT_TRANSLATE_NOOP("Resumen", "Vuelven")));
        j.Clave("destrezas").Abrir('[');
        // Headed as the student's bars name them.
        for (const std::string& d : destrezas) j.Texto(practice::NombreVisible(d, traductor));
        j.Cerrar(']').Clave("alumnos").Abrir('[');
        for (const auto& [nombre, en] : alumnos) {
            j.Abrir('{').Clave("nombre").Texto(nombre).Clave("celdas").Abrir('[');
            for (const std::string& d : destrezas) {
                std::string celda;
                for (const Resumen::Destreza& suya : en.destrezas)
                    if (suya.nombre == d)
                        celda =
                            std::to_string(std::min(suya.racha, practice::kRachaDeDominio)) + '/' +
                            std::to_string(practice::kRachaDeDominio) +
                            (suya.dominada ? ' ' + trad(QT_TRANSLATE_NOOP("Resumen", "dominada"))
                                           : std::string());
                j.Texto(celda);
            }
            std::string vuelven;
            for (const Codigo c : en.pendientes)
                vuelven += (vuelven.empty() ? "" : ", ") + nombreDelError(c);
            j.Cerrar(']').Clave("vuelven").Texto(vuelven).Cerrar('}');
        }
        j.Cerrar(']').Cerrar('}');
    }
    return j.Cerrar('}').str();
}

}  // namespace trazalia::web
