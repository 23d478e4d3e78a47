// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace trazalia::bench {

inline double Mediana(std::vector<double> v) {
    if (v.empty()) return 0;
    const auto mitad = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mitad, v.end());
    return *mitad;
}

// One iteration is a pair: the complete work, then its floor, in turn first and second, so that a
// noisy machine slows both alike. Counters: the median of each in Unidad ("completo_us",
// "suelo_us" for microseconds), and the median of the pairs' ratios ("razon").
template <class Unidad, class Completo, class Suelo>
void Pares(benchmark::State& state, const std::string& sufijo, Completo&& completo,
           Suelo&& suelo) {
    using Reloj = std::chrono::steady_clock;
    const auto medir = [](auto&& hacer) {
        const auto inicio = Reloj::now();
        hacer();
        return std::chrono::duration<double, Unidad>(Reloj::now() - inicio).count();
    };
    std::vector<double> completos, suelos, razones;
    for (auto _ : state) {
        const bool primero = completos.size() % 2 == 0;
        const double f = primero ? 0 : medir(suelo);
        const double c = medir(completo);
        const double s = primero ? medir(suelo) : f;
        completos.push_back(c);
        suelos.push_back(s);
        razones.push_back(c / s);
    }
    state.counters["completo_" + sufijo] = Mediana(completos);
    state.counters["suelo_" + sufijo] = Mediana(suelos);
    state.counters["razon"] = Mediana(razones);
}

}  // namespace trazalia::bench
