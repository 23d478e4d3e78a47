#include "app/emblema.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace trazalia::app {

namespace {

QSvgRenderer& Arte() {
    static QSvgRenderer renderer(QStringLiteral(":/trazalia.svg"));
    return renderer;
}

}  // namespace

QIcon IconoTrazalia() {
    QIcon icono;
    for (int lado : {16, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(lado, lado);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        Arte().render(&painter);
        painter.end();
        icono.addPixmap(pixmap);
    }
    return icono;
}

Emblema::Emblema(QWidget* parent) : QWidget(parent) {}

void Emblema::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Stretched to the control, as the emblem always was.
    Arte().render(&painter, QRectF(rect()));
}

}  // namespace trazalia::app
