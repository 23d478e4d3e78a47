// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "diagram/traducible.h"
#include "practice/hoja.h"

namespace trazalia::practice {

// A question bank for Moodle's XML import: the worksheet's exercises for the same options (its
// paper and drawn vectors aside), each a Cloze question with two numerical blanks, r and α. Each
// blank takes the answer with practice's tolerance, then the value of each mistake that changes
// it, with the verdict's sentence as its feedback, then anything else with a hint. The vectors and
// the construction are embedded as SVG pictures. Its texts are in the language of t. The options
// must be valid, as for ComponerHoja.
std::string BancoDeMoodle(const OpcionesDeHoja& opciones,
                          diagram::Traductor t = diagram::EnEspanol);

}  // namespace trazalia::practice
