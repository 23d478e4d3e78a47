// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Texts shown to the user are written in Spanish and marked for the translation tools; here, where
// no translation library is linked, the mark leaves the text as it is.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(contexto, texto) texto
#endif

namespace trazalia::diagram {

// A marked text in the user's language. The windows pass one that asks the translations.
using Traductor = std::string (*)(const char* contexto, const char* texto);

// The text as written: Spanish.
std::string EnEspanol(const char* contexto, const char* texto);

// The template with %1 … %9 replaced by the arguments, in one pass, so that an argument holding
// "%2" stays as it is. A % not followed by a digit that names an argument is kept.
std::string Sustituir(std::string_view plantilla, std::initializer_list<std::string_view> args);

}  // namespace trazalia::diagram
