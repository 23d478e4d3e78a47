// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "diagram/traducible.h"

namespace trazalia::web {

// The question bank --moodle writes for the worksheet's options (one a line, as HojaComoJson
// takes them; the paper and the drawn vectors are the sheet's alone), as JSON: {"error": why
// not, or "", "xml": the file's text}.
std::string MoodleComoJson(std::string_view opciones, std::uint32_t relojDeSemilla,
                           diagram::Traductor traductor);

}  // namespace trazalia::web
