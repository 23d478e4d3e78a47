// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ayuda.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/emblema.h"

namespace trazalia::app {

Ayuda::Ayuda(QWidget* parent) : QDialog(parent), texto_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("ayuda"));
    setWindowTitle(QStringLiteral("Ayuda de Trazalia"));
    setModal(false);
    resize(640, 560);
    texto_->setSource(QUrl(QStringLiteral("qrc:/ayuda.html")));
    texto_->setAccessibleName(QStringLiteral("Guía de Trazalia"));

    auto* botones = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* acerca =
        botones->addButton(QStringLiteral("Acerca de Trazalia"), QDialogButtonBox::HelpRole);
    connect(acerca, &QPushButton::clicked, this, &Ayuda::AcercaDe);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* capas = new QVBoxLayout(this);
    capas->addWidget(texto_);
    capas->addWidget(botones);
}

Ayuda* Ayuda::Mostrar(QWidget* ventana) {
    auto* ayuda = ventana->findChild<Ayuda*>(QString(), ::Qt::FindDirectChildrenOnly);
    if (!ayuda) ayuda = new Ayuda(ventana);
    ayuda->show();
    ayuda->raise();
    ayuda->activateWindow();
    // The arrows and Page keys scroll the guide.
    ayuda->texto()->setFocus();
    return ayuda;
}

QMessageBox* Ayuda::AcercaDe() {
    if (!acercaDe_) {
        const QString texto =
            QStringLiteral(
                "<h3>Trazalia %1</h3>"
                "<p>Suma de vectores en el plano por los métodos del paralelogramo y del "
                "polígono.</p>"
                "<p>Licencia: GNU GPL, versión 3 o posterior (GPL-3.0-or-later).</p>"
                "<p>Créditos: Equipo Trazalia. Hecho con Qt %2.</p>")
                .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion()));
        acercaDe_ = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Acerca de Trazalia"),
                                    texto, QMessageBox::Close, this);
        acercaDe_->setIconPixmap(IconoTrazalia().pixmap(64, 64));
        acercaDe_->setModal(false);
    }
    acercaDe_->show();
    acercaDe_->raise();
    acercaDe_->activateWindow();
    return acercaDe_;
}

}  // namespace trazalia::app
