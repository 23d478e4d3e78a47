// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resumen.h"

#include <QString>

namespace trazalia::app {

std::string ClaveDeAlumno(std::string_view nombre) {
    return QString::fromUtf8(nombre.data(), static_cast<qsizetype>(nombre.size()))
        .trimmed()
        .normalized(QString::NormalizationForm_C)
        .toCaseFolded()
        .toStdString();
}

}  // namespace trazalia::app
