// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/trace_writer.h"

#include "canvas/trace_format.h"

namespace trazalia::canvas {

void TraceWriter::Write(std::string_view subject, std::string_view what) {
    out_ << subject;
    if (!what.empty()) out_ << ' ' << what;
    out_ << '\n';
}

void TraceWriter::Caption(std::string_view subject, std::string_view text) {
    Write(subject, "Caption " + Quote(text));
}

void PictureTrace::Cleared() { writer_.Write(subject_, "Cls"); }

void PictureTrace::DrawWidthSet(int width) {
    writer_.Write(subject_, "DrawWidth " + std::to_string(width));
}

void PictureTrace::Drawn(const Op& op) { writer_.Write(subject_, FormatOp(op)); }

}  // namespace trazalia::canvas
