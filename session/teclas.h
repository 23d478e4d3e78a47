// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "diagram/vistas.h"

namespace trazalia::session::teclas {

// Modifiers, as bits.
inline constexpr unsigned kCtrl = 1;
inline constexpr unsigned kShift = 2;
inline constexpr unsigned kAlt = 4;
inline constexpr unsigned kMeta = 8;

// A key as a script names it: the toolkit's name without "Key_" ("Return", "PageUp", "1"), after
// any of the modifiers Ctrl, Shift, Alt and Meta joined by '+' ("Ctrl+Plus").
struct Tecla {
    std::string_view nombre;  // as written, modifiers included
    std::string tecla;        // the key alone: "Return", "E", "Period"
    unsigned modificadores = 0;
    // The character a printable key types ("e", "E" with Shift, "."), unless a modifier other than
    // Shift makes it a shortcut; empty otherwise.
    std::string texto;

    bool Es(std::string_view nombre_) const { return tecla == nombre_; }
    // 0 to 9, or -1.
    int Cifra() const;
    bool Sola() const { return modificadores == 0; }
};

// Nothing for a name the keyboard has no key of.
std::optional<Tecla> Leer(std::string_view nombre);

// What a window's shortcut does with a key, wherever the focus is in it: a view turned on or off,
// or an action of the screen alone, named (Spanish, marked for translation) for the refusal.
struct Accion {
    std::optional<diagram::Vista> vista;
    const char* nombre = nullptr;
    const char* contexto = nullptr;
};
// metodo: a method window's keys (Form1 has help alone); practica: practice is on.
std::optional<Accion> AccionDe(const Tecla& tecla, bool metodo, bool practica);

// The screen's shortcuts, one table: the face installs them from it and its guide lists them;
// a script's key that names one of those marked guion is refused as of the screen alone.
enum class Atajo {
    Ayuda,
    Ampliar,
    Reducir,
    TamanoNormal,
    PantallaCompleta,
    CopiarImagen,
    GuardarImagen,
    Imprimir,
    Deshacer,
    Rehacer,
    HojaDeEjercicios,
    Practicar,
    OtroEjercicio,
    Comprobar,
    Construccion,
    MenuDelDibujo,
};
struct FilaDeAtajo {
    Atajo atajo;
    // Its name, marked for translation in that context.
    const char* contexto;
    const char* nombre;
    // By the names scripts use, the one menus show first.
    std::array<std::string_view, 4> teclas;
    // Where the keys act, for the guide, when not anywhere in the window.
    const char* donde = nullptr;
    bool metodo = true;     // a method window's alone
    bool practica = false;  // enabled only while practising
    bool guion = true;
};
// In the guide's order.
std::span<const FilaDeAtajo> Atajos();
const FilaDeAtajo& FilaDe(Atajo atajo);
// A key's name as the toolkit writes it: "Ctrl+Plus" is "Ctrl++".
std::string Escrita(std::string_view nombre);

// A view as a window offers it: its menu entry (marked for translation in the context
// "Vistas"), its key and its name in scripts and in the settings.
struct FilaDeVista {
    const char* titulo;
    std::string_view tecla;
    std::string_view nombre;
};
// In the order of diagram::Vista.
std::span<const FilaDeVista> Vistas();

// The view a script names: grid, labels, components, equation, bold, contrast or fixed.
std::optional<diagram::Vista> VistaDeNombre(std::string_view nombre);
// Those names, for an error: "grid, labels, … o fixed".
std::string NombresDeVistas();

}  // namespace trazalia::session::teclas
