// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/pulsacion.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "diagram/arrastre.h"

namespace trazalia::practice {

Pulsacion QueEmpieza(const diagram::Resultado& dibujo, diagram::Punto p, double ancho, double alto,
                     bool pendiente, double alcance) {
    if (!pendiente) {
        const std::optional<int> punta = diagram::PuntaAlAlcance(dibujo, p, alcance);
        return punta ? Pulsacion{Gesto::Punta, *punta} : Pulsacion{};
    }
    if (std::hypot(p.x - ancho / 2, p.y - alto / 2) <= kAgarreDelIntento) return {Gesto::Intento};
    // Wherever a drag would grab a tip, at any zoom, the exercise's tip holds still.
    if (diagram::PuntaAlAlcance(dibujo, p, std::max(alcance, kAgarreDelIntento)))
        return {Gesto::Rehusado};
    return {};
}

}  // namespace trazalia::practice
