// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class QMessageBox;
class QTextBrowser;

namespace trazalia::app {

// "Ayuda de Trazalia": a short guide to the methods, the steps, the keys, pictures and script
// mode, which leads to "Acerca de Trazalia". Not modal, so the window stays usable beside it.
class Ayuda final : public QDialog {
    Q_OBJECT
public:
    explicit Ayuda(QWidget* parent);

    // Shows the window's guide, made on first use, and brings it to the front.
    static Ayuda* Mostrar(QWidget* ventana);

    // "Acerca de Trazalia": version, licence and credits.
    QMessageBox* AcercaDe();

    QTextBrowser* texto() const { return texto_; }

private:
    QTextBrowser* texto_;
    QPointer<QMessageBox> acercaDe_;
};

}  // namespace trazalia::app
