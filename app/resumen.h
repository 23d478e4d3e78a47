// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "practice/resumen.h"

namespace trazalia::app {

// Which names are one student's, for practice::Resumen: without spaces around, in Unicode NFC and
// case folded, so that "José" typed with a combining accent and "JOSÉ" are the same student.
std::string ClaveDeAlumno(std::string_view nombre);

// The class summary of practice::Resumen::Texto, line for line, in the language installed: the
// counts in their plural forms (Spanish's too, from its translation file), the mistakes' short
// names, and the unreadable lines' reasons as the records hold them.
std::string ResumenTraducido(const practice::Resumen& resumen);

}  // namespace trazalia::app
