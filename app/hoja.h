// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "practice/hoja.h"

class QDialog;
class QPagedPaintDevice;
class QWidget;

namespace trazalia::app {

class Dialogos;

// Paints every page on a paged device (a PDF writer, a printer) whose page has the sheet's size.
// False when the device cannot be painted on.
bool PintarHoja(const practice::Hoja& hoja, QPagedPaintDevice& dispositivo);

// The sheet as a PDF, its text real text and its fonts embedded; empty when it cannot be made.
QByteArray PdfDeHoja(const practice::Hoja& hoja);

// Writes the sheet's PDF to path, all or nothing; on failure says why in error.
bool GuardarHoja(const practice::Hoja& hoja, const QString& ruta, QString* error);

// Opens the dialog of "Hoja de ejercicios…" over the window: the options beside a preview of the
// sheet, then saving it as a PDF or printing it. It goes when closed.
QDialog* DialogoDeHoja(QWidget* ventana, Dialogos& dialogos);

}  // namespace trazalia::app
