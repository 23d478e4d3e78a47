// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class QMessageBox;
class QTextBrowser;

namespace trazalia::app {

// "Ayuda de Trazalia": a short guide to the methods, the steps, the keys, pictures and script
// mode, which leads to "Acerca de Trazalia". Not modal, so the window stays usable beside it.
// The program has one, which goes with the window that last asked for it, and from a window that
// is hidden to the next shown; its size and fonts, and the about box's, follow that window's scale.
class Ayuda final : public QDialog {
    Q_OBJECT
public:
    explicit Ayuda(QWidget* parent);

    // Shows the guide beside that window, made on first use, and brings it to the front.
    static Ayuda* Mostrar(QWidget* ventana);
    // A window shown: the guide (and the about box) that was open when its window was hidden
    // opens again beside this one, leaving it the focus.
    static void Acompanar(QWidget* ventana);

    // "Acerca de Trazalia": version, licence and credits.
    QMessageBox* AcercaDe();

    // Size and fonts that many times the program's own; kept within the screen.
    void Ajustar(double factor);

    QTextBrowser* texto() const { return texto_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    static Ayuda* Unica();
    // Beside that window, at its scale.
    void Pasar(QWidget* ventana);
    void EscalarAcercaDe();

    QTextBrowser* texto_;
    QPointer<QMessageBox> acercaDe_;
    double factor_ = 1;
    // Open when its window was hidden: it goes on with the next window shown.
    bool seguir_ = false;
    bool seguirAcercaDe_ = false;
};

}  // namespace trazalia::app
