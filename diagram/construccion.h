// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "diagram/marco.h"
#include "diagram/resultado.h"

namespace trazalia::diagram {

// A method window's domain as the core drives it: it reads the window's bars and writes its
// labels through Controles, and draws on the window's Picture1.
class Construccion {
public:
    virtual ~Construccion() = default;

    virtual void Form_Load() = 0;
    // The live redraw a change of a vector's bar runs.
    virtual Resultado Vectores() = 0;
    // What the window's own control that shows the resultant runs.
    virtual Resultado Revelar() = 0;

    // The resultant's direction in radians from the last computation; none for a zero resultant.
    virtual const std::optional<double>& anguloResultante() const = 0;
    // How the next events map units to twips, and the scale they keep instead of the one the
    // vectors give, if any (EscalaDelDibujo).
    virtual void setEscalado(Escalado e, std::optional<double> retenida = std::nullopt) = 0;
    // The scale the next event draws at with the bars as they are; 0 when it draws nothing.
    virtual double EscalaSiguiente() const = 0;
};

}  // namespace trazalia::diagram
