// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "canvas/canvas.h"

namespace trazalia::diagram {

// The kinds of control a window is built from.
enum class Tipo { Picture, HScroll, Label, Lectura, Button, Image };

// A control's row in its window's table: geometry in twips, relative to the client area. Fonts are
// bold italic in the program's face at the given size; a label's "a" in the Greek face is stored
// as α. Texts are marked with QT_TRANSLATE_NOOP in the context of the window's name.
struct Control {
    const char* nombre;
    Tipo tipo;
    int left;
    int top;
    int width;
    int height;
    int tab;
    const char* texto = "";
    double puntos = 0;
    canvas::Color color{0, 0, 0};
    bool centrado = false;
    int min = 0;
    int max = 0;
    int large = 0;
    // Accessible name; a read-out's name also carries its current text.
    const char* descripcion = "";
    // Accessible description, where the name alone does not say enough.
    const char* ayuda = "";
    // A read-out of the result that only a construction writes: any other redraw leaves it
    // describing an earlier picture.
    bool resultado = false;
    // A button that opens a window: its name.
    const char* abre = nullptr;
    // An addition around the fixed window: the faces show it, dump leaves it out.
    bool adicion = false;
    // A scroll bar's value when the window loads; its min if none.
    std::optional<int> inicial = std::nullopt;
    // A scroll bar's steps per unit of the value its read-out shows and its editor takes: 2 for a
    // coefficient in halves, whose bar at -3 reads "-1.5".
    int pasosPorUnidad = 1;
};

// A window's fixed description: its name, title, controls and, for a method window, its
// picture's foreground, how many vectors it adds and which read-out shows each bar.
struct Tabla {
    std::string_view nombre;
    // Marked for translation in the window's context.
    const char* titulo;
    std::span<const Control> controles;
    canvas::Color fore = canvas::kBlack;
    // 0 for Form1.
    int vectores = 0;
    // {HScroll n, Label m}: the read-out that shows each bar's value.
    std::span<const std::pair<int, int>> lecturas;
    // The read-outs of the resultant's magnitude and direction.
    std::pair<int, int> resultado{0, 0};
    // What a read-out of the result that describes an earlier picture says: how to bring it up
    // to date. Marked for translation in the window's context.
    const char* comoRenovar = "";
};

}  // namespace trazalia::diagram
