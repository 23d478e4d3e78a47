// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/tests/con_aplicacion.h"
#include "app/tests/dialogos_fijos.h"
#include "practice/moodle.h"

namespace trazalia::app {
namespace {

class ExportarMoodle : public ConAplicacion {
public:
    ExportarMoodle() { app.setDialogos(std::unique_ptr<Dialogos>(dialogos)); }

    DialogosFijos* dialogos = new DialogosFijos;  // owned by app
    QTemporaryDir carpeta;
};

// The worksheet dialog exports the sheet in its preview, with every option as set, as the command
// line would write it; a save that fails is told.
TEST_F(ExportarMoodle, TheSheetsOptionsAsAQuestionBankOrItsFailureTold) {
    Ventana& f = Hacer("Form3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(f.windowHandle(), Qt::Key_W);
    auto* hoja = f.findChild<QDialog*>(QStringLiteral("hoja"));
    ASSERT_NE(hoja, nullptr);
    QPushButton* exportar = nullptr;
    for (QPushButton* b : hoja->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("E&xportar a Moodle…")) exportar = b;
    ASSERT_NE(exportar, nullptr);
    // The form's fields in the order they are made: method, level and paper; seed and title.
    const QList<QComboBox*> listas = hoja->findChildren<QComboBox*>();
    const QList<QLineEdit*> lineas = hoja->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(lineas.size(), 2);
    hoja->findChild<QSpinBox*>()->setValue(3);
    listas[0]->setCurrentIndex(2);
    listas[1]->setCurrentIndex(0);
    lineas[0]->setText(QStringLiteral("918"));
    lineas[1]->setText(QStringLiteral("Tarea 5"));

    dialogos->ruta = carpeta.filePath(QStringLiteral("banco"));
    exportar->click();
    EXPECT_EQ(dialogos->ofrecido, "moodle.xml");
    QFile banco(carpeta.filePath(QStringLiteral("banco.xml")));
    ASSERT_TRUE(banco.open(QIODevice::ReadOnly));
    practice::OpcionesDeHoja opciones;
    opciones.ejercicios = 3;
    opciones.metodo = practice::Metodo::Poligono;
    opciones.nivel = practice::Nivel::Facil;
    opciones.semilla = 918;
    opciones.titulo = "Tarea 5";
    EXPECT_TRUE(banco.readAll().toStdString() == practice::BancoDeMoodle(opciones));
    EXPECT_TRUE(dialogos->avisos.isEmpty());

    dialogos->ruta = carpeta.filePath(QStringLiteral("no/hay.xml"));
    exportar->click();
    ASSERT_EQ(dialogos->avisos.size(), 1);
    EXPECT_TRUE(dialogos->avisos[0].startsWith(QStringLiteral("No se pudo exportar a Moodle|")));
}

}  // namespace
}  // namespace trazalia::app
