// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "diagram/arrastre.h"
#include "diagram/resultado.h"
#include "session/capa.h"

namespace trazalia::session {

class VentanaMetodo;

// A vector's tip grabbed on Picture1 and moved: each position sets the vector's bars, whose
// handlers redraw as for any change. While a tip is held the picture keeps its scale.
class Arrastre final : public Capa {
public:
    explicit Arrastre(VentanaMetodo& ventana) : ventana_(ventana) {}
    // In twips of Picture1; reach in twips. Presionar grabs the tip within reach, if any.
    bool Presionar(diagram::Punto p, double alcance);
    void Mover(diagram::Punto p, bool ajustar);
    void Soltar();
    // Lets go without a word or a redraw: what comes next draws the picture anew.
    void Dejar() { vector_.reset(); }
    std::optional<int> vector() const { return vector_; }

    std::string Dibujado(canvas::Canvas&, const diagram::Resultado&) override { return {}; }
    std::optional<double> EscalaRetenida() const override {
        return vector_ ? std::optional(escala_.Escala) : std::nullopt;
    }

private:
    VentanaMetodo& ventana_;
    std::optional<int> vector_;
    diagram::EscalaDelArrastre escala_;
};

}  // namespace trazalia::session
