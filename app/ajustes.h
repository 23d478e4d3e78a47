// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QSettings>
#include <QVariant>

namespace trazalia::app {

// The settings file, read once and written once, when the program ends: QSettings would rewrite
// the whole file after each change, and a large file would stop the windows at every zoom.
class ArchivoDeAjustes final : public QSettings {
public:
    using QSettings::QSettings;

protected:
    bool event(QEvent* event) override {
        return event->type() == QEvent::UpdateRequest || QSettings::event(event);
    }
};

// Where the program remembers what the user chose (the zoom, the views):
// ~/.config/trazalia/trazalia.conf. Script mode never opens it. One object for the whole run.
inline QSettings& Ajustes() {
    static ArchivoDeAjustes ajustes(QStringLiteral("trazalia"), QStringLiteral("trazalia"));
    return ajustes;
}

// A remembered switch: on only for a real boolean, as QSettings writes one ("true", "false");
// any other text is off.
inline bool Activado(const QVariant& valor) {
    if (valor.typeId() == QMetaType::Bool) return valor.toBool();
    return valor.typeId() == QMetaType::QString && valor.toString() == QLatin1String("true");
}

}  // namespace trazalia::app
