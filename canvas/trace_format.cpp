// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/trace_format.h"

#include <array>

#include "canvas/numeros.h"

namespace trazalia::canvas {

std::string FormatNumber(float value) { return Corto(value); }

std::string FormatColor(Color color) {
    constexpr std::string_view kHex = "0123456789abcdef";
    std::string out = "#";
    for (const unsigned channel : {color.r, color.g, color.b}) {
        out += kHex[(channel >> 4) & 0xF];
        out += kHex[channel & 0xF];
    }
    return out;
}

std::string Quote(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '"':
            case '\\':
                out += '\\';
                out += c;
                break;
            default:
                out += c;
        }
    }
    out += '"';
    return out;
}

std::string_view AnchorName(Anchor anchor) {
    static constexpr std::array<std::string_view, 9> kNames{"nw", "n",  "ne", "w", "c",
                                                            "e",  "sw", "s",  "se"};
    return kNames.at(static_cast<std::size_t>(anchor));
}

namespace {

struct OpFormatter {
    std::string operator()(const LineOp& op) const {
        return "Line " + FormatNumber(op.from.x) + ' ' + FormatNumber(op.from.y) + ' ' +
               FormatNumber(op.to.x) + ' ' + FormatNumber(op.to.y) + ' ' +
               (op.color ? FormatColor(*op.color) : std::string("fore")) +
               (op.dashed ? " dashed" : "");
    }
    std::string operator()(const CircleOp& op) const {
        return "Circle " + FormatNumber(op.centre.x) + ' ' + FormatNumber(op.centre.y) + ' ' +
               FormatNumber(op.radius) + ' ' + FormatColor(op.color) + ' ' +
               FormatNumber(op.start) + ' ' + FormatNumber(op.end);
    }
    std::string operator()(const PrintOp& op) const { return "Print " + Quote(op.text); }
    std::string operator()(const TextOp& op) const {
        return "Text " + FormatNumber(op.at.x) + ' ' + FormatNumber(op.at.y) + ' ' +
               std::string(AnchorName(op.anchor)) + ' ' + FormatColor(op.color) + ' ' +
               Quote(op.text);
    }
    std::string operator()(const StrokeOp& op) const {
        return "Stroke " + FormatNumber(op.from.x) + ' ' + FormatNumber(op.from.y) + ' ' +
               FormatNumber(op.to.x) + ' ' + FormatNumber(op.to.y) + ' ' + FormatColor(op.color) +
               ' ' + FormatNumber(op.width);
    }
    std::string operator()(const ArcOp& op) const {
        return "Arc " + FormatNumber(op.centre.x) + ' ' + FormatNumber(op.centre.y) + ' ' +
               FormatNumber(op.radius) + ' ' + FormatColor(op.color) + ' ' +
               FormatNumber(op.start) + ' ' + FormatNumber(op.end) + ' ' + FormatNumber(op.width);
    }
    std::string operator()(const LabelOp& op) const {
        return "Label " + FormatNumber(op.at.x) + ' ' + FormatNumber(op.at.y) + ' ' +
               std::string(AnchorName(op.anchor)) + ' ' + FormatColor(op.color) + ' ' +
               FormatNumber(op.style.points) + (op.style.bold ? " bold " : " normal ") +
               FormatNumber(op.style.width) + ' ' + Quote(op.text);
    }
};

}  // namespace

std::string FormatOp(const Op& op) { return std::visit(OpFormatter{}, op); }

}  // namespace trazalia::canvas
