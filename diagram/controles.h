// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace trazalia::diagram {

// What the diagram code sees of a method window: its scroll bars and its labels, by number.
// A window reads its scroll bars afresh at every use, so the domain asks for them through this
// interface rather than taking copies.
class Controles {
public:
    virtual ~Controles() = default;
    // Value of HScroll<n>.
    virtual int HScroll(int n) const = 0;
    // Writes the caption of Label<n>.
    virtual void Label(int n, std::string_view caption) = 0;
};

}  // namespace trazalia::diagram
