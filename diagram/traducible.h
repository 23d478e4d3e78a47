// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text the program shows, in Spanish, for the translators: lupdate collects it and the
// windows translate it where they show it (app/idioma.h, Traducir). The domain keeps the Spanish
// text, which scripts' traces and records hold. Spelled as Qt spells it, so that both can be
// included in either order.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace trazalia::diagram {

// The translation context of every text the domain marks.
inline constexpr char kContexto[] = "Trazalia";

// A marked text in the user's language, for texts the domain composes itself. The windows pass
// one that asks the translations.
using Traductor = std::string (*)(const char* contexto, const char* texto);

// The text as written: Spanish.
std::string EnEspanol(const char* contexto, const char* texto);

// The template with %1 … %9 replaced by the arguments, in one pass, so that an argument holding
// "%2" stays as it is. A % not followed by a digit that names an argument is kept.
std::string Sustituir(std::string_view plantilla, std::initializer_list<std::string_view> args);

}  // namespace trazalia::diagram
