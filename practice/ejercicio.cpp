// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/ejercicio.h"

#include <array>
#include <cmath>

#include "canvas/numeros.h"

#include "diagram/traducible.h"

namespace trazalia::practice {

namespace {

struct DatosDeNivel {
    Nivel nivel;
    std::string_view nombre;
    std::string_view visible;
};

constexpr std::array<DatosDeNivel, 3> kDatosDeNiveles{{
    {Nivel::Facil, "facil", QT_TRANSLATE_NOOP("Trazalia", "Fácil")},
    {Nivel::Medio, "medio", QT_TRANSLATE_NOOP("Trazalia", "Medio")},
    {Nivel::Dificil, "dificil", QT_TRANSLATE_NOOP("Trazalia", "Difícil")},
}};

constexpr std::string_view kAmbos = "ambos";

}  // namespace

std::string_view Nombre(Nivel nivel) { return kDatosDeNiveles[static_cast<std::size_t>(nivel)].nombre; }

std::string_view NombreVisible(Nivel nivel) {
    return kDatosDeNiveles[static_cast<std::size_t>(nivel)].visible;
}

std::optional<Nivel> NivelDeNombre(std::string_view nombre) {
    for (const DatosDeNivel& n : kDatosDeNiveles)
        if (n.nombre == nombre) return n.nivel;
    return std::nullopt;
}

std::string_view Metodo::Letra(std::size_t vector) const {
    return std::array<std::string_view, 3>{"A", "B", "C"}[vector];
}

std::string Coeficiente(int mitades) {
    const std::string entero = std::to_string(mitades / 2);
    if (mitades % 2 == 0) return entero;
    return (mitades < 0 && mitades / 2 == 0 ? "-" : "") + entero + ".5";
}

std::optional<int> CoeficienteDeTexto(std::string_view texto) {
    const std::optional<double> valor = canvas::LeerReal(texto);
    if (!valor || std::abs(*valor) > 1000) return std::nullopt;
    const double mitades = *valor * 2;
    if (mitades != std::round(mitades)) return std::nullopt;
    return static_cast<int>(mitades);
}

std::string_view Nombre(Pregunta pregunta) {
    return pregunta == Pregunta::Resultante ? "resultante" : "equilibrante";
}

std::optional<Pregunta> PreguntaDeNombre(std::string_view nombre) {
    for (const Pregunta p : {Pregunta::Resultante, Pregunta::Equilibrante})
        if (Nombre(p) == nombre) return p;
    return std::nullopt;
}

std::string_view Nombre(Ventana ventana) { return ventana->ventana(); }

std::optional<Ventana> VentanaDeNombre(std::string_view nombre) {
    for (const Metodo* m : Metodos())
        if (m->ventana() == nombre) return m;
    return std::nullopt;
}

int NumeroDeVectores(Ventana ventana) { return ventana->vectores(); }

std::string_view NombreDeSeleccion(Seleccion seleccion) {
    return seleccion ? seleccion->clave() : kAmbos;
}

std::optional<Seleccion> SeleccionDeNombre(std::string_view nombre) {
    if (nombre == kAmbos) return Seleccion{};
    for (const Metodo* m : Metodos())
        if (m->clave() == nombre && m->practica()) return m;
    return std::nullopt;
}

std::vector<Ventana> MetodosDe(Seleccion seleccion) {
    if (seleccion) return {seleccion};
    std::vector<Ventana> metodos;
    for (const Metodo* m : Metodos())
        if (m->suma() && m->practica()) metodos.push_back(m);
    return metodos;
}

}  // namespace trazalia::practice
