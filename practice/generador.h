// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "practice/ejercicio.h"

namespace trazalia::practice {

// A seeded sequence of exercises for one window at one level. The same seed, level and window give
// the same exercises on every machine: std::mt19937's sequence is fixed by the C++ standard, and
// its 32-bit outputs are mapped to values here, not by a standard distribution (whose output each
// library may choose).
//
// Each exercise draws, vector by vector, a magnitude then a direction, each with one output of the
// engine, then the coefficients its window draws (Metodo::SortearCoeficientes) from the same
// sequence. A draw that is not Aceptable is drawn again, at most kSorteos times; should every draw
// fail, the exercise is the method's reserva(), which every level allows. So an exercise always
// comes out acceptable.
class Generador {
public:
    Generador(std::uint32_t semilla, Nivel nivel, Ventana ventana);

    Ejercicio Siguiente();
    // The next exercise for that window, from the same sequence.
    Ejercicio Siguiente(Ventana ventana);
    // The next exercise for that window with coefficients of that kind
    // (Metodo::SortearCoeficientesDeTipo); Cualesquiera is Siguiente(ventana).
    Ejercicio Siguiente(Ventana ventana, TipoDeCoeficientes tipo);

    static constexpr int kSorteos = 250;

    // How many draws the exercises so far took, and how many of them fell back on
    // EjercicioDeReserva: what the rules of Aceptable cost.
    long sorteos() const { return sorteos_; }
    long reservas() const { return reservas_; }

private:
    // An index from 0 to n - 1: the output scaled to n (off by at most n / 2^32 from uniform).
    int Indice(int n);
    diagram::Entrada Vector();

    std::mt19937 motor_;
    Nivel nivel_;
    Ventana ventana_;
    long sorteos_ = 0;
    long reservas_ = 0;
};

// Whether an exercise may be set: every vector at least 10 units, a resultant of at least 10, a
// worksheet's frame that holds it with every arrow at least 1.5 cm long (EscalaDeHoja), and
// every mistake kept apart from the right answer and from every other mistake (SeDistinguen).
bool Aceptable(Ventana ventana, const Ejercicio& vectores);

// A worksheet's exercises. With one method they are that window's practice exercises for the same
// seed and level, in order. With several they alternate in the registry's order, all drawn in
// turn from one sequence of the seed: the first is the first method's first practice exercise,
// and each later one is drawn afresh, sharing no draw with its neighbours.
std::vector<EjercicioDeHoja> EjerciciosDeHoja(std::uint32_t semilla, Nivel nivel,
                                              Seleccion seleccion, int cantidad);

}  // namespace trazalia::practice
