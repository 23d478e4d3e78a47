// SPDX-License-Identifier: GPL-3.0-or-later
// A tip dragged with the mouse on Picture1: the pointer's shape, Shift, and what screen readers
// are told. The values a position gives are diagram/tests'; the trace, guiones/arrastre.txt's.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include "app/accesible.h"
#include "app/tests/con_aplicacion.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {
namespace {

using ArrastreTest = ConAplicacion;

void Raton(QWidget* w, QEvent::Type tipo, QPointF en, ::Qt::MouseButtons botones,
           ::Qt::KeyboardModifiers teclas = ::Qt::NoModifier) {
    const auto boton = tipo == QEvent::MouseMove ? ::Qt::NoButton : ::Qt::LeftButton;
    QMouseEvent evento(tipo, en, w->mapToGlobal(en), boton, botones, teclas);
    QCoreApplication::sendEvent(w, &evento);
}

TEST_F(ArrastreTest, ManoShiftYUnSoloAnuncio) {
    VentanaMetodo& v = Metodo("Form2 1=100");
    QWidget* picture = v.Picture1();
    const auto* anuncio = v.findChild<Anuncio*>();
    ASSERT_TRUE(anuncio);
    const QString antes = anuncio->accessibleName();
    const QString descrito = picture->accessibleDescription();
    // Vector 1 reaches the end of the axis: 0.45 of 7000 twips right of the origin, in pixels.
    const QPointF punta(6650 / 15.0, 200);
    Raton(picture, QEvent::MouseMove, {100, 100}, ::Qt::NoButton);
    EXPECT_EQ(picture->cursor().shape(), ::Qt::ArrowCursor);
    Raton(picture, QEvent::MouseMove, punta, ::Qt::NoButton);
    EXPECT_EQ(picture->cursor().shape(), ::Qt::OpenHandCursor);
    Raton(picture, QEvent::MouseButtonPress, punta, ::Qt::LeftButton);
    EXPECT_EQ(picture->cursor().shape(), ::Qt::ClosedHandCursor);
    // 83 units straight up (27 twips each); with Shift, 85.
    const QPointF arriba(3500 / 15.0, 200 - 83 * 27 / 15.0);
    Raton(picture, QEvent::MouseMove, arriba, ::Qt::LeftButton);
    EXPECT_EQ(v.barra(1)->value(), 83);
    EXPECT_EQ(v.barra(3)->value(), 90);
    Raton(picture, QEvent::MouseMove, arriba, ::Qt::LeftButton, ::Qt::ShiftModifier);
    EXPECT_EQ(v.barra(1)->value(), 85);
    // Nothing said on the way, and the figure described once it is let go.
    EXPECT_EQ(anuncio->accessibleName(), antes);
    EXPECT_EQ(picture->accessibleDescription(), descrito);
    Raton(picture, QEvent::MouseButtonRelease, arriba, ::Qt::NoButton, ::Qt::ShiftModifier);
    EXPECT_EQ(anuncio->accessibleName(), QStringLiteral("Vector 1: magnitud 85, dirección 90°."));
    EXPECT_TRUE(picture->accessibleDescription().startsWith(
        QStringLiteral("Vector 1: 85 a 90°. Vector 2: 0 a 0°.")))
        << picture->accessibleDescription().toStdString();
}

}  // namespace
}  // namespace trazalia::app
