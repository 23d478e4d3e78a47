// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/traducible.h"
#include "practice/hoja.h"

namespace trazalia::practice {

// How each exercise is written. Cloze: one question with two numerical blanks, r and α. Numerico:
// two numerical questions, r and α, which Moodle's quiz statistics analyse answer by answer (they
// leave Cloze questions out).
enum class FormatoDeMoodle { Cloze, Numerico };

// "cloze" or "numerico", as the command line and the page name them.
std::string_view Nombre(FormatoDeMoodle formato);
std::optional<FormatoDeMoodle> FormatoDeNombre(std::string_view nombre);

// The most a file may hold: PHP's default upload_max_filesize is 2M (2 MiB), which Moodle's import
// form inherits; a round 2 MB stays under it.
inline constexpr std::size_t kLimiteDeArchivo = 2'000'000;

// The decimal separator of Moodle's language pack in the language of a translation (langconfig's
// decsep: "," in Spanish and Portuguese, "." in English), marked for translation: the bank writes
// its numbers with it and tells the student to type it.
inline constexpr char kSeparadorDecimal[] = QT_TRANSLATE_NOOP("Trazalia", ",");

// A question bank for Moodle's XML import: the worksheet's exercises for the same options (its
// paper and drawn vectors aside), in its category. Each value a blank or a question asks for takes
// the answer with practice's tolerance, then the value of each mistake that changes it, with the
// verdict's sentence as its feedback, then a near miss's band, then anything else with a hint; two
// hints give Moodle's interactive behaviour its tries. The vectors and the construction are
// embedded as SVG pictures. Its texts, and the decimal separator of its numbers, are those of the
// language of t. The options must be valid, as for ComponerHoja.
//
// The bank is one file when it fits in limite bytes, else numbered files, each within it, each
// with the category, an exercise's questions always in one of them.
std::vector<std::string> BancoDeMoodle(const OpcionesDeHoja& opciones,
                                       FormatoDeMoodle formato = FormatoDeMoodle::Cloze,
                                       diagram::Traductor t = diagram::EnEspanol,
                                       std::size_t limite = kLimiteDeArchivo);

// The name of file parte (from 1) of partes: the name given for one file, else the name with
// "-parte" before its extension: "tarea.xml", "tarea-2.xml".
std::string NombreDeParte(std::string_view ruta, std::size_t parte, std::size_t partes);

}  // namespace trazalia::practice
