// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "canvas/picture.h"

namespace trazalia::canvas {

// Writes the trace: one line per event, "SUBJECT WHAT", in the order things happen.
class TraceWriter {
public:
    explicit TraceWriter(std::ostream& out) : out_(out) {}

    // "SUBJECT WHAT", or the subject alone when there is nothing more to say ("End").
    void Write(std::string_view subject, std::string_view what = {});
    void Caption(std::string_view subject, std::string_view text);
    void Flush() { out_.flush(); }
    // Whether a write has failed.
    bool Failed() const { return out_.fail(); }

private:
    std::ostream& out_;
};

// Traces every operation of one picture under a subject such as "Form2.Picture1".
class PictureTrace final : public PictureListener {
public:
    PictureTrace(TraceWriter& writer, std::string subject)
        : writer_(writer), subject_(std::move(subject)) {}

    void Cleared() override;
    void DrawWidthSet(int width) override;
    void Drawn(const Op& op) override;

private:
    TraceWriter& writer_;
    std::string subject_;
};

}  // namespace trazalia::canvas
