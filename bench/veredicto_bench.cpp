// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict on one guess, and the generator's exercises with what keeping every mistake apart
// costs: the draws refused per exercise accepted, by window and level.

#include <benchmark/benchmark.h>

#include <vector>

#include "practice/generador.h"
#include "practice/respuesta.h"
#include "practice/veredicto.h"

namespace {

using trazalia::practice::Ejercicio;
using trazalia::practice::Generador;
using trazalia::practice::Nivel;
using trazalia::practice::Ventana;


constexpr Nivel kNiveles[] = {Nivel::Facil, Nivel::Medio, Nivel::Dificil};

// A verdict on each mistake's value in turn, over a hundred exercises of the medium level.
void Veredicto(benchmark::State& state) {
    const Ventana ventana = trazalia::practice::Metodos()[static_cast<std::size_t>(state.range(0))];
    Generador generador(2024, Nivel::Medio, ventana);
    struct Caso {
        Ejercicio vectores;
        trazalia::practice::Intento intento;
    };
    std::vector<Caso> casos;
    for (int n = 0; n < 100; ++n) {
        const Ejercicio e = generador.Siguiente();
        const auto respuesta = trazalia::practice::RespuestaDe(ventana, e);
        for (const auto codigo : trazalia::practice::kErrores)
            for (const auto& o : trazalia::practice::Objetivos(codigo, ventana, e, respuesta))
                casos.push_back(
                    {e, {o.r.value_or(respuesta.r), o.direccion.value_or(*respuesta.direccion)}});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Caso& c = casos[i++ % casos.size()];
        benchmark::DoNotOptimize(trazalia::practice::Juzgar(ventana, c.vectores, c.intento));
    }
}
BENCHMARK(Veredicto)->DenseRange(0, 1)->ArgName("Form2_o_Form3")->Unit(benchmark::kMicrosecond);

// Exercises of one window and level; "rechazados" is the share of draws refused.
void Ejercicios(benchmark::State& state) {
    const Ventana ventana = trazalia::practice::Metodos()[static_cast<std::size_t>(state.range(0))];
    const Nivel nivel = kNiveles[state.range(1)];
    Generador generador(2024, nivel, ventana);
    long ejercicios = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(generador.Siguiente());
        ++ejercicios;
    }
    state.counters["rechazados"] =
        1 - static_cast<double>(ejercicios - generador.reservas()) / generador.sorteos();
    state.counters["reservas"] = static_cast<double>(generador.reservas());
}
BENCHMARK(Ejercicios)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"Form2_o_Form3", "nivel"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
