// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace trazalia::app {

// Makes screen readers present the drawing areas and the emblem as pictures, which they read
// with their description, instead of as empty panels. Safe to call more than once.
void InstalarAccesibilidad();

// Tells screen readers a result without moving the focus: a notification that nobody sees (it
// has no size) and whose name is what was last said. Screen readers speak a notification when it
// shows (AT-SPI's object:state-changed:showing), as they do a desktop's pop-up messages.
class Anuncio final : public QWidget {
    Q_OBJECT
public:
    explicit Anuncio(QWidget* parent);
    void Decir(const QString& texto);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};

}  // namespace trazalia::app
