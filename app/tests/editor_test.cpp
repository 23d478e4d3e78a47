// SPDX-License-Identifier: GPL-3.0-or-later
// The exact-value editor on the real windows.

#include <gtest/gtest.h>
#include <QLabel>
#include <QTest>
#include <ostream>
#include <string>

#include "app/editor.h"
#include "app/tests/con_aplicacion.h"
#include "app/zoom.h"

namespace trazalia::app {
namespace {

using Editor = ConAplicacion;

// Opened at 100 %, then zoomed: the editor stays over its read-out, in the read-out's font.
TEST_F(Editor, FollowsItsReadOutWhenTheZoomChanges) {
    Ventana& f = Hacer("Form3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(f.barra(7), Qt::Key_3);
    auto* editor = f.findChild<EditorDeValor*>();
    ASSERT_NE(editor, nullptr);
    app.zoom().Fijar(1.5);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->geometry(), f.rotulo(18)->geometry());
    EXPECT_EQ(editor->font(), f.rotulo(18)->font());
}

// Return, the keypad's Enter and Tab each set what was typed into a bar's editor.
struct Salida {
    const char* nombre;
    Qt::Key tecla;
    Qt::KeyboardModifiers modificadores;
};

void PrintTo(const Salida& s, std::ostream* os) { *os << s.nombre; }

class SalidaDelEditor : public ConAplicacion, public testing::WithParamInterface<Salida> {};

TEST_P(SalidaDelEditor, SetsTheBarToWhatWasTyped) {
    Ventana& f = Hacer("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.barra(1)->setFocus();
    QTest::keyClick(f.barra(1), Qt::Key_4);
    auto* editor = f.findChild<EditorDeValor*>();
    ASSERT_TRUE(editor && editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_2);
    QTest::keyClick(editor, GetParam().tecla, GetParam().modificadores);
    EXPECT_EQ(f.barra(1)->value(), 42);
    EXPECT_FALSE(editor->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Teclas, SalidaDelEditor,
                         testing::Values(Salida{"Intro", Qt::Key_Return, Qt::NoModifier},
                                         Salida{"IntroDelTeclado", Qt::Key_Enter,
                                                Qt::KeypadModifier},
                                         Salida{"Tab", Qt::Key_Tab, Qt::NoModifier}),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace trazalia::app
