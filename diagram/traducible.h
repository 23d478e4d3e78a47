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
// A text whose form depends on a count: "%2 unidades", one unit or many.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace trazalia::diagram {

// The translation context of every text the domain marks.
inline constexpr char kContexto[] = "Trazalia";

// The text as written: Spanish. A counted text (cuenta 0 or more) has its %n replaced and its
// plural marks read: "%n intento(s)" and "%n vez/veces" give "1 intento", "3 veces".
std::string EnEspanol(const char* contexto, const char* texto, int cuenta);

// A marked text in the user's language, for texts the domain composes itself; the windows pass a
// function that asks the translations. A count of 0 or more picks the plural form that suits it.
class Traductor {
public:
    using Funcion = std::string (*)(const char* contexto, const char* texto, int cuenta);
    constexpr Traductor(Funcion funcion = EnEspanol) : funcion_(funcion) {}  // NOLINT: implicit
    std::string operator()(const char* contexto, const char* texto, int cuenta = -1) const {
        return funcion_(contexto, texto, cuenta);
    }

private:
    Funcion funcion_;
};

// The template with %1 … %9 replaced by the arguments, in one pass, so that an argument holding
// "%2" stays as it is. A % not followed by a digit that names an argument is kept.
std::string Sustituir(std::string_view plantilla, std::initializer_list<std::string_view> args);

}  // namespace trazalia::diagram
