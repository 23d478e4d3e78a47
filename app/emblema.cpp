// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/emblema.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace trazalia::app {

namespace {

const QString& Arte() {
    static const QString ruta = QStringLiteral(":/trazalia.svg");
    return ruta;
}

}  // namespace

QIcon IconoTrazalia() {
    // A renderer of its own, gone before the application is.
    QSvgRenderer arte(Arte());
    QIcon icono;
    for (int lado : {16, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(lado, lado);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        arte.render(&painter);
        painter.end();
        icono.addPixmap(pixmap);
    }
    return icono;
}

Emblema::Emblema(QWidget* parent) : QWidget(parent) {}

void Emblema::paintEvent(QPaintEvent*) {
    if (!arte_) arte_ = new QSvgRenderer(Arte(), this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Stretched to the control, as the emblem always was.
    arte_->render(&painter, QRectF(rect()));
}

}  // namespace trazalia::app
