// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "canvas/canvas.h"
#include "diagram/resultado.h"

namespace trazalia::session {

// What draws over a method window's picture after its diagram and views (practice's guess and
// verdict), or holds the picture's scale for a while (a dragged tip).
class Capa {
public:
    virtual ~Capa() = default;
    // After every redraw, over everything drawn so far; returns what screen readers are to be
    // told with a new resultant, empty for nothing.
    virtual std::string Dibujado(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) = 0;
    // What the layer shows of itself, for screen readers; empty for nothing.
    virtual std::string Descripcion() const { return {}; }
    // The scale the next picture is to keep; the first layer that holds one wins.
    virtual std::optional<double> EscalaRetenida() const { return std::nullopt; }
    // Where no layer holds the scale: the length the next picture's scale is to reach at least,
    // so that what the layer draws fits beside the figure.
    virtual std::optional<double> EscalaMinima() const { return std::nullopt; }
};

}  // namespace trazalia::session
