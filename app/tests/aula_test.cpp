// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QShortcut>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QToolTip>
#include <QTranslator>
#include <algorithm>
#include <vector>

#include "app/ayuda.h"
#include "app/editor.h"
#include "app/idioma.h"
#include "app/tests/con_aplicacion.h"
#include "app/ventana_metodo.h"
#include "canvas/qt/picture_widget.h"
#include "session/sesion.h"

namespace trazalia::app {
namespace {

using Aula = ConAplicacion;

TEST_F(Aula, FocusReturnsToTheControlThatHadIt) {
    Ventana& f = Hacer("Form2");
    f.barra(3)->setFocus();
    f.boton(2)->click();  // Regresar
    app.form1().boton(1)->click();
    EXPECT_EQ(f.focusWidget(), f.barra(3));
}

TEST_F(Aula, TheEditorRefusesAValueOutOfRangeAndEscCancelsWithoutLeaving) {
    Ventana& f = Hacer("Form2 4=30");
    QTest::mouseDClick(f.rotulo(8), Qt::LeftButton);
    auto* editor = f.findChild<EditorDeValor*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QLatin1String("30"));
    QTest::keyClicks(editor, QStringLiteral("400"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_NE(editor->pista(), nullptr);
    EXPECT_EQ(editor->pista()->text(), QLatin1String("De 0 a 360"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.focusWidget(), f.barra(4));
    EXPECT_EQ(f.barra(4)->value(), 30);
}

TEST_F(Aula, F1OpensTheGuideWhichLeadsToTheAboutBox) {
    Ventana& f = Hacer("Form3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_F1);
    auto* ayuda = f.findChild<Ayuda*>();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_EQ(ayuda->windowTitle(), QStringLiteral("Ayuda de Trazalia"));
    EXPECT_TRUE(ayuda->texto()->toPlainText().contains(QStringLiteral("modo guion")));
    // Written with non-breaking hyphens, so that it is never split across lines.
    EXPECT_TRUE(ayuda->AcercaDe()
                    ->text()
                    .replace(QChar(0x2011), u'-')
                    .contains(QLatin1String("GPL-3.0-or-later")));
}

// The guide's table of keys as the user reads it: each row's keys, and what they do.
struct FilaDeTeclas {
    QStringList teclas;
    QString que;
};

std::vector<FilaDeTeclas> TablaDeTeclas(const Ayuda& ayuda) {
    std::vector<FilaDeTeclas> filas;
    const auto texto = [](const QTextTableCell& celda) {
        QTextCursor c = celda.firstCursorPosition();
        c.setPosition(celda.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return c.selectedText();
    };
    for (QTextFrame* marco : ayuda.texto()->document()->rootFrame()->childFrames())
        if (auto* tabla = qobject_cast<QTextTable*>(marco))
            for (int i = 0; i < tabla->rows(); ++i)
                filas.push_back({texto(tabla->cellAt(i, 0)).split(QLatin1String(", ")),
                                 texto(tabla->cellAt(i, 1))});
    return filas;
}

// A row with that key, as Qt names it in the user's language, that says what.
bool Nombrada(const std::vector<FilaDeTeclas>& tabla, const QKeySequence& tecla,
              const QString& que) {
    return std::any_of(tabla.begin(), tabla.end(), [&](const FilaDeTeclas& f) {
        return f.teclas.contains(tecla.toString(QKeySequence::NativeText)) && f.que.contains(que);
    });
}

// Every key a window answers to is in the guide, beside its action's name.
TEST_F(Aula, TheGuideNamesEveryKeyOfEveryWindow) {
    Hacer("Form2").boton(2)->click();  // Regresar
    Ventana& f = Hacer("Form3");
    const std::vector<FilaDeTeclas> tabla = TablaDeTeclas(*Ayuda::Mostrar(&f));
    int atajos = 0;
    for (const char* nombre : {"Form1", "Form2", "Form3"}) {
        Ventana& v = *app.ventana(QLatin1String(nombre));
        QList<QAction*> acciones = v.actions() + v.findChildren<QAction*>();
        if (v.Picture1()) acciones += v.Picture1()->actions();
        for (const QAction* a : acciones)
            for (const QKeySequence& tecla : a->shortcuts()) {
                ++atajos;
                EXPECT_TRUE(Nombrada(tabla, tecla, a->text()))
                    << nombre << ": " << tecla.toString().toStdString() << ' '
                    << a->text().toStdString();
            }
        for (const QShortcut* atajo : v.findChildren<QShortcut*>())
            for (const QKeySequence& tecla : atajo->keys()) {
                ++atajos;
                EXPECT_TRUE(Nombrada(tabla, tecla, QString()))
                    << nombre << ": " << tecla.toString().toStdString();
            }
    }
    EXPECT_GT(atajos, 0);
    // The controls' own keys too.
    EXPECT_TRUE(Nombrada(tabla, QKeySequence(Qt::Key_PageUp), QString()));
}

TEST_F(Aula, TheGuideInEnglishSaysWhatItsKeysDoInEnglish) {
    const EnIngles ingles;
    Ventana& f = Hacer("Form2");
    const std::vector<FilaDeTeclas> tabla = TablaDeTeclas(*Ayuda::Mostrar(&f));
    for (const FilaDeTeclas& fila : tabla)
        EXPECT_FALSE(fila.que.contains(QLatin1String("Copiar imagen")));
    for (QKeySequence::StandardKey tecla : {QKeySequence::Copy, QKeySequence::Print})
        EXPECT_TRUE(Nombrada(tabla, QKeySequence::keyBindings(tecla).value(0),
                             tecla == QKeySequence::Copy ? QStringLiteral("Copy picture")
                                                         : QStringLiteral("Print")));
    EXPECT_TRUE(Nombrada(tabla, QKeySequence(Qt::Key_G), QStringLiteral("Grid")));
}

// One guide for the program, and one about box: open when their window is left, they go on beside
// the window shown next, at its zoom, fonts included; F1 there brings the same guide. Tooltips
// follow the zoom too.
TEST_F(Aula, OneGuideFollowsTheUserAtTheWindowsZoom) {
    Ventana& f = Hacer("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_F1);
    auto* ayuda = f.findChild<Ayuda*>();
    ASSERT_NE(ayuda, nullptr);
    QMessageBox* acerca = ayuda->AcercaDe();
    const QSize tamano = ayuda->size();
    const double letra = ayuda->texto()->font().pointSizeF();
    const double consejo = QToolTip::font().pointSizeF();
    f.boton(2)->click();  // Regresar
    Ventana& inicio = app.form1();
    EXPECT_EQ(ayuda->parentWidget(), &inicio);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_TRUE(acerca->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&inicio));
    app.zoom().Fijar(0.8);
    EXPECT_DOUBLE_EQ(QToolTip::font().pointSizeF(), consejo * 0.8);
    EXPECT_EQ(ayuda->size(), tamano * 0.8);
    EXPECT_DOUBLE_EQ(ayuda->texto()->font().pointSizeF(), letra * 0.8);
    EXPECT_DOUBLE_EQ(acerca->font().pointSizeF(), letra * 0.8);
    QTest::keyClick(&inicio, Qt::Key_F1);
    int guias = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) guias += qobject_cast<Ayuda*>(w) != nullptr;
    EXPECT_EQ(guias, 1);
    EXPECT_EQ(ayuda->AcercaDe(), acerca);
    app.zoom().Fijar(1);
}

// Zoomed for a projector, the focus frame is 2 pixels × the zoom in the highlight colour, and
// the arrows of a scroll bar are as large as their buttons allow.
TEST_F(Aula, FocusAndArrowsGrowWithTheZoom) {
    Ventana& f = Hacer("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    app.zoom().LimitarA(QSize(3840, 2160));
    app.zoom().Fijar(2);
    // The result's read-outs take the keyboard in practice, for a guess to be typed into them.
    static_cast<VentanaMetodo&>(f).nucleo().practica().Comenzar(7, practice::Nivel::Medio);
    for (const char* nombre : {"Command1", "HScroll1", "Picture1", "Label10", "Label12"}) {
        QWidget* w = f.control(QLatin1String(nombre));
        w->setFocus();
        const QImage imagen = w->grab().toImage();
        const QColor resalte = w->palette().color(QPalette::Highlight);
        for (int x : {0, 3})
            EXPECT_EQ(imagen.pixelColor(x, imagen.height() / 2), resalte) << nombre << ' ' << x;
    }
    QScrollBar* barra = f.barra(1);
    QStyleOptionSlider opcion;
    opcion.initFrom(barra);
    opcion.orientation = Qt::Horizontal;
    opcion.minimum = barra->minimum();
    opcion.maximum = barra->maximum();
    const QRect boton = barra->style()->subControlRect(QStyle::CC_ScrollBar, &opcion,
                                                       QStyle::SC_ScrollBarSubLine, barra);
    const QImage imagen = barra->grab(boton).toImage();
    int arriba = imagen.height(), abajo = -1;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (qGray(imagen.pixel(x, y)) < 80) arriba = std::min(arriba, y), abajo = y;
    EXPECT_GE(abajo - arriba + 1, boton.height() / 3);
    app.zoom().Fijar(1);
}

// A thumb as wide as its bar is high: HScroll7's seven steps are seven distinct positions.
TEST_F(Aula, ThumbsAreSquare) {
    for (QScrollBar* b : {Hacer("Form3").barra(7), app.metodo("Form3").barra(4)}) {
        QStyleOptionSlider opcion;
        opcion.initFrom(b);
        opcion.orientation = Qt::Horizontal;
        opcion.minimum = b->minimum();
        opcion.maximum = b->maximum();
        opcion.sliderPosition = b->value();
        const QRect pulgar = b->style()->subControlRect(QStyle::CC_ScrollBar, &opcion,
                                                        QStyle::SC_ScrollBarSlider, b);
        EXPECT_EQ(pulgar.width(), b->height()) << b->objectName().toStdString();
    }
}

// The step bar and its read-out tell the order that the bar's step draws.
class PasoTest : public Aula, public testing::WithParamInterface<std::pair<int, const char*>> {};

TEST_P(PasoTest, TooltipsTellTheStepsOrder) {
    Ventana& f = Hacer("Form3");
    f.barra(7)->setValue(GetParam().first);
    for (QWidget* w : {static_cast<QWidget*>(f.barra(7)), static_cast<QWidget*>(f.rotulo(18))})
        EXPECT_TRUE(w->toolTip().contains(QString::fromUtf8(GetParam().second)))
            << w->toolTip().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pasos, PasoTest,
                         testing::Values(std::pair{2, "Paso 2 de 7: vectores 1, 3 y 2"},
                                         std::pair{7, "Paso 7 de 7: los seis órdenes a la vez"}),
                         [](const auto& info) { return std::to_string(info.param.first); });

}  // namespace
}  // namespace trazalia::app
