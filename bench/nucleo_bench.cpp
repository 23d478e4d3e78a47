// SPDX-License-Identifier: GPL-3.0-or-later
// The core's events alone, timed by the same plain program built natively and to WebAssembly
// (make bench-web), so that the two medians compare like with like. Google Benchmark has no
// WebAssembly build, and its own statistics would differ from ours on one side only.
// Usage: nucleo_bench [MUESTRAS [EVENTO]]; writes one line per event (only EVENTO's, to profile
// it): name, tab, median in microseconds.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "session/ordenes.h"
#include "session/sesion.h"
#include "session/ventana_metodo.h"

namespace {

using namespace trazalia;

// The scenes every event starts from, as make bench's: general directions in every quadrant.
constexpr std::array<int, 4> kForm2{100, 60, 30, 120};
constexpr std::array<int, 6> kForm3{80, 60, 40, 30, 150, 260};
constexpr std::array<int, 6> kForm4{60, 40, 30, 150, 3, -2};
// Each event runs this long before it is timed: node and Chromium compile WebAssembly fast first,
// and well only once a function has run a while.
constexpr std::chrono::milliseconds kCalentamiento{500};
// A sample times as many events as fill this: a browser's clock counts in steps of 0.1 ms.
constexpr std::chrono::milliseconds kMuestra{5};

session::VentanaMetodo& Abierta(session::Sesion& sesion, const char* boton, const char* nombre,
                                const int* valores, int barras) {
    const session::Formulario form1 = *session::FormularioDe("Form1");
    if (const auto negativa =
            sesion.Ejecutar(session::comandos::Pulsar{form1, *session::ControlDe(form1, boton)})) {
        std::fprintf(stderr, "nucleo_bench: %s\n", negativa->guion.c_str());
        std::exit(1);
    }
    session::VentanaMetodo& v = *sesion.metodo(nombre);
    for (int n = 1; n <= barras; ++n) v.Mover(n, valores[n - 1]);
    return v;
}

// The median over samples of one event's mean time, in microseconds.
double Mediana(int muestras, const std::function<void()>& evento) {
    using Reloj = std::chrono::steady_clock;
    std::int64_t hechos = 0;
    for (const auto inicio = Reloj::now(); Reloj::now() - inicio < kCalentamiento; hechos += 100)
        for (int i = 0; i < 100; ++i) evento();
    const std::int64_t porMuestra =
        std::max<std::int64_t>(1, hechos * kMuestra.count() / kCalentamiento.count());
    std::vector<double> tiempos;
    for (int m = 0; m < muestras; ++m) {
        const auto inicio = Reloj::now();
        for (std::int64_t i = 0; i < porMuestra; ++i) evento();
        tiempos.push_back(std::chrono::duration<double, std::micro>(Reloj::now() - inicio).count() /
                          static_cast<double>(porMuestra));
    }
    const auto mitad = tiempos.begin() + static_cast<std::ptrdiff_t>(tiempos.size() / 2);
    std::nth_element(tiempos.begin(), mitad, tiempos.end());
    return *mitad;
}

}  // namespace

int main(int argc, char** argv) {
    const int muestras = argc > 1 ? std::atoi(argv[1]) : 201;
    if (muestras < 1) {
        std::fprintf(stderr, "Uso: nucleo_bench [MUESTRAS [EVENTO]]\n");
        return 2;
    }
    session::Sesion sesion;
    sesion.Iniciar();
    session::VentanaMetodo& form2 = Abierta(sesion, "Command1", "Form2", kForm2.data(), 4);
    form2.Pulsar(2);  // back to Form1, whose other button opens Form3
    session::VentanaMetodo& form3 = Abierta(sesion, "Command2", "Form3", kForm3.data(), 6);
    form3.Pulsar(1);  // back to Form1, whose added button opens Form4
    session::VentanaMetodo& form4 = Abierta(sesion, "Command4", "Form4", kForm4.data(), 6);

    // A bar's handler runs only on a change: the bar is set a step away silently first.
    const auto barra = [](session::VentanaMetodo& v, int n, int valor) {
        return [&v, n, valor] {
            v.Poner(n, valor - 1);
            v.Mover(n, valor);
        };
    };
    const std::vector<std::pair<const char*, std::function<void()>>> eventos{
        {"Form2 HScroll3", barra(form2, 3, kForm2[2])},
        {"Form2 Command1", [&form2] { form2.Pulsar(1); }},
        {"Form3 HScroll7=7", barra(form3, 7, 7)},
        {"Form4 HScroll5", barra(form4, 5, kForm4[4])},
        {"Form4 Command1", [&form4] { form4.Pulsar(1); }},
    };
    const std::string solo = argc > 2 ? argv[2] : "";
    for (const auto& [nombre, evento] : eventos)
        if (solo.empty() || solo == nombre)
            std::printf("%s\t%.3f\n", nombre, Mediana(muestras, evento));
    return 0;
}
