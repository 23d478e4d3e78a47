// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QVariant>

namespace trazalia::app {

// Where the program remembers what the user chose (the zoom, the views):
// ~/.config/trazalia/trazalia.conf. Script mode never opens it. One object for the whole run:
// it reads the file once and writes it back when the event loop is idle and at exit, so a
// change of zoom never waits for the file, however large it has grown.
inline QSettings& Ajustes() {
    static QSettings ajustes(QStringLiteral("trazalia"), QStringLiteral("trazalia"));
    return ajustes;
}

// A remembered switch: on only for a real boolean, as QSettings writes one ("true", "false");
// any other text is off.
inline bool Activado(const QVariant& valor) {
    if (valor.typeId() == QMetaType::Bool) return valor.toBool();
    return valor.typeId() == QMetaType::QString && valor.toString() == QLatin1String("true");
}

}  // namespace trazalia::app
