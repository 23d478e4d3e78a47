// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <optional>

namespace trazalia::app {

// A small editor over a scroll bar's read-out, for typing an exact value. Enter sets the bar,
// which runs its change handler as any other change does; Esc cancels; a value outside the bar's
// range, or a key the editor does not take, is refused with a hint and changes nothing. Either
// way the bar gets the focus back. It keeps the place and the font of its read-out at any zoom.
class EditorDeValor final : public QLineEdit {
    Q_OBJECT
public:
    // From now on a digit typed on the bar, or a double click on its read-out, opens the editor
    // over the read-out: with that digit, or with the bar's value selected. Each bar has one
    // editor, hidden while closed, so that opening it again and again allocates nothing.
    static void Enlazar(QScrollBar* barra, QLabel* lectura);

    EditorDeValor(QScrollBar* barra, QLabel* lectura);

    // Shows the editor with that text and gives it the focus.
    void Abrir(const QString& texto);

    QScrollBar* barra() const { return barra_; }
    // The hint under the editor after a refused value, or null.
    QLabel* pista() const { return pista_; }
    // What the user last tried and the editor refused, then forgotten; nothing when none.
    std::optional<QString> TomarRechazo();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Aceptar();
    void Rechazar(const QString& intento);
    // Over the read-out, and the hint under the editor, wherever the window has put them.
    void Colocar();
    // Closes the editor; the bar takes the focus back unless the user has moved it elsewhere.
    void Cerrar(bool devolverFoco);

    QPointer<QScrollBar> barra_;
    QPointer<QLabel> lectura_;
    const QObject* observada_;  // the read-out whose events the editor follows
    QPointer<QLabel> pista_;
    std::optional<QString> rechazo_;
    bool cerrado_ = true;
};

}  // namespace trazalia::app
