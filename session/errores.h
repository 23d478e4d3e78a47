// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "diagram/traducible.h"
#include "practice/ejercicio.h"

// What a script's line is told when it cannot run, and the readers of its words, the same for
// every runner: trazalia's windows and the core speak identically.
namespace trazalia::session::errores {

std::string OrdenDesconocida(std::string_view orden);
std::string Terminado();
std::string VentanaDesconocida(std::string_view ventana);
std::string NoALaVista(std::string_view ventana);
std::string YaNoALaVista(std::string_view ventana);
std::string SeEsperabaRuta(std::string_view ruta);
std::string SinControl(std::string_view ventana, std::string_view control);
std::string NoEsBoton(std::string_view ruta);
std::string NoEsBarra(std::string_view ruta);
std::string SinFoco(std::string_view ruta);
std::string SinVistas(std::string_view ventana);
std::string SinPractica(std::string_view ventana);
std::string NoPractica(std::string_view ventana);
std::string SinVectores(std::string_view ventana);
// The exercise's vectors hold still until it is checked.
std::string Retenido(std::string_view ventana);
std::string Resuelto(std::string_view ventana);
std::string VistaDesconocida(std::string_view vista, std::string_view nombres);
std::string OnUOff(std::string_view palabra);
std::string QuePractica(std::string_view palabra);
std::string TeclaDesconocida(std::string_view tecla);
std::string TeclaSinEfecto(std::string_view tecla, std::string_view destino);
// accion: the action's name, without a trailing ellipsis.
std::string TeclaDePantalla(std::string_view tecla, std::string_view accion);
std::string NoEntero(std::string_view valor);
std::string FueraDeRango(std::string_view valor, std::string_view ruta, int minimo, int maximo);
std::string NoValidoEn(std::string_view valor, std::string_view ruta, std::string_view pista);

// A bar's value: a whole number, else the error.
std::optional<long> LeerEntero(std::string_view numero);
// A practice's seed and level; nothing for a word that is none. The errors of what a student
// types (a seed, a guess) come in the language of the session's translator: a script's is
// Spanish.
std::optional<std::uint32_t> LeerSemilla(std::string_view semilla);
std::string SemillaNoValida(std::string_view semilla, diagram::Traductor tr);
std::string NivelDesconocido(std::string_view nivel);
// A number a student types (a guess's magnitude or direction, a value in an editor): a decimal
// with a point or, when it has no point, with one comma ("271,2" is 271.2), no locale.
std::optional<double> LeerDecimal(std::string_view numero);
std::string ModuloNoValido(std::string_view r, diagram::Traductor tr);
std::string DireccionNoValida(std::string_view alfa, diagram::Traductor tr);
std::string ModuloFueraDeRango(std::string_view r, practice::Ventana ventana,
                               diagram::Traductor tr);
std::string DireccionFueraDeRango(std::string_view alfa, diagram::Traductor tr);
// A point in twips, as the trace writes them or with an exponent ("1.5e3").
std::optional<double> LeerCoordenada(std::string_view numero);
std::string CoordenadaNoValida(std::string_view numero);

}  // namespace trazalia::session::errores
