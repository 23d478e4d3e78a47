// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/qt/picture_widget.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "canvas/qt/painter.h"

namespace trazalia::canvas {

PictureWidget::PictureWidget(float width, float height, Color fore, QWidget* parent)
    : QWidget(parent), picture_(width, height, fore) {
    setFixedSize(qRound(width / kTwipsPerPixel), qRound(height / kTwipsPerPixel));
    setFocusPolicy(Qt::StrongFocus);
    // paintEvent covers every pixel, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    listener_ = picture_.AddListener(this);
}

PictureWidget::~PictureWidget() = default;

void PictureWidget::Mostrar(Picture& picture) {
    shown_ = &picture;
    listener_ = picture.AddListener(this);
    RequestRepaint();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    repaintPending_ = false;
    QPainter painter(this);
    // Replay fills the picture's background; rounding the widget's size may leave part of a
    // pixel beside it, which gets the same colour.
    const Color back = shown_->BackColor();
    const QColor fondo(back.r, back.g, back.b);
    const QSizeF size = LogicalSize(*shown_) * scale_;
    if (width() > size.width())
        painter.fillRect(QRectF(size.width(), 0, width() - size.width(), height()), fondo);
    if (height() > size.height())
        painter.fillRect(QRectF(0, size.height(), width(), height() - size.height()), fondo);
    // At the program's own size the painter keeps the very transform it always had.
    if (scale_ != 1) painter.scale(scale_, scale_);
    Replay(*shown_, painter);
    if (scale_ != 1) painter.resetTransform();
    if (hasFocus()) {
        // Solid, 2 pixels wide and as much wider as the picture is scaled: seen from the back of
        // a classroom.
        const qreal ancho = std::max<qreal>(2, std::ceil(2 * scale_));
        painter.setPen(QPen(palette().color(QPalette::Highlight), ancho));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(ancho / 2, ancho / 2, -ancho / 2, -ancho / 2));
    }
}

void PictureWidget::setScale(qreal scale, QSize size) {
    scale_ = scale;
    setFixedSize(size);
    update();
}

void PictureWidget::Cleared() { RequestRepaint(); }

// The line width alone changes nothing on screen.
void PictureWidget::DrawWidthSet(int) {}

void PictureWidget::Drawn(const Op&) { RequestRepaint(); }

// Hidden, update() asks for nothing, and showing paints the whole widget anyway.
void PictureWidget::RequestRepaint() {
    if (repaintPending_ || !isVisible()) return;
    repaintPending_ = true;
    update();
}

}  // namespace trazalia::canvas
