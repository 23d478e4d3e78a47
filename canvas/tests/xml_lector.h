// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <expat.h>

#include <algorithm>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Tests read the documents the program writes with expat, a parser of their own, into a tree.
namespace trazalia::pruebas {

struct Nodo {
    std::string nombre;
    std::map<std::string, std::string> atributos;
    std::string texto;  // the character data directly inside, CDATA sections included
    std::vector<Nodo> hijos;

    std::vector<const Nodo*> Hijos(std::string_view n) const {
        std::vector<const Nodo*> v;
        for (const Nodo& h : hijos)
            if (h.nombre == n) v.push_back(&h);
        return v;
    }
    const Nodo* Hijo(std::string_view n) const {
        const auto v = Hijos(n);
        return v.size() == 1 ? v[0] : nullptr;
    }
    std::string Atributo(const std::string& a) const {
        const auto it = atributos.find(a);
        return it == atributos.end() ? std::string() : it->second;
    }
};

// Which pieces of character data a reader keeps (expat hands them over as it finds them).
using Conservar = bool (*)(std::string_view pieza);
inline bool Todas(std::string_view) { return true; }

// The document's root, or nothing where expat finds it not well-formed. The document is fed in
// pieces of trozo bytes, as a reader that reads a file in pieces does, and each piece of character
// data that conservar refuses is dropped.
inline std::optional<Nodo> LeerXml(std::string_view documento, Conservar conservar = Todas,
                                   std::size_t trozo = std::string_view::npos) {
    struct Estado {
        Nodo raiz;
        std::vector<Nodo*> pila;
        Conservar conservar;
    } estado{{}, {}, conservar};
    estado.pila.push_back(&estado.raiz);
    XML_Parser p = XML_ParserCreate("UTF-8");
    XML_SetUserData(p, &estado);
    XML_SetElementHandler(
        p,
        [](void* d, const XML_Char* nombre, const XML_Char** atributos) {
            auto& e = *static_cast<Estado*>(d);
            Nodo& hijo = e.pila.back()->hijos.emplace_back();
            hijo.nombre = nombre;
            for (int i = 0; atributos[i]; i += 2) hijo.atributos[atributos[i]] = atributos[i + 1];
            e.pila.push_back(&hijo);
        },
        [](void* d, const XML_Char*) { static_cast<Estado*>(d)->pila.pop_back(); });
    XML_SetCharacterDataHandler(p, [](void* d, const XML_Char* s, int n) {
        auto& e = *static_cast<Estado*>(d);
        const std::string_view pieza(s, static_cast<std::size_t>(n));
        if (e.conservar(pieza)) e.pila.back()->texto.append(pieza);
    });
    bool bien = true;
    for (std::size_t i = 0;; i += trozo) {
        const std::size_t desde = std::min(i, documento.size());
        const bool ultimo = trozo >= documento.size() - desde;
        const std::string_view parte = documento.substr(desde, trozo);
        bien = XML_Parse(p, parte.data(), static_cast<int>(parte.size()), ultimo) == XML_STATUS_OK;
        if (!bien || ultimo) break;
    }
    XML_ParserFree(p);
    if (!bien || estado.raiz.hijos.size() != 1) return std::nullopt;
    return std::move(estado.raiz.hijos[0]);
}

}  // namespace trazalia::pruebas
