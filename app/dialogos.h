// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace trazalia::app {

// How the windows ask the user and tell of failures. The program asks through Qt's dialogs;
// tests give their own answers, and must give every one.
class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Where to save, starting from the file name offered; empty when the user cancels.
    virtual QString ArchivoParaGuardar(QWidget* parent, const QString& nombre) = 0;
    // The same for a file of one kind, asked under its own title with its one filter
    // ("Banco de preguntas de Moodle (*.xml)"); by default as ArchivoParaGuardar.
    virtual QString ArchivoDeUnTipo(QWidget* parent, const QString& nombre, const QString& titulo,
                                    const QString& filtro) {
        (void)titulo;
        (void)filtro;
        return ArchivoParaGuardar(parent, nombre);
    }
    // Tells the user that something went wrong.
    virtual void Aviso(QWidget* parent, const QString& titulo, const QString& texto) = 0;
    // Shows a preview of what imprimir paints on a printer, and prints it where the user says.
    virtual void Imprimir(QWidget* parent, const std::function<void(QPrinter&)>& imprimir) = 0;
    // Asks for a line of text, offering actual; nothing when the user skips the question.
    virtual std::optional<QString> Texto(QWidget* parent, const QString& titulo,
                                         const QString& pregunta, const QString& actual) = 0;
};

// Qt's file dialog, opened in the folder last saved to in this session (at first the pictures
// folder), a message box, Qt's print preview with its print dialog, and an input dialog.
class DialogosQt final : public Dialogos {
public:
    QString ArchivoParaGuardar(QWidget* parent, const QString& nombre) override;
    QString ArchivoDeUnTipo(QWidget* parent, const QString& nombre, const QString& titulo,
                            const QString& filtro) override;
    void Aviso(QWidget* parent, const QString& titulo, const QString& texto) override;
    void Imprimir(QWidget* parent, const std::function<void(QPrinter&)>& imprimir) override;
    std::optional<QString> Texto(QWidget* parent, const QString& titulo, const QString& pregunta,
                                 const QString& actual) override;

private:
    QString Preguntar(QWidget* parent, const QString& nombre, const QString& titulo,
                      const QString& filtro);

    QString carpeta_;
};

}  // namespace trazalia::app
