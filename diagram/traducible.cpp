// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/traducible.h"

namespace trazalia::diagram {

namespace {

bool EnPalabra(char c) { return std::string_view(" ,.;:()%/").find(c) == std::string_view::npos; }

}  // namespace

std::string EnEspanol(const char*, const char* texto, int cuenta) {
    if (cuenta < 0) return texto;
    // A counted text's marks, read as Spanish: "%n intento(s)" and "%n vez/veces" give
    // "1 intento", "3 intentos", "1 vez", "3 veces".
    const std::string_view t = texto;
    const bool uno = cuenta == 1;
    std::string s;
    for (std::size_t i = 0; i < t.size();) {
        if (t.substr(i).starts_with("%n")) {
            s += std::to_string(cuenta);
            i += 2;
        } else if (const std::size_t fin = t.find(')', i);
                   t[i] == '(' && i > 0 && EnPalabra(t[i - 1]) && fin != std::string_view::npos) {
            if (!uno) s += t.substr(i + 1, fin - i - 1);
            i = fin + 1;
        } else if (t[i] == '/' && i > 0 && EnPalabra(t[i - 1])) {
            std::size_t fin = i + 1;
            while (fin < t.size() && EnPalabra(t[fin])) ++fin;
            if (!uno) {
                while (!s.empty() && EnPalabra(s.back())) s.pop_back();
                s += t.substr(i + 1, fin - i - 1);
            }
            i = fin;
        } else {
            s += t[i++];
        }
    }
    return s;
}

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
