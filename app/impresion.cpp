// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/impresion.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "app/exportar.h"
#include "canvas/qt/painter.h"

namespace trazalia::app {

bool ImprimirDibujo(const canvas::Picture& picture, const QString& lecturas,
                    QPagedPaintDevice& pagina) {
    QPainter painter;
    if (!painter.begin(&pagina)) return false;
    const QRectF area(0, 0, pagina.width(), pagina.height());
    constexpr int kTexto = ::Qt::AlignHCenter | ::Qt::AlignTop | ::Qt::TextWordWrap;

    QFont fuente = canvas::PrintFont();
    fuente.setPointSizeF(11);
    painter.setFont(fuente);
    const qreal altoTexto =
        lecturas.isEmpty() ? 0 : painter.boundingRect(area, kTexto, lecturas).height();
    const qreal separacion = altoTexto / 2;

    const QSizeF dibujo = canvas::LogicalSize(picture);
    const qreal escala = std::min(area.width() / dibujo.width(),
                                  (area.height() - altoTexto - separacion) / dibujo.height());
    const QSizeF tamano = dibujo * escala;
    const QPointF origen((area.width() - tamano.width()) / 2,
                         (area.height() - tamano.height() - separacion - altoTexto) / 2);

    painter.save();
    painter.translate(origen);
    painter.scale(escala, escala);
    canvas::Replay(picture, painter);
    painter.restore();
    painter.drawText(QRectF(0, origen.y() + tamano.height() + separacion, area.width(), altoTexto),
                     kTexto, lecturas);
    return painter.end();
}

void DialogosQt::Imprimir(QWidget* parent, const std::function<void(QPrinter&)>& imprimir) {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(QStringLiteral("Trazalia"));
    QPrintPreviewDialog vista(&impresora, parent);
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                     [&](QPrinter* destino) { imprimir(*destino); });
    vista.exec();
}

}  // namespace trazalia::app
