// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QWidget>

class QSvgRenderer;

namespace trazalia::app {

// The program's icon: two vectors and their resultant, rendered at the usual icon sizes.
QIcon IconoTrazalia();

// The emblem on the start window, drawn from the vector artwork at any scale.
class Emblema final : public QWidget {
    Q_OBJECT
public:
    explicit Emblema(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Parsed at the first paint: a script builds Form1 but never shows it.
    QSvgRenderer* arte_ = nullptr;
};

}  // namespace trazalia::app
