// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "practice/registro.h"
#include "session/guion.h"
#include "session/observador.h"
#include "session/sesion.h"

namespace trazalia::session::pruebas {

// A script's line read and run as the runner does, or a face's command the script language
// lacks (write WINDOW.CONTROL TEXT, level WINDOW LEVEL); the refusal, if any.
inline std::optional<errores::Negativa> Negado(Sesion& s, const std::string& linea) {
    const std::vector<std::string_view> w = Palabras(linea);
    if (w[0] == "write" || w[0] == "level") {
        const std::string_view ventana = w[1].substr(0, w[1].find('.'));
        const Formulario f = *FormularioDe(ventana);
        if (w[0] == "level")
            return s.Ejecutar(comandos::ElegirNivel{f, *practice::NivelDeNombre(w[2]), 3});
        const std::size_t control = *ControlDe(f, w[1].substr(w[1].find('.') + 1));
        return s.Ejecutar(comandos::Escribir{f, control, std::string(w[2])});
    }
    return Correr(s, *BuscarOrden(w[0]), w);
}
// The same, as a script hears it: its error, or empty.
inline std::string Ejecutar(Sesion& s, const std::string& linea) {
    const std::optional<errores::Negativa> negativa = Negado(s, linea);
    return negativa ? negativa->guion : std::string();
}

// The steps undo, and redo, would take back in that window.
inline std::size_t Deshechos(const Sesion& s, std::string_view ventana) {
    return s.historia(*FormularioDe(ventana)).deshechos();
}

// The pointer on a window's picture, as a face gives it; a press answers what it started.
inline practice::Gesto Presionar(Sesion& s, std::string_view ventana, diagram::Punto p,
                                 double alcance) {
    s.Ejecutar(comandos::Presionar{*FormularioDe(ventana), p, alcance});
    return s.pulsacion();
}
inline void MoverPuntero(Sesion& s, std::string_view ventana, diagram::Punto p) {
    s.Ejecutar(comandos::MoverPuntero{*FormularioDe(ventana), p, false});
}
inline void SoltarPuntero(Sesion& s, std::string_view ventana, diagram::Punto p) {
    s.Ejecutar(comandos::SoltarPuntero{*FormularioDe(ventana), p, false});
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
