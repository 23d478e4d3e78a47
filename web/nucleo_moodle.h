// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "diagram/traducible.h"

namespace trazalia::web {

// The question bank --moodle writes for the worksheet's options and --moodle-formato (one a line,
// as HojaComoJson takes them, without the paper and the drawn vectors, which are the sheet's
// alone), in the page's language, as JSON: {"error": why not, in that language, or "",
// "archivos": the text of each file, one unless the bank needs numbered files}.
std::string MoodleComoJson(std::string_view opciones, std::uint32_t relojDeSemilla,
                           diagram::Traductor traductor);

}  // namespace trazalia::web
