// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDialog;
class QMimeData;
class QWidget;

namespace trazalia::canvas {
class Picture;
}

namespace trazalia::app {

// The save dialog, not yet shown: for a picture (a path offered as .png) PNG, SVG and PDF, the
// file name's extension following the type the user picks; for a path offered as .pdf or .csv
// that type alone. The path offered is already selected. The parent owns it, so it goes with
// its window; whoever shows it may delete it sooner.
QFileDialog* CrearDialogoGuardar(QWidget* parent, const QString& ruta);

// The picture for the clipboard: the image at that device pixel ratio, and the text.
QMimeData* DatosDelDibujo(const canvas::Picture& picture, const QString& texto, qreal ratio);

}  // namespace trazalia::app
