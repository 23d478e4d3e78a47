// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "canvas/canvas.h"
#include "diagram/construccion.h"
#include "diagram/controles.h"
#include "diagram/marco.h"
#include "diagram/resultado.h"

namespace trazalia::parallelogram {

// The values of one computation, discarded when the event ends. Tips are in twips of the
// drawing area (y downward), in double precision until they are drawn.
struct Calculo {
    double r = 0;       // magnitude of the resultant
    double Escala = 0;  // drawn at: from the largest of m1, m2 and r (EscalaDelDibujo)
    diagram::Punto P1;  // tip of vector 1
    diagram::Punto P2;  // tip of vector 2
    diagram::Punto PR;  // tip of the resultant
    double V1x = 0, V1y = 0, V2x = 0, V2y = 0, Rx = 0, Ry = 0;  // components
};

// The window Form2 without its toolkit: two vectors from HScroll1..HScroll4 (m1, m2, d1, d2),
// drawn on Picture1 over adaptive axes, and the parallelogram construction on request.
class Paralelogramo final : public diagram::Construccion {
public:
    Paralelogramo(diagram::Controles& form, canvas::Canvas& Picture1)
        : form_(form), Picture1_(Picture1) {}

    void Form_Load() override;
    diagram::Resultado Vectores() override { return HScroll_Change(); }
    diagram::Resultado Revelar() override { return Command1_Click(); }
    // The live redraw: the body of HScroll1_Change … HScroll4_Change.
    diagram::Resultado HScroll_Change();
    // The live redraw, then the sides, the resultant and its read-outs.
    diagram::Resultado Command1_Click();

    // Computes the vectors, the resultant and the scale, and writes AnguloResultante. Nothing when
    // the scale is 0 (both magnitudes 0): there is no tip to compute.
    std::optional<Calculo> CalcularResultante();
    // Clears Picture1 and draws the axes and both vectors of that computation.
    void DibujarEscena(const Calculo& calculo);

    // The resultant's direction in radians from the last computation; none for a zero resultant.
    const std::optional<double>& anguloResultante() const override { return AnguloResultante; }
    // How the next events map units to twips, and the scale they keep instead of the one the
    // vectors give, if any (diagram::EscalaDelDibujo).
    void setEscalado(diagram::Escalado e, std::optional<double> retenida = std::nullopt) override {
        escalado_ = e;
        retenida_ = retenida;
    }
    // The scale the next event draws at with the bars as they are; 0 when it draws nothing.
    double EscalaSiguiente() const override;

private:
    void Lecturas();
    // What an event with this computation (if any) did.
    diagram::Resultado Resultado(const std::optional<Calculo>& calculo, bool resultante) const;

    diagram::Controles& form_;
    canvas::Canvas& Picture1_;
    // Set when the window loads: arrows drawn before that take no turn.
    double Pi = 0;
    std::optional<double> AnguloResultante;
    diagram::Escalado escalado_ = diagram::Escalado::Adaptativa;
    std::optional<double> retenida_;
};

}  // namespace trazalia::parallelogram
