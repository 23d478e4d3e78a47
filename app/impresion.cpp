// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/impresion.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "canvas/qt/painter.h"

namespace trazalia::app {

namespace {

constexpr int kTexto = ::Qt::AlignHCenter | ::Qt::AlignTop | ::Qt::TextWordWrap;

// Smaller than a quarter of its size on the screen, the picture's numbers cannot be read.
constexpr qreal kMenorLegible = 0.25;

}  // namespace

std::optional<EnPagina> Encajar(QSizeF pagina, QSizeF dibujo, qreal altoTexto) {
    const qreal separacion = altoTexto / 2;
    const qreal alto = pagina.height() - altoTexto - separacion;
    const qreal factor = std::min(pagina.width() / dibujo.width(), alto / dibujo.height());
    // Also false for NaN, from an empty page or picture.
    if (!(factor > 0)) return std::nullopt;
    const QSizeF tamano = dibujo * factor;
    return EnPagina{QPointF((pagina.width() - tamano.width()) / 2, (alto - tamano.height()) / 2),
                    factor};
}

QString ImprimirDibujo(const canvas::Picture& picture, const QString& lecturas,
                       QPagedPaintDevice& pagina) {
    const QRectF area(0, 0, pagina.width(), pagina.height());
    QFont fuente = canvas::PrintFont();
    fuente.setPointSizeF(11);
    const qreal altoTexto =
        lecturas.isEmpty()
            ? 0
            : QFontMetricsF(fuente, &pagina).boundingRect(area, kTexto, lecturas).height();
    const QSizeF dibujo = canvas::LogicalSize(picture);
    const std::optional<EnPagina> sitio = Encajar(area.size(), dibujo, altoTexto);
    // The scale in page pixels that shows a logical pixel at its size on the screen.
    const qreal natural = pagina.logicalDpiX() / qreal(canvas::kLogicalDpi);
    if (!sitio || sitio->factor < kMenorLegible * natural)
        return QCoreApplication::translate("Impresion",
                                           "La página es demasiado pequeña para el dibujo.");

    QPainter painter;
    if (!painter.begin(&pagina))
        return QCoreApplication::translate("Impresion", "La impresora no aceptó el dibujo.");
    painter.setFont(fuente);
    painter.save();
    painter.translate(sitio->origen);
    painter.scale(sitio->factor, sitio->factor);
    canvas::Replay(picture, painter);
    painter.restore();
    const qreal bajo = sitio->origen.y() + dibujo.height() * sitio->factor + altoTexto / 2;
    painter.drawText(QRectF(0, bajo, area.width(), altoTexto), kTexto, lecturas);
    if (!painter.end())
        return QCoreApplication::translate("Impresion", "La impresora no aceptó el dibujo.");
    return {};
}

}  // namespace trazalia::app
