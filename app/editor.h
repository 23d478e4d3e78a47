// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <functional>
#include <optional>

class QValidator;

namespace trazalia::app {

// What an editor sets: a scroll bar's value, or another value that a read-out shows.
struct Destino {
    // Gets the focus back when the editor closes; Tab goes on from it.
    QWidget* foco = nullptr;
    // The accessible name of what is typed.
    QString nombre;
    // What the editor takes as the user types; the editor owns it.
    QValidator* validador = nullptr;
    // The text a double click opens the editor with.
    std::function<QString()> valor;
    // Whether the typed text is a value it takes; when not, the hint says which it takes.
    std::function<bool(const QString&)> acepta;
    QString pista;
    // Sets a value it takes, once the editor has closed.
    std::function<void(const QString&)> fijar;
    // Whether the editor opens now; always when not given.
    std::function<bool()> disponible;
    // Whether leaving the editor for another control (Tab, a click) sets what was typed, as Enter
    // does; otherwise leaving it drops the text, as Esc does.
    bool fijaAlSalir = false;
};

// A small editor over a read-out, for typing an exact value. Enter sets the scroll bar whose value
// the read-out shows, which runs its change handler as any other change does (or sets the other
// value the read-out shows); Esc cancels; a value outside the range, or a key the editor does not
// take, is refused with a hint and changes nothing. Either way the bar gets the focus back. It
// keeps the place and the font of its read-out at any zoom.
class EditorDeValor final : public QLineEdit {
    Q_OBJECT
public:
    // From now on, while the destination is available, a digit typed on destino.foco (a bar, or
    // the read-out itself when it takes the focus), or a double click on the read-out, opens the
    // editor over the read-out: with that digit, or with the value selected. Each read-out has
    // one editor, hidden while closed, so that opening it again and again allocates nothing.
    // Without destino.foco, the read-out is it.
    static void Enlazar(QLabel* lectura, Destino destino);
    // A bar's editor: its name, its value and its range's hint; what it takes and how it is set
    // are the window's to give (acepta, fijar).
    static Destino DeLaBarra(QScrollBar* barra);

    EditorDeValor(Destino destino, QLabel* lectura);

    // Shows the editor with that text and gives it the focus.
    void Abrir(const QString& texto);

    // The scroll bar the editor sets, or null when it sets another value.
    QScrollBar* barra() const { return qobject_cast<QScrollBar*>(destino_.foco); }
    const Destino& destino() const { return destino_; }
    // The hint under the editor after a refused value, or null.
    QLabel* pista() const { return pista_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Aceptar();
    void Rechazar();
    // Over the read-out, and the hint under the editor, wherever the window has put them.
    void Colocar();
    // Closes the editor; the bar takes the focus back unless the user has moved it elsewhere.
    void Cerrar(bool devolverFoco);

    Destino destino_;
    QPointer<QWidget> foco_;
    QPointer<QLabel> lectura_;
    const QObject* observada_;  // the read-out whose events the editor follows
    QPointer<QLabel> pista_;
    bool cerrado_ = true;
};

}  // namespace trazalia::app
