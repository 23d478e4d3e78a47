// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "diagram/controles.h"

namespace trazalia::diagram {

// Scroll bars and labels of a method window, for tests without Qt. Captions are recorded in the
// order they are written.
class ControlesDePrueba final : public Controles {
public:
    int HScroll(int n) const override {
        auto it = barras.find(n);
        return it == barras.end() ? 0 : it->second;
    }
    void Label(int n, std::string_view caption) override {
        escritos.emplace_back(n, std::string(caption));
    }

    std::map<int, int> barras;
    std::vector<std::pair<int, std::string>> escritos;
};

}  // namespace trazalia::diagram
