// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "practice/resumen.h"

namespace trazalia::app {

// The class summary of practice::Resumen::Texto, line for line, in the language installed: the
// counts in their plural forms, the mistakes' codes and the unreadable lines' reasons as the
// records hold them. For Spanish, Resumen::Texto itself.
std::string ResumenTraducido(const practice::Resumen& resumen);

}  // namespace trazalia::app
