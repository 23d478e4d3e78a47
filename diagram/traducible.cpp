// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/traducible.h"

namespace trazalia::diagram {

std::string EnEspanol(const char*, const char* texto, int) { return texto; }

std::string Sustituir(std::string_view plantilla, std::initializer_list<std::string_view> args) {
    std::string texto;
    texto.reserve(plantilla.size() + 16);
    // The text between markers goes in whole: a character at a time is slow where strings are
    // short-buffered (WebAssembly's C++ library).
    std::size_t desde = 0;
    for (std::size_t i = plantilla.find('%'); i != std::string_view::npos;
         i = plantilla.find('%', i + 1)) {
        if (i + 1 >= plantilla.size() || plantilla[i + 1] < '1' || plantilla[i + 1] > '9') continue;
        const auto n = static_cast<std::size_t>(plantilla[i + 1] - '1');
        if (n >= args.size()) continue;
        texto.append(plantilla, desde, i - desde);
        texto += *(args.begin() + n);
        desde = i + 2;
        ++i;
    }
    texto.append(plantilla, desde);
    return texto;
}

}  // namespace trazalia::diagram
