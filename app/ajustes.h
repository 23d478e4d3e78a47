// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

namespace trazalia::app {

// Where the program remembers what the user chose (the zoom, the views):
// ~/.config/trazalia/trazalia.conf. Script mode never opens it.
inline QSettings Ajustes() {
    return QSettings(QStringLiteral("trazalia"), QStringLiteral("trazalia"));
}

}  // namespace trazalia::app
