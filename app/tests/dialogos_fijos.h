// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "app/dialogos.h"

namespace trazalia::app {

// Answers the save dialog with a fixed path and records what the window offered and what it
// told the user ("title|text").
struct DialogosFijos final : Dialogos {
    QString ArchivoParaGuardar(QWidget*, const QString& nombre) override {
        ofrecido = nombre;
        return ruta;
    }
    void Aviso(QWidget*, const QString& t, const QString& x) override { avisos << t + u'|' + x; }
    // Prints nothing, and says it was asked.
    void Imprimir(QWidget*, const std::function<void(QPrinter&)>&) override {
        avisos << QStringLiteral("Imprimir");
    }
    // Answers with nombre, or skips when it holds nothing; records each question.
    std::optional<QString> Texto(QWidget*, const QString&, const QString& pregunta,
                                 const QString&) override {
        preguntas << pregunta;
        return nombre;
    }
    QString ruta, ofrecido;
    QStringList avisos, preguntas;
    std::optional<QString> nombre;
};

}  // namespace trazalia::app
