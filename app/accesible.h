// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

namespace trazalia::app {

// Makes screen readers present the drawing areas and the emblem as pictures, which they read
// with their description, instead of as empty panels. Safe to call more than once.
void InstalarAccesibilidad();

// A widget's accessible description that is written only when a screen reader asks for it,
// through the widget's accessible interface: building it after every event cost as much as a
// good part of the event's drawing. Until the first change the widget's own description stands.
class DescripcionAlPedir final : public QObject {
    Q_OBJECT
public:
    // A child of widget, which it describes with what describir returns.
    DescripcionAlPedir(QWidget& widget, std::function<QString()> describir);
    // What describir returns has changed: it is asked again when the description is next wanted,
    // and screen readers are told, so that those listening ask now.
    void Cambio();
    // The description now.
    QString texto() const;
    // The one that describes widget, if any.
    static DescripcionAlPedir* De(const QObject* widget);

private:
    QWidget& widget_;
    std::function<QString()> describir_;
    mutable std::optional<QString> texto_;
    bool cambiada_ = false;
};

// What a screen reader is told as a widget's description.
QString DescripcionAccesible(QWidget* widget);

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
