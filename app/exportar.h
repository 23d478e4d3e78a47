// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QFileDialog;
class QMimeData;
class QPrinter;
class QWidget;

namespace trazalia::canvas {
class Picture;
}

namespace trazalia::app {

// What saving a picture asks of the user. The program asks through Qt's dialogs; tests give
// their own answers.
class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Where to save, starting from the file name offered; empty when the user cancels.
    virtual QString ArchivoParaGuardar(QWidget* parent, const QString& nombre) = 0;
    // Tells the user that something went wrong.
    virtual void Aviso(QWidget* parent, const QString& titulo, const QString& texto) = 0;
    // Shows a preview of what imprimir paints on a printer, and prints it where the user says.
    // Answers that never print may leave it out: then nothing is printed.
    virtual void Imprimir(QWidget* parent, const std::function<void(QPrinter&)>& imprimir) {
        (void)parent;
        (void)imprimir;
    }
};

// Qt's file dialog, opened in the folder last saved to in this session (at first the pictures
// folder), and a message box.
class DialogosQt final : public Dialogos {
public:
    QString ArchivoParaGuardar(QWidget* parent, const QString& nombre) override;
    void Aviso(QWidget* parent, const QString& titulo, const QString& texto) override;
    // Qt's print preview, with its print dialog (app/impresion.cpp).
    void Imprimir(QWidget* parent, const std::function<void(QPrinter&)>& imprimir) override;

private:
    QString carpeta_;
};

// The save dialog, not yet shown: for a picture (a path offered as .png) PNG, SVG and PDF, the
// file name's extension following the type the user picks; for a path offered as .pdf or .csv
// that type alone. The path offered is already selected. The parent owns it, so it goes with
// its window; whoever shows it may delete it sooner.
QFileDialog* CrearDialogoGuardar(QWidget* parent, const QString& ruta);

// The picture for the clipboard: the image at that device pixel ratio, and the text.
QMimeData* DatosDelDibujo(const canvas::Picture& picture, const QString& texto, qreal ratio);

}  // namespace trazalia::app
