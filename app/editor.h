// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>

namespace trazalia::app {

// A small editor over a scroll bar's read-out, for typing an exact value. Enter sets the bar,
// which runs its change handler as any other change does; Esc cancels; a value outside the bar's
// range is refused with a hint and changes nothing. Either way the bar gets the focus back.
class EditorDeValor final : public QLineEdit {
    Q_OBJECT
public:
    // From now on a digit typed on the bar, or a double click on its read-out, opens the editor
    // over the read-out: with that digit, or with the bar's value selected.
    static void Enlazar(QScrollBar* barra, QLabel* lectura);

    EditorDeValor(QScrollBar* barra, QLabel* lectura, const QString& texto);

    QScrollBar* barra() const { return barra_; }
    // The hint under the editor after a refused value, or null.
    QLabel* pista() const { return pista_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Aceptar();
    // Closes the editor; the bar takes the focus back unless the user has moved it elsewhere.
    void Cerrar(bool devolverFoco);

    QPointer<QScrollBar> barra_;
    QPointer<QLabel> pista_;
    bool cerrado_ = false;
};

}  // namespace trazalia::app
