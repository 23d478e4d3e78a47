// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "practice/respuesta.h"

namespace trazalia::practice {

// A worksheet's frame, in which each exercise is drawn at a true scale: its size in centimetres.
inline constexpr int kAnchoDelCuadro = 12;
inline constexpr int kAltoDelCuadro = 8;

// The scale of an exercise's frame, in units per centimetre: the largest drawing in which the
// whole construction fits the frame around its centre, half a centimetre from its edges, and
// every vector and the resultant is at least a centimetre and a half long, to be drawn and measured
// with a ruler and a protractor. Nothing where no scale does.
// The origin stands at the centre of every frame, so that its place tells nothing of the answer.
// The terms are laid head to tail from the origin; the vectors drawn from it as well
// (Respuesta::vectores), where they are not the terms themselves, must fit and be long enough too.
std::optional<int> EscalaDeHoja(const std::vector<Componentes>& componentes,
                                const std::vector<Componentes>& desdeElOrigen = {});

}  // namespace trazalia::practice
