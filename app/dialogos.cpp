// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "app/exportar.h"
#include "app/zoom.h"

namespace trazalia::app {

namespace {

// Where a session saves first: the pictures folder when there is one.
QString CarpetaInicial() {
    const QString imagenes = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !imagenes.isEmpty() && QDir(imagenes).exists() ? imagenes : QDir::homePath();
}

}  // namespace

QString DialogosQt::ArchivoParaGuardar(QWidget* parent, const QString& nombre) {
    return Preguntar(parent, nombre, {}, {});
}

QString DialogosQt::ArchivoDeUnTipo(QWidget* parent, const QString& nombre, const QString& titulo,
                                    const QString& filtro) {
    return Preguntar(parent, nombre, titulo, filtro);
}

QString DialogosQt::Preguntar(QWidget* parent, const QString& nombre, const QString& titulo,
                              const QString& filtro) {
    if (carpeta_.isEmpty()) carpeta_ = CarpetaInicial();
    // Its window may go while it is open, and take the dialog with it.
    const QPointer<QFileDialog> dialogo =
        CrearDialogoGuardar(parent, QDir(carpeta_).filePath(nombre));
    if (!titulo.isEmpty()) dialogo->setWindowTitle(titulo);
    if (!filtro.isEmpty()) {
        dialogo->setNameFilters({filtro});
        dialogo->setDefaultSuffix(QFileInfo(nombre).suffix());
    }
    const bool aceptado = dialogo->exec() == QDialog::Accepted;
    if (!dialogo) return {};
    QString ruta;
    if (aceptado && !dialogo->selectedFiles().isEmpty()) {
        ruta = dialogo->selectedFiles().first();
        carpeta_ = QFileInfo(ruta).absolutePath();
    }
    delete dialogo.data();
    return ruta;
}

void DialogosQt::Aviso(QWidget* parent, const QString& titulo, const QString& texto) {
    QMessageBox aviso(QMessageBox::Warning, titulo, texto, QMessageBox::Ok, parent);
    EscalarDialogo(aviso, FactorDe(parent));
    aviso.exec();
}

void DialogosQt::Imprimir(QWidget* parent, const std::function<void(QPrinter&)>& imprimir) {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(QStringLiteral("Trazalia"));
    QPrintPreviewDialog vista(&impresora, parent);
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                     [&](QPrinter* destino) { imprimir(*destino); });
    vista.exec();
}

std::optional<QString> DialogosQt::Texto(QWidget* parent, const QString& titulo,
                                         const QString& pregunta, const QString& actual) {
    // Its window may go while it is open, and take the dialog with it.
    const QPointer<QInputDialog> dialogo = new QInputDialog(parent);
    dialogo->setWindowTitle(titulo);
    dialogo->setLabelText(pregunta);
    dialogo->setTextValue(actual);
    dialogo->setCancelButtonText(QCoreApplication::translate("Dialogos", "Omitir"));
    const bool aceptado = dialogo->exec() == QDialog::Accepted;
    if (!dialogo) return std::nullopt;
    std::optional<QString> texto;
    if (aceptado) texto = dialogo->textValue();
    delete dialogo.data();
    return texto;
}

}  // namespace trazalia::app
