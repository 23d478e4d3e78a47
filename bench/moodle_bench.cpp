// SPDX-License-Identifier: GPL-3.0-or-later
// A question bank of 200 exercises, each with its two SVG pictures embedded, written to a string:
// the most the command line and the dialog write at once. It must stay well under a second.

#include <benchmark/benchmark.h>

#include "practice/moodle.h"

namespace {

void BancoDe200(benchmark::State& state) {
    trazalia::practice::OpcionesDeHoja opciones;
    opciones.ejercicios = trazalia::practice::OpcionesDeHoja::kMaximoDeEjercicios;
    opciones.semilla = 2026;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string banco = trazalia::practice::BancoDeMoodle(opciones);
        bytes = banco.size();
        benchmark::DoNotOptimize(banco.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BancoDe200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
