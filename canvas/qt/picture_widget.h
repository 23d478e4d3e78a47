// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "canvas/picture.h"

namespace trazalia::canvas {

// Shows its picture at 15 twips per logical pixel, repainting from the display list, so the
// drawing survives covering and hiding and is crisp at any device pixel ratio. It takes keyboard
// focus and then draws a frame in the highlight colour inside its edge, as much wider as it is
// scaled.
class PictureWidget : public QWidget, private PictureListener {
    Q_OBJECT

public:
    // Width and height in twips; the widget's fixed size is their nearest whole logical pixels.
    PictureWidget(float width, float height, Color fore = kBlack, QWidget* parent = nullptr);
    ~PictureWidget() override;

    // The picture shown: its own, or the one Mostrar gave it.
    Picture& picture() { return *shown_; }
    const Picture& picture() const { return *shown_; }
    // Shows that picture, of the same size, instead of its own from now on: a window that only
    // shows a model's picture. It must outlive the widget, or be replaced first.
    void Mostrar(Picture& picture);

    // Draws the picture that many times larger, from its display list, in a widget of that size
    // (the window's rounding of the scaled size).
    void setScale(qreal scale, QSize size);
    qreal scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Cleared() override;
    void DrawWidthSet(int width) override;
    void Drawn(const Op& op) override;
    void RequestRepaint();

    Picture picture_;
    Picture* shown_ = &picture_;
    ListenerHandle listener_;
    qreal scale_ = 1;
    // A repaint is already asked for: a redraw adds dozens of operations, and each update() would
    // walk the window's dirty regions again.
    bool repaintPending_ = false;
};

}  // namespace trazalia::canvas
