// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>
#include <optional>

class QPagedPaintDevice;
class QString;

namespace trazalia::canvas {
class Picture;
}

namespace trazalia::app {

// Where a picture goes on a page: its top-left corner and the scale from its logical pixels to
// the page's.
struct EnPagina {
    QPointF origen;
    qreal factor = 1;
};

// A picture of that size, with a text of that height half a line under it, centred on a page of
// that size at the largest scale that fits; nothing when no positive scale fits.
std::optional<EnPagina> Encajar(QSizeF pagina, QSizeF dibujo, qreal altoTexto);

// Paints the picture on one page of the device, centred at the largest size that fits, from its
// display list (vector output), with the line of read-outs under it. Returns why it could not, for
// the user (the device refused, or the page is too small to show the picture legibly), or an
// empty text when the page was printed. Nothing is printed on a page that is too small.
QString ImprimirDibujo(const canvas::Picture& picture, const QString& lecturas,
                       QPagedPaintDevice& pagina);

}  // namespace trazalia::app
