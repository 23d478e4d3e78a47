// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict on one guess, and the generator's exercises with what keeping every mistake apart
// costs: the draws refused per exercise accepted, by window and level.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "practice/generador.h"
#include "practice/respuesta.h"
#include "practice/veredicto.h"

namespace {

using trazalia::practice::Ejercicio;
using trazalia::practice::Generador;
using trazalia::practice::Nivel;
using trazalia::practice::Ventana;

// A verdict on each mistake's value in turn, over a hundred exercises of the medium level.
void Veredicto(benchmark::State& state, Ventana ventana) {
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

// Exercises of one window and level; "rechazados" is the share of draws refused.
void Ejercicios(benchmark::State& state, Ventana ventana) {
    const Nivel nivel = trazalia::practice::kNiveles[static_cast<std::size_t>(state.range(0))];
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
}  // namespace

// Every method with practice in the registry, by its window's name.
int main(int argc, char** argv) {
    for (const Ventana ventana : trazalia::practice::Metodos()) {
        if (!ventana->practica()) continue;
        const std::string nombre(ventana->ventana());
        benchmark::RegisterBenchmark(("Veredicto/" + nombre).c_str(), Veredicto, ventana)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Ejercicios/" + nombre).c_str(), Ejercicios, ventana)
            ->DenseRange(0, 2)
            ->ArgName("nivel")
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
