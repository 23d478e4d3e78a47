// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "canvas/tests/xml_lector.h"

// A model of how Moodle imports a question bank and grades a response, written from Moodle's own
// source (moodle/moodle), never from the program's writer: its XML reader, its category paths and
// question names, its Cloze grammar, its numerical questions and how it reads a typed number. It
// is stricter than Moodle where Moodle's regular expressions would backtrack: such a text is
// refused.
namespace trazalia::pruebas {

struct AlternativaCloze {
    double fraccion = 0;
    bool cualquiera = false;  // the answer "*"
    double valor = 0;
    double tolerancia = 0;
    std::string comentario;  // as Moodle stores it: HTML
};

struct HuecoCloze {
    std::string tipo;
    std::vector<AlternativaCloze> alternativas;
};

// The document as lib/xmlize.php's core_xml_parser builds it: read by expat in pieces of 4096
// bytes, it drops every piece of character data that is only white space, and an entity or a
// line break ends a piece. Nothing where expat finds the document not well-formed.
std::optional<Nodo> LeerComoMoodle(std::string_view documento);

// PHP's trim: spaces, tabs, line breaks, NUL and vertical tabs at either end.
std::string Recortado(std::string_view texto);

// The names of the categories an import makes for a path (question/format.php:
// split_category_path, then create_category_path), below the course's top category, in order.
std::vector<std::string> CategoriasDeLaRuta(std::string_view ruta);

// A question's name as Moodle keeps it (question/format.php, clean_question_name): PARAM_TEXT's
// strip_tags, trimmed, and past 255 characters shortened by shorten_text to 251.
std::string NombreQueGuarda(std::string_view nombre);

// The characters of UTF-8 text.
std::size_t Caracteres(std::string_view texto);

// The blanks of a question text in order, or what Moodle would refuse.
std::variant<std::vector<HuecoCloze>, std::string> LeerCloze(std::string_view texto);

// The answers of a numerical question (question/format/xml/format.php, import_numerical), as the
// blank of a Cloze question holds them, or what Moodle would refuse.
std::variant<HuecoCloze, std::string> LeerNumerica(const Nodo& pregunta);

// The answer that grades a value: the first whose tolerance holds it; none for no answer.
const AlternativaCloze* Calificar(const HuecoCloze& hueco, double respuesta);

// The separators of a Moodle language pack (langconfig's decsep and thousandssep).
struct Paquete {
    char decimal;
    char miles;
};
inline constexpr Paquete kPaqueteEs{',', '.'};
inline constexpr Paquete kPaquetePtBr{',', '.'};
inline constexpr Paquete kPaqueteEn{'.', ','};

// A typed response as a numerical question without units takes it
// (question/type/numerical/questiontype.php, qtype_numerical_answer_processor::apply_units; and
// qtype_numerical_question::is_complete_response): the value it is graded by, if any, and whether
// the question takes it as an answer (not when it holds a unit, "°" among them, or the pack's
// thousands separator: the student is asked to type it again).
struct Respuesta {
    std::optional<double> valor;
    bool completa = false;
};
Respuesta Responder(std::string_view texto, Paquete paquete);

// PHP's html_entity_decode with ENT_QUOTES for the entities a text may hold: &amp; &lt; &gt;
// &quot; &#039; &apos; and numeric references.
std::string DecodificarEntidades(std::string_view html);

// What a browser shows of HTML: its text, without tags, entities decoded; the alt texts of
// images each in its own place.
std::string TextoVisible(std::string_view html);

}  // namespace trazalia::pruebas
