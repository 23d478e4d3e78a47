// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A model of how Moodle reads and grades a Cloze question's numerical blanks, written from
// Moodle's own source (moodle/moodle), never from the program's writer. It is stricter than Moodle
// where Moodle's regular expressions would backtrack: such a text is refused.
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

// The blanks of a question text in order, or what Moodle would refuse.
std::variant<std::vector<HuecoCloze>, std::string> LeerCloze(std::string_view texto);

// The answer that grades a response: the first whose tolerance holds it; none for no answer.
const AlternativaCloze* Calificar(const HuecoCloze& hueco, double respuesta);

// PHP's html_entity_decode with ENT_QUOTES for the entities a text may hold: &amp; &lt; &gt;
// &quot; &#039; &apos; and numeric references.
std::string DecodificarEntidades(std::string_view html);

}  // namespace trazalia::pruebas
