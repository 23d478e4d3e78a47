// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "diagram/tabla.h"

namespace trazalia::session {

using diagram::Control;
using diagram::Tabla;
using diagram::Tipo;

// The program's three windows, in the order scripts and dumps know them.
enum class Formulario { Form1, Form2, Form3 };
inline constexpr int kFormularios = 3;

// The client area of every window, in twips.
inline constexpr int kClientWidth = 10875;
inline constexpr int kClientHeight = 7995;

const Tabla& TablaDe(Formulario formulario);
// The window of that name, if any.
const Tabla* TablaDe(std::string_view nombre);

}  // namespace trazalia::session
