// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "diagram/resultado.h"
#include "diagram/traducible.h"
#include "diagram/vistas.h"

namespace trazalia::diagram {

// What a picture shows, for screen readers: "Paso 2 de 7: los vectores 1, 3, 2, punta con cola.
// Vector 1: 30 a 0°. … Resultante: 87.18 a 36.59°. Con cuadrícula. Escala 100.00."
std::string Descripcion(const Resultado& dibujo, const Vistas& vistas, Traductor trad = EnEspanol);

// What screen readers are told when a redraw shows a resultant: "Paso 2. Resultante: magnitud
// 87.18, dirección 36.59°."
std::string Anuncio(const Resultado& dibujo, Traductor trad = EnEspanol);

}  // namespace trazalia::diagram
