// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict measured on simulated students, not on its own rules: students who make each
// mistake and estimate by eye, and students who estimate the right answer roughly. Run alone, it
// prints the confusion table of each window and level.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "practice/generador.h"
#include "practice/respuesta.h"
#include "practice/tests/ventanas.h"
#include "practice/veredicto.h"

namespace trazalia::practice {
namespace {

constexpr int kEjercicios = 1000;

// A normal deviate by Box and Muller from the engine's own outputs, the same on every library.
class Ruido {
public:
    explicit Ruido(std::uint32_t semilla) : motor_(semilla) {}
    double Uniforme() { return (static_cast<double>(motor_()) + 0.5) / 4294967296.0; }
    double Normal() {
        return std::sqrt(-2 * std::log(Uniforme())) * std::cos(2 * 3.141592653589793 * Uniforme());
    }
    std::size_t Indice(std::size_t n) {
        return static_cast<std::size_t>(Uniforme() * static_cast<double>(n));
    }

private:
    std::mt19937 motor_;
};

// What a verdict named, as a column of the table.
std::string Columna(const Clasificacion& c) { return c.tambien ? "par" : std::string(Nombre(c)); }

struct Tabla {
    // Row: what the student did; column: what the verdict named.
    std::map<std::string, std::map<std::string, int>> celdas;
    int exactosBien = 0, exactos = 0;
    // Right students, and those of them named with a mistake.
    int correctos = 0, correctosConError = 0;

    void Anotar(const std::string& fila, const Clasificacion& c) { ++celdas[fila][Columna(c)]; }

    // Of the guesses named c, the share that made c.
    double Precision(Codigo c) const {
        const std::string columna(Nombre(c));
        int nombrados = 0, bien = 0;
        for (const auto& [fila, columnas] : celdas) {
            const auto it = columnas.find(columna);
            if (it == columnas.end()) continue;
            nombrados += it->second;
            if (fila == columna) bien += it->second;
        }
        return nombrados == 0 ? 1.0 : static_cast<double>(bien) / nombrados;
    }

    std::string Texto() const {
        std::vector<std::string> columnas{"acierto"};
        for (const Codigo c : kErrores) columnas.emplace_back(Nombre(c));
        for (const char* c : {"par", "casi", "otro"}) columnas.emplace_back(c);
        std::ostringstream s;
        s << std::setw(26) << std::left << "";
        for (std::size_t k = 0; k < columnas.size(); ++k) s << std::setw(6) << std::right << k;
        s << '\n';
        for (const auto& [fila, cuentas] : celdas) {
            s << std::setw(26) << std::left << fila;
            for (const std::string& c : columnas) {
                const auto it = cuentas.find(c);
                s << std::setw(6) << std::right << (it == cuentas.end() ? 0 : it->second);
            }
            s << '\n';
        }
        for (std::size_t k = 0; k < columnas.size(); ++k)
            s << "  " << k << ": " << columnas[k] << '\n';
        return s.str();
    }
};

// Named in the test's name.
struct Caso {
    Ventana ventana;
    Nivel nivel;
    Pregunta pregunta = Pregunta::Resultante;
};

// Every student of each kind, over kEjercicios exercises of one window and level.
Tabla Simular(const Caso& caso) {
    Generador generador(2024, caso.nivel, caso.ventana);
    Ruido ruido(7);
    Tabla tabla;
    for (int n = 0; n < kEjercicios; ++n) {
        Ejercicio e = generador.Siguiente();
        e.pregunta = caso.pregunta;
        const Respuesta respuesta = RespuestaDe(caso.ventana, e);
        const Respuesta pedida = RespuestaALaPregunta(respuesta, e.pregunta);
        const auto juzgar = [&](Intento i) { return Clasificar(caso.ventana, e, respuesta, i); };
        // One who makes the mistake, measures exactly, then one who estimates it by eye.
        for (const Codigo c : kErrores) {
            const std::vector<Objetivo> objetivos = Objetivos(c, caso.ventana, e, respuesta);
            if (objetivos.empty()) continue;
            const Objetivo& o = objetivos[ruido.Indice(objetivos.size())];
            const Intento valor{o.r.value_or(pedida.r), o.direccion.value_or(*pedida.direccion)};
            const Clasificacion exacto = juzgar(valor);
            ++tabla.exactos;
            if (exacto == Clasificacion{c}) ++tabla.exactosBien;
            const Intento aOjo{valor.r * (1 + 0.02 * ruido.Normal()),
                               valor.direccion + 1.5 * ruido.Normal()};
            tabla.Anotar(std::string(Nombre(c)), juzgar(aOjo));
        }
        // The right answer estimated by eye, at three levels: errors of at most one, one and a
        // half and two tolerances in each coordinate, normal with half that as standard deviation.
        for (const double hasta : {1.0, 1.5, 2.0}) {
            const auto error = [&] {
                for (;;)
                    if (const double x = hasta / 2 * ruido.Normal(); std::abs(x) <= hasta) return x;
            };
            const Intento i{pedida.r + error() * Tolerancia(pedida.r),
                            *pedida.direccion + error() * kToleranciaGrados};
            const Clasificacion c = juzgar(i);
            std::ostringstream fila;
            fila << "correcta, hasta " << hasta;
            tabla.Anotar(fila.str(), c);
            ++tabla.correctos;
            if (c.codigo != Codigo::Acierto && c.codigo != Codigo::Casi && c.codigo != Codigo::Otro)
                ++tabla.correctosConError;
        }
    }
    return tabla;
}

class AlumnosSimulados : public testing::TestWithParam<Caso> {};

TEST_P(AlumnosSimulados, ElVeredictoNombraLoQueElAlumnoHizo) {
    const Tabla tabla = Simular(GetParam());
    std::cout << tabla.Texto() << "exact values named as such: " << tabla.exactosBien << " of "
              << tabla.exactos
              << "; right students named with a mistake: " << tabla.correctosConError << " of "
              << tabla.correctos << '\n';
    for (const Codigo c : kErrores)
        EXPECT_GE(tabla.Precision(c), 0.98) << "precision of " << Nombre(c);
    EXPECT_GE(tabla.exactosBien, 0.99 * tabla.exactos) << "mistakes' exact values named as such";
    EXPECT_LE(tabla.correctosConError, 0.01 * tabla.correctos)
        << "right students within twice the tolerance named with a mistake";
}

INSTANTIATE_TEST_SUITE_P(VentanasYNiveles, AlumnosSimulados,
                         testing::Values(Caso{Form2(), Nivel::Facil}, Caso{Form2(), Nivel::Medio},
                                         Caso{Form2(), Nivel::Dificil}, Caso{Form3(), Nivel::Facil},
                                         Caso{Form3(), Nivel::Medio}, Caso{Form3(), Nivel::Dificil},
                                         Caso{Form4(), Nivel::Facil}, Caso{Form4(), Nivel::Medio},
                                         Caso{Form4(), Nivel::Dificil},
                                         Caso{Form2(), Nivel::Facil, Pregunta::Equilibrante},
                                         Caso{Form2(), Nivel::Medio, Pregunta::Equilibrante},
                                         Caso{Form2(), Nivel::Dificil, Pregunta::Equilibrante},
                                         Caso{Form3(), Nivel::Facil, Pregunta::Equilibrante},
                                         Caso{Form3(), Nivel::Medio, Pregunta::Equilibrante},
                                         Caso{Form3(), Nivel::Dificil, Pregunta::Equilibrante}),
                         [](const auto& info) {
                             return std::string(Nombre(info.param.ventana)) + '_' +
                                    std::string(Nombre(info.param.nivel)) +
                                    (info.param.pregunta == Pregunta::Equilibrante ? "_equilibrante"
                                                                                   : "");
                         });

}  // namespace
}  // namespace trazalia::practice
