// SPDX-License-Identifier: GPL-3.0-or-later
// A question bank of 200 exercises, each with its two SVG pictures embedded, written to strings:
// the most the command line, the dialog and the page write at once, in each format. It must stay
// well under a second; its counters give its size, which Moodle's import takes in files of at
// most 2 MB.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "practice/moodle.h"

namespace {

using trazalia::practice::FormatoDeMoodle;

void BancoDe200(benchmark::State& state) {
    const auto formato = static_cast<FormatoDeMoodle>(state.range(0));
    trazalia::practice::OpcionesDeHoja opciones;
    opciones.ejercicios = trazalia::practice::OpcionesDeHoja::kMaximoDeEjercicios;
    opciones.semilla = 2026;
    std::vector<std::string> banco;
    for (auto _ : state) {
        banco = trazalia::practice::BancoDeMoodle(opciones, formato);
        benchmark::DoNotOptimize(banco.data());
    }
    std::size_t bytes = 0, mayor = 0;
    for (const std::string& archivo : banco) {
        bytes += archivo.size();
        mayor = std::max(mayor, archivo.size());
    }
    state.SetLabel(std::string(trazalia::practice::Nombre(formato)));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["archivos"] = static_cast<double>(banco.size());
    state.counters["MB_mayor"] = static_cast<double>(mayor) / 1e6;
    state.counters["kB_por_ejercicio"] = static_cast<double>(bytes) / 1e3 / opciones.ejercicios;
}
BENCHMARK(BancoDe200)
    ->ArgName("formato")
    ->Arg(static_cast<int>(FormatoDeMoodle::Cloze))
    ->Arg(static_cast<int>(FormatoDeMoodle::Numerico))
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
