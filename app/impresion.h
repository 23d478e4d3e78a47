// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPagedPaintDevice;
class QString;

namespace trazalia::canvas {
class Picture;
}

namespace trazalia::app {

// Paints the picture on one page of the device, centred at the largest size that fits, from its
// display list (vector output), with the line of read-outs under it. False when the device cannot
// be painted on.
bool ImprimirDibujo(const canvas::Picture& picture, const QString& lecturas,
                    QPagedPaintDevice& pagina);

}  // namespace trazalia::app
