// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/traducible.h"
#include "practice/ejercicio.h"

// What a command is told when it cannot run, and the readers of its words, the same for every
// runner: trazalia's windows and the core speak identically. A refusal comes as a code and what it
// names, worded twice: for a script, in its own language of windows and controls (Spanish), and
// for the user of a face, in the words and the language of the windows.
namespace trazalia::session::errores {

enum class Motivo {
    OrdenDesconocida,  // a script's line names no command
    Terminado,         // the program has ended
    VentanaDesconocida,
    NoALaVista,  // the window is not on screen: {window}
    SeEsperabaRuta,
    SinControl,
    NoEsBoton,
    NoEsBarra,
    SinFoco,  // the control takes no keys now: {WINDOW.CONTROL}
    SinVistas,
    SinPractica,      // Form1 has no practice
    SinEquilibrante,  // the window does not add vectors, so it asks for no equilibrant: {window}
    NoPractica,       // the window is not practising: {window}
    CaminoNoValido,   // a path's state the window cannot resume: {window, why}
    SinVectores,
    Retenido,  // the exercise's vectors hold still until it is checked: {window}
    Resuelto,  // the exercise has been checked already: {window}
    VistaDesconocida,
    OnUOff,
    QuePractica,
    TeclaDesconocida,
    TeclaSinEfecto,   // {key, WINDOW or WINDOW.CONTROL}
    TeclaDePantalla,  // a key of the screen alone: {key, the action's marked name, its context}
    NoEntero,         // a bar's value that is no whole number: {value}
    FueraDeRango,     // {value, WINDOW.CONTROL, minimum, maximum}
    NoValido,         // a guess's part refused by its editor: {value, WINDOW.CONTROL}
    NoRecibeValor,    // nothing typed can go there now: {WINDOW.CONTROL}
    NadaQueDeshacer,  // {window}
    NadaQueRehacer,   // {window}
    SemillaNoValida,
    NivelDesconocido,
    ModuloNoValido,
    DireccionNoValida,
    ModuloFueraDeRango,
    DireccionFueraDeRango,
    CoordenadaNoValida,
    SinConstruccion,  // no construction waits to be shown step by step: {window}
    NoOfrecido,       // a mistake not among those offered: {mistake, window}
};

// A refusal. datos: what it names, as the command was given it (see Motivo).
struct Negativa {
    Motivo motivo;
    std::vector<std::string> datos;
    // The script's words: what the command returns.
    std::string guion;
    // The user's words, in the language of the translator it was made with.
    std::string usuario;
};

// The code's name, for a face that keys anything of its own on it: "no-a-la-vista".
std::string_view Codigo(Motivo motivo);

Negativa OrdenDesconocida(std::string_view orden, diagram::Traductor trad = {});
Negativa Terminado(diagram::Traductor trad = {});
Negativa VentanaDesconocida(std::string_view ventana, diagram::Traductor trad = {});
Negativa NoALaVista(std::string_view ventana, diagram::Traductor trad = {});
Negativa YaNoALaVista(std::string_view ventana, diagram::Traductor trad = {});
Negativa SeEsperabaRuta(std::string_view ruta, diagram::Traductor trad = {});
Negativa SinControl(std::string_view ventana, std::string_view control,
                    diagram::Traductor trad = {});
Negativa NoEsBoton(std::string_view ruta, diagram::Traductor trad = {});
Negativa NoEsBarra(std::string_view ruta, diagram::Traductor trad = {});
Negativa SinFoco(std::string_view ruta, diagram::Traductor trad = {});
Negativa SinVistas(std::string_view ventana, diagram::Traductor trad = {});
Negativa SinPractica(std::string_view ventana, diagram::Traductor trad = {});
Negativa SinEquilibrante(std::string_view ventana, diagram::Traductor trad = {});
Negativa NoPractica(std::string_view ventana, diagram::Traductor trad = {});
Negativa CaminoNoValido(std::string_view ventana, std::string_view motivo,
                        diagram::Traductor trad = {});
Negativa SinVectores(std::string_view ventana, diagram::Traductor trad = {});
// The exercise's vectors hold still until it is checked: the script is told the line that checks
// it, the user what practice says beside a bar it holds (kRetenido).
inline constexpr char kRetenido[] = QT_TRANSLATE_NOOP(
    "Practica",
    "El ejercicio no cambia hasta comprobarlo: pulse Intro en el dibujo o elija «Comprobar» en su "
    "menú.");
Negativa Retenido(std::string_view ventana, diagram::Traductor trad = {});
Negativa Resuelto(std::string_view ventana, diagram::Traductor trad = {});
Negativa VistaDesconocida(std::string_view vista, std::string_view nombres,
                          diagram::Traductor trad = {});
Negativa OnUOff(std::string_view palabra, diagram::Traductor trad = {});
Negativa QuePractica(std::string_view palabra, diagram::Traductor trad = {});
Negativa TeclaDesconocida(std::string_view tecla, diagram::Traductor trad = {});
Negativa TeclaSinEfecto(std::string_view tecla, std::string_view destino,
                        diagram::Traductor trad = {});
// accion: the action's marked name in that context; the script's words leave out a trailing
// ellipsis.
Negativa TeclaDePantalla(std::string_view tecla, const char* accion, const char* contexto,
                         diagram::Traductor trad = {});
Negativa NoEntero(std::string_view valor, diagram::Traductor trad = {});
Negativa FueraDeRango(std::string_view valor, std::string_view ruta, int minimo, int maximo,
                      diagram::Traductor trad = {});
// pista: what the editor takes, as a script is told it (Spanish) and in the translator's language.
Negativa NoValidoEn(std::string_view valor, std::string_view ruta, std::string_view pista,
                    std::string_view pistaTraducida, diagram::Traductor trad = {});
Negativa NoRecibeValor(std::string_view ruta, diagram::Traductor trad = {});
// Form1, which keeps no changes, or a method window with none left.
Negativa NadaQueDeshacer(std::string_view ventana, diagram::Traductor trad = {});
Negativa NadaQueRehacer(std::string_view ventana, diagram::Traductor trad = {});

// A bar's value: a whole number, else the error.
std::optional<long> LeerEntero(std::string_view numero);
// A practice's seed and level; nothing for a word that is none. The errors of what a student
// types (a seed, a guess) come in the language of the session's translator: a script's is
// Spanish.
std::optional<std::uint32_t> LeerSemilla(std::string_view semilla);
Negativa SemillaNoValida(std::string_view semilla, diagram::Traductor trad);
Negativa NivelDesconocido(std::string_view nivel, diagram::Traductor trad = {});
// A number a student types (a guess's magnitude or direction, a value in an editor): a decimal
// with a point or, when it has no point, with one comma ("271,2" is 271.2), no locale.
std::optional<double> LeerDecimal(std::string_view numero);
Negativa ModuloNoValido(std::string_view r, diagram::Traductor trad);
Negativa DireccionNoValida(std::string_view alfa, diagram::Traductor trad);
Negativa ModuloFueraDeRango(std::string_view r, practice::Ventana ventana, diagram::Traductor trad);
Negativa DireccionFueraDeRango(std::string_view alfa, diagram::Traductor trad);
// A point in twips, as the trace writes them or with an exponent ("1.5e3").
std::optional<double> LeerCoordenada(std::string_view numero);
Negativa CoordenadaNoValida(std::string_view numero, diagram::Traductor trad = {});
Negativa SinConstruccion(std::string_view ventana, diagram::Traductor trad = {});
Negativa NoOfrecido(std::string_view error, std::string_view ventana, diagram::Traductor trad = {});

}  // namespace trazalia::session::errores
