// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/ejercicio.h"

#include <array>

#include "diagram/traducible.h"

namespace trazalia::practice {

namespace {

struct DatosDeNivel {
    Nivel nivel;
    std::string_view nombre;
    std::string_view visible;
};

constexpr std::array<DatosDeNivel, 3> kNiveles{{
    {Nivel::Facil, "facil", QT_TRANSLATE_NOOP("Trazalia", "Fácil")},
    {Nivel::Medio, "medio", QT_TRANSLATE_NOOP("Trazalia", "Medio")},
    {Nivel::Dificil, "dificil", QT_TRANSLATE_NOOP("Trazalia", "Difícil")},
}};

constexpr std::array<std::string_view, 3> kMetodos{"paralelogramo", "poligono", "ambos"};

}  // namespace

std::string_view Nombre(Nivel nivel) { return kNiveles[static_cast<std::size_t>(nivel)].nombre; }

std::string_view NombreVisible(Nivel nivel) {
    return kNiveles[static_cast<std::size_t>(nivel)].visible;
}

std::optional<Nivel> NivelDeNombre(std::string_view nombre) {
    for (const DatosDeNivel& n : kNiveles)
        if (n.nombre == nombre) return n.nivel;
    return std::nullopt;
}

std::string_view Nombre(Ventana ventana) { return ventana == Ventana::Form2 ? "Form2" : "Form3"; }

std::optional<Ventana> VentanaDeNombre(std::string_view nombre) {
    if (nombre == "Form2") return Ventana::Form2;
    if (nombre == "Form3") return Ventana::Form3;
    return std::nullopt;
}

int NumeroDeVectores(Ventana ventana) { return ventana == Ventana::Form2 ? 2 : 3; }

std::string_view Nombre(Metodo metodo) { return kMetodos[static_cast<std::size_t>(metodo)]; }

std::optional<Metodo> MetodoDeNombre(std::string_view nombre) {
    for (std::size_t i = 0; i < kMetodos.size(); ++i)
        if (kMetodos[i] == nombre) return static_cast<Metodo>(i);
    return std::nullopt;
}

}  // namespace trazalia::practice
