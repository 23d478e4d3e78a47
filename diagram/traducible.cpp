// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/traducible.h"

namespace trazalia::diagram {

std::string EnEspanol(const char*, const char* texto, int) { return texto; }

std::string Sustituir(std::string_view plantilla, std::initializer_list<std::string_view> args) {
    std::string texto;
    texto.reserve(plantilla.size());
    for (std::size_t i = 0; i < plantilla.size(); ++i) {
        const char c = plantilla[i];
        if (c == '%' && i + 1 < plantilla.size() && plantilla[i + 1] >= '1' &&
            plantilla[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(plantilla[i + 1] - '1');
            if (n < args.size()) {
                texto += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        texto += c;
    }
    return texto;
}

}  // namespace trazalia::diagram
