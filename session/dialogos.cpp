// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/dialogos.h"

#include <string>

#include "practice/metodo.h"

namespace trazalia::session {
namespace {

Modos ModosDe(std::string_view opcion) {
    for (const Opcion& o : Opciones())
        if (o.nombre == opcion) return o.modos;
    return 0;
}

// "ambos", then each method whose word the sheet takes, in the registry's order, then
// "equilibrante".
std::vector<Eleccion> Metodos() {
    std::vector<Eleccion> elecciones{{std::string(practice::NombreDeSeleccion({})),
                                      {kContextoDeDialogos, QT_TRANSLATE_NOOP("Hoja", "Los dos")}}};
    for (const practice::Metodo* m : practice::Metodos())
        if (m->practica() && practice::SeleccionDeNombre(m->clave()))
            elecciones.push_back({std::string(m->clave()), {diagram::kContexto, m->nombreCorto()}});
    elecciones.push_back(
        {std::string(practice::Nombre(practice::Pregunta::Equilibrante)),
         {kContextoDeDialogos, QT_TRANSLATE_NOOP("Hoja", "La equilibrante, en los dos")}});
    return elecciones;
}

std::vector<Campo> Componer() {
    const practice::OpcionesDeHoja hoja;
    const Pedido pedido;
    std::vector<Campo> campos;
    const auto campo = [&](std::string_view opcion, Clase clase, const char* rotulo,
                           std::string porOmision) -> Campo& {
        return campos.emplace_back(Campo{opcion,
                                         clase,
                                         {kContextoDeDialogos, rotulo},
                                         std::move(porOmision),
                                         {},
                                         0,
                                         0,
                                         {},
                                         ModosDe(opcion)});
    };
    Campo& ejercicios =
        campo("ejercicios", Clase::Entero, QT_TRANSLATE_NOOP("Hoja", "&Ejercicios:"),
              std::to_string(hoja.ejercicios));
    ejercicios.minimo = 1;
    ejercicios.maximo = practice::OpcionesDeHoja::kMaximoDeEjercicios;
    campo("metodo", Clase::Eleccion, QT_TRANSLATE_NOOP("Hoja", "&Método:"),
          std::string(practice::NombreDeSeleccion(hoja.metodo)))
        .elecciones = Metodos();
    Campo& nivel = campo("nivel", Clase::Eleccion, QT_TRANSLATE_NOOP("Hoja", "&Nivel:"),
                         std::string(practice::Nombre(hoja.nivel)));
    for (auto n : practice::kNiveles)
        nivel.elecciones.push_back({std::string(practice::Nombre(n)),
                                    {diagram::kContexto, practice::NombreVisible(n).data()}});
    campo("semilla", Clase::Semilla, QT_TRANSLATE_NOOP("Hoja", "&Semilla:"), "");
    campo("titulo", Clase::Texto, QT_TRANSLATE_NOOP("Hoja", "&Título:"), "").textoPorOmision = {
        diagram::kContexto, practice::kTituloDeHoja};
    campo("papel", Clase::Eleccion, QT_TRANSLATE_NOOP("Hoja", "&Papel:"),
          std::string(practice::Nombre(hoja.papel)))
        .elecciones = {{std::string(practice::Nombre(practice::Papel::A4)), {nullptr, "A4"}},
                       {std::string(practice::Nombre(practice::Papel::Carta)),
                        {kContextoDeDialogos, QT_TRANSLATE_NOOP("Hoja", "Carta")}}};
    campo("dibujados", Clase::Casilla, QT_TRANSLATE_NOOP("Hoja", "con los vectores dibujados"),
          hoja.dibujados ? "1" : "");
    campo("moodle-formato", Clase::Eleccion, QT_TRANSLATE_NOOP("Hoja", "&Formato de Moodle:"),
          std::string(practice::Nombre(pedido.formatoDeMoodle)))
        .elecciones = {
        {std::string(practice::Nombre(practice::FormatoDeMoodle::Cloze)),
         {kContextoDeDialogos, QT_TRANSLATE_NOOP("Hoja", "Cloze: una pregunta con dos huecos")}},
        {std::string(practice::Nombre(practice::FormatoDeMoodle::Numerico)),
         {kContextoDeDialogos,
          QT_TRANSLATE_NOOP("Hoja", "Numéricas: dos preguntas, con estadísticas")}}};
    return campos;
}

}  // namespace

const std::vector<Campo>& CamposDeHoja() {
    static const std::vector<Campo> campos = Componer();
    return campos;
}

std::vector<std::string> LineaDelDialogo(std::span<const Campo> campos,
                                         std::span<const std::string> valores, Modo modo) {
    std::vector<std::string> linea;
    for (std::size_t i = 0; i < campos.size() && i < valores.size(); ++i) {
        if (!(campos[i].modos & Bit(modo))) continue;
        const std::string opcion = "--" + std::string(campos[i].opcion);
        if (campos[i].clase == Clase::Casilla) {
            if (!valores[i].empty()) linea.push_back(opcion);
        } else {
            linea.push_back(opcion);
            linea.push_back(valores[i]);
        }
    }
    return linea;
}

std::variant<Pedido, std::string> LeerDialogo(std::span<const Campo> campos,
                                              std::span<const std::string> valores, Modo modo,
                                              const Contexto& contexto) {
    const Opcion* elige = QueElige(modo);
    if (!elige) return std::string("no es un modo del diálogo");
    // The file is never written: it only makes the line one of the mode.
    std::vector<std::string> linea{"--" + std::string(elige->nombre),
                                   modo == Modo::Hoja ? "hoja.pdf" : "banco.xml"};
    for (std::string& o : LineaDelDialogo(campos, valores, modo)) linea.push_back(std::move(o));
    return LeerLinea(linea, contexto);
}

}  // namespace trazalia::session
