// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "diagram/tabla.h"
#include "practice/metodo.h"

namespace trazalia::session {

using diagram::Control;
using diagram::Tabla;
using diagram::Tipo;

// A window of the program: Form1, then each method's window in the order of the registry
// (practice::Metodos()).
enum class Formulario : std::size_t { Form1 };
// Form1 and every method's window.
std::size_t NumeroDeFormularios();
// The window's method; none for Form1.
practice::Ventana MetodoDe(Formulario formulario);
Formulario FormularioDe(const practice::Metodo& metodo);
// The window of that name ("Form2"), if any.
std::optional<Formulario> FormularioDe(std::string_view nombre);

// The client area of every window, in twips.
inline constexpr int kClientWidth = 10875;
inline constexpr int kClientHeight = 7995;

const Tabla& TablaDe(Formulario formulario);
// The window of that name, if any.
const Tabla* TablaDe(std::string_view nombre);

}  // namespace trazalia::session
