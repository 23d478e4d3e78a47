// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "session/guion.h"

namespace trazalia::session {
namespace {

// The arguments of a request line, unquoted; an escape belongs to its argument.
std::vector<std::string> Argumentos(std::string_view resto) {
    std::vector<std::string> args;
    std::size_t i = 0;
    while (i < resto.size()) {
        if (resto[i] == ' ') {
            ++i;
            continue;
        }
        const bool comillas = resto[i] == '"';
        if (comillas) ++i;
        std::string arg;
        while (i < resto.size() && (comillas ? resto[i] != '"' : resto[i] != ' ')) {
            if (resto[i] == '\\' && i + 1 < resto.size()) arg += resto[i++];
            arg += resto[i++];
        }
        if (comillas) ++i;
        args.push_back(arg);
    }
    return args;
}

// What a request line prints: the alternating macros (.BI, .RB, …) join their arguments, the
// others (.B, .SH) put a space between them; font changes print nothing.
std::string Texto(std::string_view linea) {
    const std::size_t espacio = std::min(linea.find(' '), linea.size());
    const std::string_view macro = linea.substr(1, espacio - 1);
    const bool alterna = macro.size() == 2 && macro.find_first_not_of("BIR") == std::string::npos;
    std::string junto;
    for (const std::string& arg : Argumentos(linea.substr(espacio))) {
        if (!junto.empty() && !alterna) junto += ' ';
        junto += arg;
    }
    std::string texto;
    for (std::size_t i = 0; i < junto.size(); ++i) {
        if (junto[i] != '\\' || i + 1 == junto.size()) {
            texto += junto[i];
        } else if (junto[++i] == 'f') {
            ++i;
        } else if (junto[i] != '&') {
            texto += junto[i];  // "\ " and "\-"
        }
    }
    return texto;
}

// The tag of every entry in the section on scripts: each is one form of a command.
std::set<std::string> Documentadas(const char* ruta) {
    std::ifstream manual(ruta);
    std::set<std::string> entradas;
    std::string linea;
    bool seccion = false;
    bool etiqueta = false;
    while (std::getline(manual, linea)) {
        if (linea.starts_with(".SH")) seccion = Texto(linea) == "MODO GUION";
        if (seccion && etiqueta) entradas.insert(Texto(linea));
        etiqueta = linea == ".TP";
    }
    return entradas;
}

TEST(OrdenesTest, TheManualDocumentsEveryFormOfEveryCommandAndNoOther) {
    std::set<std::string> formas;
    for (const Orden& orden : Ordenes()) {
        std::string_view uso = orden.uso;
        for (std::size_t o = uso.find(" | "); o != std::string_view::npos; o = uso.find(" | ")) {
            formas.emplace(uso.substr(0, o));
            uso.remove_prefix(o + 3);
        }
        formas.emplace(uso);
    }
    EXPECT_EQ(Documentadas(TRAZALIA_MANUAL), formas);
}

}  // namespace
}  // namespace trazalia::session
