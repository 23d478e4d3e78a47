// SPDX-License-Identifier: GPL-3.0-or-later
// Practice on the windows: a guess dragged on the picture at any zoom, the P and N keys, and a
// record that cannot be written told to the user.
#include <gtest/gtest.h>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <numbers>
#include <string>

#include "app/acciones.h"
#include "app/dialogos.h"
#include "app/exportar.h"
#include "app/form2.h"
#include "app/form3.h"
#include "app/practica.h"
#include "app/tests/con_aplicacion.h"
#include "app/tests/dialogos_fijos.h"
#include "app/vistas.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/marco.h"

namespace trazalia::app {
namespace {

// Where a vector of magnitude r at alfa degrees ends on the picture widget, in its pixels: the
// picture's own mapping, at the widget's scale.
QPoint Punta(const VentanaMetodo& v, double r, double alfa) {
    const canvas::PictureWidget* w = v.Picture1();
    const diagram::Punto p = diagram::Punta(w->picture(), r, alfa * std::numbers::pi / 180,
                                            v.dibujo()->Escala, v.dibujo()->escalado);
    return (QPointF(p.x, p.y) / canvas::kTwipsPerPixel * w->scale()).toPoint();
}

struct Arrastre {
    double zoom;
    double r;
    double alfa;
    bool fija = false;  // with the fixed scale's view
};

class ArrastrarIntento : public ConAplicacion, public testing::WithParamInterface<Arrastre> {};

// Pressed on the origin, moved and released: the guess is the point where it was let go.
TEST_P(ArrastrarIntento, TheGuessIsWhereTheDragEnds) {
    const Arrastre a = GetParam();
    VentanaMetodo& f = Metodo("Form2");
    app.zoom().Fijar(a.zoom);
    app.vistas().Poner(diagram::Vista::EscalaFija, a.fija);
    AccionesDelDibujo::De(f).practica().Comenzar(3, practice::Nivel::Medio);
    QWidget* picture = f.Picture1();
    QTest::mousePress(picture, Qt::LeftButton, {}, Punta(f, 0, 0));
    QTest::mouseMove(picture, Punta(f, a.r / 2, a.alfa + 40));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, Punta(f, a.r, a.alfa));
    ASSERT_TRUE(AccionesDelDibujo::De(f).practica().intento());
    // A pixel is about Escala / 210 units at zoom 100 %.
    const double tolerancia = f.dibujo()->Escala / 210 / a.zoom + 0.01;
    EXPECT_NEAR(AccionesDelDibujo::De(f).practica().intento()->r, a.r, tolerancia);
    EXPECT_NEAR(AccionesDelDibujo::De(f).practica().intento()->direccion, a.alfa, 1);
}

INSTANTIATE_TEST_SUITE_P(Zooms, ArrastrarIntento,
                         testing::Values(Arrastre{1, 40, 30}, Arrastre{2, 60, 200},
                                         Arrastre{0.5, 25, 315}, Arrastre{1, 70, 120, true}),
                         [](const testing::TestParamInfo<Arrastre>& p) {
                             return "Zoom" + std::to_string(static_cast<int>(p.param.zoom * 100)) +
                                    (p.param.fija ? "Fija" : "");
                         });

// Away from the origin a press is not a guess.
TEST_F(ConAplicacion, ADragAwayFromTheOriginIsNoGuess) {
    VentanaMetodo& f = Metodo("Form2");
    AccionesDelDibujo::De(f).practica().Comenzar(3, practice::Nivel::Medio);
    QTest::mousePress(f.Picture1(), Qt::LeftButton, {}, Punta(f, 30, 0));
    QTest::mouseRelease(f.Picture1(), Qt::LeftButton, {}, Punta(f, 60, 90));
    EXPECT_FALSE(AccionesDelDibujo::De(f).practica().intento());
}

// P starts practice with the result read-outs empty; N sets other vectors.
TEST_F(ConAplicacion, PStartsPracticeAndNGivesAnotherExercise) {
    VentanaMetodo& f = Metodo("Form3 1=40 4=30 7=3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.barra(1)->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_P);
    ASSERT_TRUE(AccionesDelDibujo::De(f).practica().activa());
    EXPECT_EQ(f.rotulo(14)->text(), QString());
    const practice::Ejercicio primero = AccionesDelDibujo::De(f).practica().ejercicio();
    EXPECT_EQ(f.barra(1)->value(), primero[0].m);
    QTest::keyClick(f.windowHandle(), Qt::Key_N);
    EXPECT_NE(AccionesDelDibujo::De(f).practica().ejercicio(), primero);
    EXPECT_EQ(f.barra(6)->value(), AccionesDelDibujo::De(f).practica().ejercicio()[2].d);
    QTest::keyClick(f.windowHandle(), Qt::Key_P);
    EXPECT_FALSE(AccionesDelDibujo::De(f).practica().activa());
}

// As --practica opens them: each method window practises from its first showing.
TEST_F(ConAplicacion, WindowsOpenPractisingWhenAsked) {
    app.setPracticaAlAbrir(true);
    VentanaMetodo& f = Metodo("Form3");
    ASSERT_TRUE(AccionesDelDibujo::De(f).practica().activa());
    EXPECT_EQ(f.barra(3)->value(), AccionesDelDibujo::De(f).practica().ejercicio()[2].m);
}

// A record that cannot be written is told once the picture is drawn; the verdict stands.
TEST_F(ConAplicacion, AFailedRecordIsToldAndTheVerdictStands) {
    auto* avisos = new DialogosFijos;
    app.setDialogos(std::unique_ptr<Dialogos>(avisos));
    QTemporaryDir carpeta;
    app.setRegistro(carpeta.path());
    VentanaMetodo& f = Metodo("Form2");
    AccionesDelDibujo::De(f).practica().Comenzar(7, practice::Nivel::Medio);
    ASSERT_TRUE(AccionesDelDibujo::De(f).practica().Adivinar({88.8, 101.8}));
    f.boton(1)->click();
    ASSERT_TRUE(AccionesDelDibujo::De(f).practica().veredicto());
    EXPECT_EQ(AccionesDelDibujo::De(f).practica().veredicto()->codigo, practice::Codigo::Acierto);
    EXPECT_TRUE(f.Picture1()->accessibleDescription().endsWith(
        QString::fromStdString(AccionesDelDibujo::De(f).practica().veredicto()->texto)));
    QCoreApplication::processEvents();
    EXPECT_EQ(avisos->avisos.size(), 1);
}

// A guess typed into the result read-outs with the bars' editor, a decimal with a point; the
// read-outs then show it, until the answer replaces it.
TEST_F(ConAplicacion, AGuessIsTypedIntoTheResultReadOuts) {
    VentanaMetodo& f = Metodo("Form2");
    AccionesDelDibujo::De(f).practica().Comenzar(7, practice::Nivel::Medio);
    for (auto [lectura, texto] : {std::pair{10, "88.8"}, std::pair{12, "101.8"}}) {
        QLabel* l = f.rotulo(lectura);
        ASSERT_TRUE(l->focusPolicy() & Qt::TabFocus);
        l->setFocus();
        // The first digit opens the editor, which takes the rest.
        for (const char c : std::string(texto))
            QTest::keyClicks(f.focusWidget(), QString(QChar(c)));
        QTest::keyClick(f.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(l->text(), QString::fromLatin1(texto));
        EXPECT_EQ(f.focusWidget(), l);
    }
    ASSERT_TRUE(AccionesDelDibujo::De(f).practica().intento());
    EXPECT_DOUBLE_EQ(AccionesDelDibujo::De(f).practica().intento()->r, 88.8);
    EXPECT_DOUBLE_EQ(AccionesDelDibujo::De(f).practica().intento()->direccion, 101.8);
    f.boton(1)->click();
    EXPECT_EQ(AccionesDelDibujo::De(f).practica().veredicto()->codigo, practice::Codigo::Acierto);
    EXPECT_EQ(f.rotulo(10)->text(), QStringLiteral("88.80"));
    AccionesDelDibujo::De(f).practica().Terminar();
    EXPECT_EQ(f.rotulo(10)->focusPolicy(), Qt::NoFocus);
}

// "Guardar resultados…" offers a CSV file and writes a copy of the record there.
TEST_F(ConAplicacion, SavedResultsAreACopyOfTheRecord) {
    auto* dialogos = new DialogosFijos;
    app.setDialogos(std::unique_ptr<Dialogos>(dialogos));
    QTemporaryDir carpeta;
    app.setRegistro(carpeta.filePath(QStringLiteral("registro.csv")));
    dialogos->ruta = carpeta.filePath(QStringLiteral("copia.csv"));
    VentanaMetodo& f = Metodo("Form2");
    AccionesDelDibujo::De(f).practica().Comenzar(7, practice::Nivel::Medio);
    ASSERT_TRUE(AccionesDelDibujo::De(f).practica().Adivinar({50, 0}));
    f.boton(1)->click();
    AccionesDelDibujo::De(f).practica().accionGuardar()->trigger();
    EXPECT_EQ(dialogos->ofrecido, QStringLiteral("practica.csv"));
    QFile registro(app.registro()), copia(dialogos->ruta);
    ASSERT_TRUE(registro.open(QIODevice::ReadOnly) && copia.open(QIODevice::ReadOnly));
    const QByteArray bytes = copia.readAll();
    EXPECT_EQ(bytes.count('\n'), 2);
    EXPECT_EQ(bytes, registro.readAll());
    EXPECT_TRUE(dialogos->avisos.isEmpty());
}

}  // namespace
}  // namespace trazalia::app
