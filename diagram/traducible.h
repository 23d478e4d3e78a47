// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

}  // namespace trazalia::diagram
