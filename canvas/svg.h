// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "canvas/picture.h"

namespace trazalia::canvas {

// A standalone SVG document of the picture, looking as its QPainter replay does: the viewBox in
// twips, so every operation keeps its own numbers, and `escala` CSS pixels per logical pixel for
// its width and height. Plain C++, so that the browser and the question banks draw the same.
// Text keeps its colour, face, size and anchor; a Label's width is not enforced, since only the
// toolkit knows the font's widths.
std::string Svg(const Picture& picture, double escala = 1.0);

// The same drawing in far fewer bytes, for pictures embedded by the hundred (a question bank):
// whole twips, each run of strokes of one style one path of relative moves, each run of texts of
// one style one group, colours in three digits where they fit, no declaration and no attribute a
// renderer would take by default. A tenth of a CSS pixel at the escala of a bank is far below what
// a screen shows.
std::string SvgCompacto(const Picture& picture, double escala = 1.0);

// Text as XML character data (and an attribute's value): & < > " written as references, and the
// control characters XML refuses as spaces.
std::string EscaparXml(std::string_view texto);

}  // namespace trazalia::canvas
