// SPDX-License-Identifier: GPL-3.0-or-later
// The registry of method windows: a new method is one line here, besides its own folder.
#include <array>

#include "combination/metodo.h"
#include "parallelogram/metodo.h"
#include "polygon/metodo.h"
#include "practice/metodo.h"

namespace trazalia::practice {

std::span<const Metodo* const> Metodos() {
    static const auto metodos =
        std::to_array({&parallelogram::ElMetodo(), &polygon::ElMetodo(), &combination::ElMetodo()});
    return metodos;
}

}  // namespace trazalia::practice
