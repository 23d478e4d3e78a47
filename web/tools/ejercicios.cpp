// SPDX-License-Identifier: GPL-3.0-or-later
// Every exercise a range of seeds gives, in every window and level, with the answer its window
// shows: built natively and in WebAssembly, so that a test sees both draw the same.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "practice/generador.h"
#include "practice/respuesta.h"

int main(int argc, char** argv) {
    using namespace trazalia::practice;
    if (argc != 3) {
        std::fputs("Uso: ejercicios SEMILLAS EJERCICIOS\n", stderr);
        return 2;
    }
    const long semillas = std::strtol(argv[1], nullptr, 10);
    const long cuantos = std::strtol(argv[2], nullptr, 10);
    for (const Ventana ventana : Metodos())
        if (ventana->practica())
            for (const Nivel nivel : kNiveles)
                for (long semilla = 0; semilla < semillas; ++semilla) {
                    Generador generador(static_cast<std::uint32_t>(semilla), nivel, ventana);
                    for (long n = 0; n < cuantos; ++n) {
                        std::string linea = std::string(Nombre(ventana)) + ' ' +
                                            std::string(Nombre(nivel)) + ' ' +
                                            std::to_string(semilla) + ':';
                        const Ejercicio e = generador.Siguiente();
                        for (const auto& v : e)
                            linea += ' ' + std::to_string(v.m) + ' ' + std::to_string(v.d);
                        // Form4's coefficients, in halves; the other windows' lines have none.
                        if (!e.coeficientes.empty()) linea += " k";
                        for (const int k : e.coeficientes) linea += ' ' + std::to_string(k);
                        const Respuesta r = RespuestaDe(ventana, e);
                        linea += " = " + r.lecturaR + ' ' + r.lecturaDireccion + '\n';
                        if (std::fputs(linea.c_str(), stdout) == EOF) return 1;
                    }
                }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
