#include "canvas/qt/picture_widget.h"

#include <QPainter>

#include "canvas/qt/painter.h"

namespace trazalia::canvas {

PictureWidget::PictureWidget(float width, float height, Color fore, QWidget* parent)
    : QWidget(parent), picture_(width, height, fore) {
    setFixedSize(qRound(width / kTwipsPerPixel), qRound(height / kTwipsPerPixel));
    setFocusPolicy(Qt::StrongFocus);
    // paintEvent covers every pixel, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    picture_.AddListener(this);
}

PictureWidget::~PictureWidget() { picture_.RemoveListener(this); }

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Replay fills the picture's background; rounding the widget's size may leave part of a
    // pixel beside it, which gets the same colour.
    const Color back = picture_.BackColor();
    const QSizeF size = LogicalSize(picture_);
    if (width() > size.width())
        painter.fillRect(QRectF(size.width(), 0, width() - size.width(), height()),
                         QColor(back.r, back.g, back.b));
    if (height() > size.height())
        painter.fillRect(QRectF(0, size.height(), width(), height() - size.height()),
                         QColor(back.r, back.g, back.b));
    Replay(picture_, painter);
    if (hasFocus()) {
        // Every other pixel, like the usual focus rectangle.
        QPen pen(palette().color(QPalette::Highlight), 1);
        pen.setDashPattern({1, 1});
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}

void PictureWidget::Cleared() { update(); }

// The line width alone changes nothing on screen.
void PictureWidget::DrawWidthSet(int) {}

void PictureWidget::Drawn(const Op&) { update(); }

}  // namespace trazalia::canvas
