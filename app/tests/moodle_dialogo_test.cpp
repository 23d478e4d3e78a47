// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "app/dialogos.h"
#include "app/idioma.h"
#include "app/tests/con_aplicacion.h"
#include "practice/moodle.h"
#include "practice/tests/ventanas.h"

namespace trazalia::app {
namespace {

// Answers every save dialog with a path under a folder, and records what each offered: the name,
// the title and the filter; and what the window told the user.
struct Registro final : Dialogos {
    QString ArchivoParaGuardar(QWidget* parent, const QString& nombre) override {
        return ArchivoDeUnTipo(parent, nombre, {}, {});
    }
    QString ArchivoDeUnTipo(QWidget*, const QString& nombre, const QString& titulo,
                            const QString& filtro) override {
        ofrecidos << nombre + u'|' + titulo + u'|' + filtro;
        return ruta;
    }
    void Aviso(QWidget*, const QString& t, const QString& x) override { avisos << t + u'|' + x; }
    void Imprimir(QWidget*, const std::function<void(QPrinter&)>&) override {}
    std::optional<QString> Texto(QWidget*, const QString&, const QString&,
                                 const QString&) override {
        return std::nullopt;
    }
    QString ruta;
    QStringList ofrecidos, avisos;
};

class ExportarMoodle : public ConAplicacion {
public:
    ExportarMoodle() { app.setDialogos(std::unique_ptr<Dialogos>(dialogos)); }

    // The sheet's dialog over a method window.
    QDialog* Hoja() {
        Ventana& f = Hacer("Form3");
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(f.windowHandle(), Qt::Key_W);
        return f.findChild<QDialog*>(QStringLiteral("hoja"));
    }

    static QPushButton* Boton(QDialog* hoja, const QString& texto) {
        for (QPushButton* b : hoja->findChildren<QPushButton*>())
            if (b->text() == texto) return b;
        return nullptr;
    }

    std::string Leido(const QString& nombre) const {
        QFile archivo(carpeta.filePath(nombre));
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll().toStdString() : std::string();
    }

    Registro* dialogos = new Registro;  // owned by app
    QTemporaryDir carpeta;
};

// The worksheet dialog exports the sheet in its preview, with every option as set and in the
// format chosen, as the command line would write it, asking for an XML file under a title of its
// own; a bank past Moodle's limit goes in numbered files, which the user is told; a save that
// fails is told.
TEST_F(ExportarMoodle, TheSheetsOptionsAsAQuestionBankOrItsFailureTold) {
    QDialog* hoja = Hoja();
    ASSERT_NE(hoja, nullptr);
    QPushButton* exportar = Boton(hoja, QStringLiteral("E&xportar a Moodle…"));
    ASSERT_NE(exportar, nullptr);
    // The form's fields in the order they are made: method, level, paper and format; seed and
    // title.
    const QList<QComboBox*> listas = hoja->findChildren<QComboBox*>();
    const QList<QLineEdit*> lineas = hoja->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(listas.size(), 4);
    ASSERT_EQ(lineas.size(), 2);
    hoja->findChild<QSpinBox*>()->setValue(3);
    listas[0]->setCurrentIndex(2);
    listas[1]->setCurrentIndex(0);
    lineas[0]->setText(QStringLiteral("918"));
    lineas[1]->setText(QStringLiteral("Tarea 5"));
    practice::OpcionesDeHoja opciones;
    opciones.ejercicios = 3;
    opciones.metodo = practice::Form3();
    opciones.nivel = practice::Nivel::Facil;
    opciones.semilla = 918;
    opciones.titulo = "Tarea 5";

    dialogos->ruta = carpeta.filePath(QStringLiteral("banco"));
    exportar->click();
    EXPECT_EQ(dialogos->ofrecidos, QStringList(QStringLiteral(
                                       "moodle.xml|Exportar a Moodle|Banco de preguntas de Moodle "
                                       "(*.xml)")));
    EXPECT_TRUE(Leido(QStringLiteral("banco.xml")) == practice::BancoDeMoodle(opciones).at(0));
    EXPECT_TRUE(dialogos->avisos.isEmpty());

    listas[3]->setCurrentIndex(listas[3]->findData(QStringLiteral("numerico")));
    dialogos->ruta = carpeta.filePath(QStringLiteral("numerico.xml"));
    exportar->click();
    EXPECT_TRUE(Leido(QStringLiteral("numerico.xml")) ==
                practice::BancoDeMoodle(opciones, practice::FormatoDeMoodle::Numerico).at(0));

    hoja->findChild<QSpinBox*>()->setValue(200);
    opciones.ejercicios = 200;
    dialogos->ruta = carpeta.filePath(QStringLiteral("grande.xml"));
    exportar->click();
    const std::vector<std::string> partes =
        practice::BancoDeMoodle(opciones, practice::FormatoDeMoodle::Numerico);
    ASSERT_EQ(partes.size(), 2u);
    EXPECT_TRUE(Leido(QStringLiteral("grande-1.xml")) == partes[0]);
    EXPECT_TRUE(Leido(QStringLiteral("grande-2.xml")) == partes[1]);
    EXPECT_FALSE(QFile::exists(carpeta.filePath(QStringLiteral("grande.xml"))));
    ASSERT_EQ(dialogos->avisos.size(), 1);
    EXPECT_TRUE(dialogos->avisos[0].contains(QStringLiteral("grande-1.xml, grande-2.xml")))
        << dialogos->avisos[0].toStdString();

    dialogos->avisos.clear();
    dialogos->ruta = carpeta.filePath(QStringLiteral("no/hay.xml"));
    exportar->click();
    ASSERT_EQ(dialogos->avisos.size(), 1);
    EXPECT_TRUE(dialogos->avisos[0].startsWith(QStringLiteral("No se pudo exportar a Moodle|")));
}

// In English the sheet's PDF is offered under an English name, as a PDF document.
TEST_F(ExportarMoodle, TheSheetIsOfferedInTheUsersLanguage) {
    const EnIngles ingles;
    QDialog* hoja = Hoja();
    ASSERT_NE(hoja, nullptr);
    QPushButton* guardar = Boton(hoja, QStringLiteral("&Save PDF…"));
    ASSERT_NE(guardar, nullptr);
    guardar->click();
    EXPECT_EQ(dialogos->ofrecidos,
              QStringList(QStringLiteral("worksheet.pdf|Save the worksheet|PDF document (*.pdf)")));
}

// Qt's save dialog shows the title and the one filter it is given.
TEST(DialogosQtTest, AFileOfOneKindUnderItsOwnTitle) {
    QString titulo;
    QStringList filtros;
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        titulo = dialogo->windowTitle();
        filtros = dialogo->nameFilters();
        dialogo->reject();
    });
    DialogosQt dialogos;
    EXPECT_TRUE(dialogos
                    .ArchivoDeUnTipo(nullptr, QStringLiteral("moodle.xml"),
                                     QStringLiteral("Exportar a Moodle"),
                                     QStringLiteral("Banco de preguntas de Moodle (*.xml)"))
                    .isEmpty());
    EXPECT_EQ(titulo, QStringLiteral("Exportar a Moodle"));
    EXPECT_EQ(filtros, QStringList(QStringLiteral("Banco de preguntas de Moodle (*.xml)")));
}

}  // namespace
}  // namespace trazalia::app
