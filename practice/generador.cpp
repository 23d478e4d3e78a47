// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/generador.h"

#include <array>

#include "diagram/constantes.h"
#include "practice/cuadro.h"
#include "practice/respuesta.h"
#include "practice/veredicto.h"

namespace trazalia::practice {

namespace {

// The easy level's directions: the multiples of 30° and of 45° within a turn.
constexpr std::array<int, 16> kDireccionesFaciles{0,   30,  45,  60,  90,  120, 135, 150,
                                                  180, 210, 225, 240, 270, 300, 315, 330};

// Magnitudes are minima, minima + paso, … up to the bars' largest.
struct Magnitudes {
    int minima;
    int paso;
    int cuantas() const { return (diagram::kModuloMaximo - minima) / paso + 1; }
};

// Shorter vectors are hard to draw and to measure, and leaving one out changes the resultant
// too little to be told from the right answer.
constexpr int kModuloMinimo = 10;
constexpr double kResultanteMinima = 10;

Magnitudes MagnitudesDe(Nivel nivel) {
    switch (nivel) {
        case Nivel::Facil:
            return {kModuloMinimo, 10};
        case Nivel::Medio:
            return {kModuloMinimo, 5};
        case Nivel::Dificil:
            break;
    }
    return {kModuloMinimo, 1};
}

}  // namespace

Generador::Generador(std::uint32_t semilla, Nivel nivel, Ventana ventana)
    : motor_(semilla), nivel_(nivel), ventana_(ventana) {}

int Generador::Indice(int n) {
    const std::uint64_t x = motor_();
    return static_cast<int>((x * static_cast<std::uint64_t>(n)) >> 32);
}

diagram::Entrada Generador::Vector() {
    const Magnitudes m = MagnitudesDe(nivel_);
    const int magnitud = m.minima + m.paso * Indice(m.cuantas());
    switch (nivel_) {
        case Nivel::Facil:
            return {magnitud, kDireccionesFaciles[static_cast<std::size_t>(
                                  Indice(static_cast<int>(kDireccionesFaciles.size())))]};
        case Nivel::Medio:
            return {magnitud, 15 * Indice(24)};
        case Nivel::Dificil:
            break;
    }
    // 360° is 0°: a direction is drawn from 0 to 359.
    return {magnitud, Indice(diagram::kDireccionMaxima)};
}

Ejercicio Generador::Siguiente() { return Siguiente(ventana_); }

Ejercicio Generador::Siguiente(Ventana ventana) {
    return Siguiente(ventana, TipoDeCoeficientes::Cualesquiera);
}

Ejercicio Generador::Siguiente(Ventana ventana, TipoDeCoeficientes tipo) {
    Ejercicio vectores;
    for (int sorteo = 0; sorteo < kSorteos; ++sorteo) {
        ++sorteos_;
        vectores.clear();
        for (int k = 0; k < NumeroDeVectores(ventana); ++k) vectores.push_back(Vector());
        const auto indice = [this](int n) { return Indice(n); };
        vectores.coeficientes = tipo == TipoDeCoeficientes::Cualesquiera
                                    ? ventana->SortearCoeficientes(nivel_, indice)
                                    : ventana->SortearCoeficientesDeTipo(nivel_, tipo, indice);
        if (Aceptable(ventana, vectores)) return vectores;
    }
    ++reservas_;
    Ejercicio reserva = ventana->reserva();
    reserva.coeficientes = ventana->coeficientesDeReserva();
    return reserva;
}

bool Aceptable(Ventana ventana, const Ejercicio& vectores) {
    for (const diagram::Entrada& v : vectores)
        if (v.m < kModuloMinimo) return false;
    const Respuesta respuesta = RespuestaDe(ventana, vectores);
    return respuesta.r >= kResultanteMinima - kHolguraDeRedondeo &&
           EscalaDeHoja(respuesta.componentes, respuesta.vectores) &&
           SeDistinguen(ventana, vectores);
}

std::vector<EjercicioDeHoja> EjerciciosDeHoja(std::uint32_t semilla, Nivel nivel,
                                              Seleccion seleccion, int cantidad) {
    const std::vector<Ventana> metodos = MetodosDe(seleccion);
    Generador generador(semilla, nivel, metodos.front());
    std::vector<EjercicioDeHoja> hoja;
    for (int i = 0; i < cantidad; ++i) {
        const Ventana ventana = metodos[static_cast<std::size_t>(i) % metodos.size()];
        hoja.push_back({ventana, generador.Siguiente(ventana)});
    }
    return hoja;
}

}  // namespace trazalia::practice
