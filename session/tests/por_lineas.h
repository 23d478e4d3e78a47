// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "practice/registro.h"
#include "session/guion.h"
#include "session/observador.h"
#include "session/sesion.h"

namespace trazalia::session::pruebas {

// A script's line run through the command it names, as a face gives it; its error, or empty.
inline std::string Ejecutar(Sesion& s, const std::string& linea) {
    const std::vector<std::string_view> w = Palabras(linea);
    if (w[0] == "click") return s.Pulsar(w[1]);
    if (w[0] == "set") return s.Mover(w[1], w[2]);
    if (w[0] == "key") return s.Teclas(w[1], {w.begin() + 2, w.end()});
    if (w[0] == "guess") return s.Adivinar(w[1], w[2], w[3]);
    if (w[0] == "write") return s.Escribir(w[1], w[2]);
    if (w[0] == "undo") return s.Deshacer(w[1]);
    if (w[0] == "level") return s.Nivel(w[1], w[2], 3);
    if (w[0] == "practice")
        return s.Practicar(w[1], w[2], w.size() > 3 ? w[3] : "", w.size() > 4 ? w[4] : "");
    return "no such line: " + linea;
}

// Every entry practice leaves for the record, in order.
class Asientos final : public Observador {
public:
    void Anotado(std::string_view, const practice::Asiento& asiento) override {
        asientos.push_back(asiento);
    }
    std::vector<practice::Asiento> asientos;
};

}  // namespace trazalia::session::pruebas
