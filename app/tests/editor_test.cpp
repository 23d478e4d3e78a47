// SPDX-License-Identifier: GPL-3.0-or-later
// The exact-value editor on the real windows.

#include <gtest/gtest.h>
#include <QLabel>
#include <QTest>

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

}  // namespace
}  // namespace trazalia::app
