// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/lectores.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace trazalia::session {
namespace {

bool Espacio(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view SinEspacios(std::string_view texto) {
    while (!texto.empty() && Espacio(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && Espacio(texto.back())) texto.remove_suffix(1);
    return texto;
}

// Decimal digits alone, without overflow.
std::optional<unsigned long long> Digitos(std::string_view texto) {
    if (texto.empty()) return std::nullopt;
    unsigned long long n = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        const unsigned d = static_cast<unsigned>(c - '0');
        if (n > (std::numeric_limits<unsigned long long>::max() - d) / 10) return std::nullopt;
        n = n * 10 + d;
    }
    return n;
}

// Whether the file's name ends in "." and the extension, in any case.
bool TerminaEn(std::string_view ruta, std::string_view extension) {
    const std::string_view nombre = ruta.substr(ruta.rfind('/') + 1);
    const auto punto = nombre.rfind('.');
    if (punto == std::string_view::npos) return false;
    std::string propia(nombre.substr(punto + 1));
    for (char& c : propia)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return propia == extension;
}

// The words as the sheet's dialog writes them, accents included, name the same.
std::string_view SinAcentos(std::string_view v) {
    if (v == "polígono") return "poligono";
    if (v == "fácil") return "facil";
    if (v == "difícil") return "dificil";
    return v;
}

}  // namespace

namespace lectores {

// An error's text: the marked template in the context's language, with its values.
std::string Dicho(const Contexto& c, const char* plantilla,
                  std::initializer_list<std::string_view> valores) {
    return diagram::Sustituir(c.traductor(kContextoDeOpciones, plantilla), valores);
}

// A value as given, between quotes.
std::string Entre(const Contexto& c, std::string_view texto) {
    return Dicho(c, QT_TRANSLATE_NOOP("Opciones", "«%1»"), {texto});
}

Error Script(std::string_view v, Pedido& p, const Contexto&) {
    p.guion = v;
    return std::nullopt;
}

Error Hoja(std::string_view v, Pedido& p, const Contexto& c) {
    if (!TerminaEn(v, "pdf"))
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "%1: la hoja se escribe en PDF; use un nombre terminado en "
                                       ".pdf"),
                     {Entre(c, v)});
    p.hoja = v;
    return std::nullopt;
}

Error Moodle(std::string_view v, Pedido& p, const Contexto& c) {
    if (!TerminaEn(v, "xml"))
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "%1: el banco de preguntas se escribe en XML; use un nombre "
                                       "terminado en .xml"),
                     {Entre(c, v)});
    p.moodle = v;
    return std::nullopt;
}

// A count, like a seed, is digits alone: a sign would be taken in one and refused in the other.
Error Ejercicios(std::string_view v, Pedido& p, const Contexto& c) {
    const auto n = Digitos(SinEspacios(v));
    if (!n || *n < 1 || *n > practice::OpcionesDeHoja::kMaximoDeEjercicios)
        return Dicho(c, QT_TRANSLATE_NOOP("Opciones", "--ejercicios va de 1 a %1, no %2"),
                     {std::to_string(practice::OpcionesDeHoja::kMaximoDeEjercicios), Entre(c, v)});
    p.opcionesDeHoja.ejercicios = static_cast<int>(*n);
    return std::nullopt;
}

// The words --metodo takes, from the registry: each method's with worksheets, "ambos" and
// "equilibrante", as a list: "paralelogramo, poligono, ambos o equilibrante".
std::string PalabrasDeMetodo(const Contexto& c) {
    std::vector<std::string> palabras;
    for (const practice::Metodo* m : practice::Metodos())
        if (m->practica() && practice::SeleccionDeNombre(m->clave()))
            palabras.emplace_back(m->clave());
    palabras.emplace_back(practice::NombreDeSeleccion({}));
    palabras.emplace_back(practice::Nombre(practice::Pregunta::Equilibrante));
    std::string lista = palabras.front();
    for (std::size_t k = 1; k + 1 < palabras.size(); ++k) lista += ", " + palabras[k];
    return Dicho(c, QT_TRANSLATE_NOOP("Opciones", "%1 o %2"), {lista, palabras.back()});
}

Error Metodo(std::string_view v, Pedido& p, const Contexto& c) {
    const std::string_view palabra = SinAcentos(v);
    // The equilibrant asked for in every method that adds, in turn, as "ambos" gives them.
    if (palabra == practice::Nombre(practice::Pregunta::Equilibrante)) {
        p.opcionesDeHoja.metodo = {};
        p.opcionesDeHoja.pregunta = practice::Pregunta::Equilibrante;
        return std::nullopt;
    }
    const auto m = practice::SeleccionDeNombre(palabra);
    if (!m)
        return Dicho(c, QT_TRANSLATE_NOOP("Opciones", "método desconocido %1: se esperaba %2"),
                     {Entre(c, v), PalabrasDeMetodo(c)});
    p.opcionesDeHoja.metodo = *m;
    p.opcionesDeHoja.pregunta = practice::Pregunta::Resultante;
    return std::nullopt;
}

Error Nivel(std::string_view v, Pedido& p, const Contexto& c) {
    const auto n = practice::NivelDeNombre(SinAcentos(v));
    if (!n)
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "nivel desconocido %1: se esperaba facil, medio o dificil"),
                     {Entre(c, v)});
    p.opcionesDeHoja.nivel = *n;
    return std::nullopt;
}

Error Semilla(std::string_view v, Pedido& p, const Contexto& c) {
    const auto s = LeerSemilla(v);
    if (!s)
        return Dicho(
            c,
            QT_TRANSLATE_NOOP("Opciones", "semilla no válida %1: se esperaba un número de 0 a %2"),
            {Entre(c, v), std::to_string(std::numeric_limits<std::uint32_t>::max())});
    p.opcionesDeHoja.semilla = *s;
    return std::nullopt;
}

Error Titulo(std::string_view v, Pedido& p, const Contexto&) {
    p.opcionesDeHoja.titulo = std::string(v);
    return std::nullopt;
}

Error Papel(std::string_view v, Pedido& p, const Contexto& c) {
    const auto papel = practice::PapelDeNombre(v);
    if (!papel)
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones", "papel desconocido %1: se esperaba a4 o carta"),
                     {Entre(c, v)});
    p.opcionesDeHoja.papel = *papel;
    return std::nullopt;
}

Error Dibujados(std::string_view, Pedido& p, const Contexto&) {
    p.opcionesDeHoja.dibujados = true;
    return std::nullopt;
}

Error FormatoDeMoodle(std::string_view v, Pedido& p, const Contexto& c) {
    const auto formato = practice::FormatoDeNombre(v);
    if (!formato)
        return Dicho(
            c,
            QT_TRANSLATE_NOOP("Opciones", "formato desconocido %1: se esperaba cloze o numerico"),
            {Entre(c, v)});
    p.formatoDeMoodle = *formato;
    return std::nullopt;
}

Error Registro(std::string_view v, Pedido& p, const Contexto& c) {
    // Bytes that are no text would reach another file by the name Qt made of them.
    if (!EsUtf8(v))
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "el nombre del registro %1 no es texto UTF-8; elija otro "
                                       "nombre"),
                     {Entre(c, v)});
    p.registro = std::string(v);
    return std::nullopt;
}

Error Csv(std::string_view, Pedido& p, const Contexto&) {
    p.csv = true;
    return std::nullopt;
}

Error Idioma(std::string_view v, Pedido& p, const Contexto& c) {
    if (std::find(c.idiomas.begin(), c.idiomas.end(), v) == c.idiomas.end())
        return Dicho(
            c, QT_TRANSLATE_NOOP("Opciones", "idioma desconocido %1: se esperaba es, en o pt_BR"),
            {Entre(c, v)});
    p.idioma = std::string(v);
    return std::nullopt;
}

}  // namespace lectores

bool EsUtf8(std::string_view b) {
    std::size_t i = 0;
    while (i < b.size()) {
        const auto c = static_cast<unsigned char>(b[i]);
        std::size_t n = 0;
        unsigned char min = 0x80, max = 0xBF;  // the second byte's range
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            if (c == 0xE0) min = 0xA0;  // no overlong forms
            if (c == 0xED) max = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            if (c == 0xF0) min = 0x90;
            if (c == 0xF4) max = 0x8F;  // nothing past U+10FFFF
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= n; ++k) {
            if (i + k >= b.size()) return false;
            const auto d = static_cast<unsigned char>(b[i + k]);
            if (d < (k == 1 ? min : 0x80) || d > (k == 1 ? max : 0xBF)) return false;
        }
        i += n + 1;
    }
    return true;
}

std::optional<std::uint32_t> LeerSemilla(std::string_view texto) {
    const auto n = Digitos(SinEspacios(texto));
    if (!n || *n > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(*n);
}

}  // namespace trazalia::session
