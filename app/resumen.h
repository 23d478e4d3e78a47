// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace trazalia::app {

// Which names are one student's, for practice::Resumen: without spaces around, in Unicode NFC and
// case folded, so that "José" typed with a combining accent and "JOSÉ" are the same student.
std::string ClaveDeAlumno(std::string_view nombre);

}  // namespace trazalia::app
