// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "canvas/picture.h"

namespace trazalia::canvas {

// The shortest decimal text that reads back to the same float ("3500", "6.26575", "-5e-08").
std::string FormatNumber(float value);

// "#rrggbb" in lower-case hex.
std::string FormatColor(Color color);

// The text in double quotes on one line: newline, carriage return and tab as \n, \r and \t,
// and " and \ escaped by a backslash.
std::string Quote(std::string_view text);

// "nw", "n", "ne", "w", "c", "e", "sw", "s" or "se".
std::string_view AnchorName(Anchor anchor);

// One operation as a trace line without its subject: "Line 3500 300 3500 5700 fore",
// "Circle 6590 3000 60 #ff0000 4.7124 1.5708", "Print \"100.00\"", "Line 3500 3000 4000 3000
// #ff0000 dashed", "Text 3560 2500 sw #ff0000 \"A\"", and for pages printed to measure, widths
// in twips and a text's points, weight and widest: "Stroke 850 1757 11055 1757 #000000 15",
// "Arc 6590 3000 80 #ff0000 -1.5708 1.5708 30", "Label 850 850 nw #000000 14 bold 8504 \"T\"".
std::string FormatOp(const Op& op);

}  // namespace trazalia::canvas
