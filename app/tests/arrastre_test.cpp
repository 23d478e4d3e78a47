// SPDX-License-Identifier: GPL-3.0-or-later
// A tip dragged with the mouse on Picture1: the pointer's shape, Shift, and what screen readers
// are told. The values a position gives are diagram/tests'; the trace, guiones/arrastre.txt's.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/accesible.h"
#include "app/acciones.h"
#include "app/tests/con_aplicacion.h"
#include "app/vistas.h"
#include "canvas/qt/picture_widget.h"
#include "canvas/trace_format.h"
#include "session/sesion.h"

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
    const QString descrito = DescripcionAccesible(picture);
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
    EXPECT_EQ(DescripcionAccesible(picture), descrito);
    Raton(picture, QEvent::MouseButtonRelease, arriba, ::Qt::NoButton, ::Qt::ShiftModifier);
    EXPECT_EQ(anuncio->accessibleName(), QStringLiteral("Vector 1: magnitud 85, dirección 90°."));
    EXPECT_TRUE(DescripcionAccesible(picture).startsWith(
        QStringLiteral("Vector 1: 85 a 90°. Vector 2: 0 a 0°.")))
        << DescripcionAccesible(picture).toStdString();
}

// Where vector k's tip is drawn, in pixels of Picture1 at zoom 100 %.
QPointF Punta(const VentanaMetodo& v, int k) {
    const diagram::Punto p = v.dibujo()->trazos.at(static_cast<std::size_t>(k - 1)).hasta;
    return {p.x / 15, p.y / 15};
}

// The pointer rests on a tip when an exercise is set: its tips hold still, a press there is
// refused, and the open hand goes.
TEST_F(ArrastreTest, NoHandWhereAPressIsRefused) {
    VentanaMetodo& v = Metodo("Form2 1=100");
    QWidget* picture = v.Picture1();
    Raton(picture, QEvent::MouseMove, Punta(v, 1), ::Qt::NoButton);
    ASSERT_EQ(picture->cursor().shape(), ::Qt::OpenHandCursor);
    ASSERT_FALSE(app.sesion().Ejecutar(session::comandos::Practicar{
        v.nucleo().formulario(), session::comandos::QuePractica::Comenzar, 7,
        practice::Nivel::Medio}));
    EXPECT_EQ(picture->cursor().shape(), ::Qt::ArrowCursor);
    Raton(picture, QEvent::MouseMove, Punta(v, 1), ::Qt::NoButton);
    EXPECT_EQ(picture->cursor().shape(), ::Qt::ArrowCursor);
}

// 50 at 0° and 50 at 90°: r = 70.71 is the scale. Vector 1 turned up makes r = 100: while held,
// the picture keeps 70.71 and the tip stays under the pointer; the release draws it at 100.
TEST_F(ArrastreTest, LaPuntaSigueAlPunteroYAlSoltarSeReescala) {
    VentanaMetodo& v = Metodo("Form2 1=50 2=50 4=90");
    QWidget* picture = v.Picture1();
    const double antes = v.dibujo()->Escala;
    ASSERT_NEAR(antes, 70.71, 0.01);
    Raton(picture, QEvent::MouseButtonPress, Punta(v, 1), ::Qt::LeftButton);
    const QPointF arriba(3500 / 15.0, (3000 - 2700 * 50 / antes) / 15);
    Raton(picture, QEvent::MouseMove, arriba, ::Qt::LeftButton);
    ASSERT_EQ(v.barra(1)->value(), 50);
    ASSERT_EQ(v.barra(3)->value(), 90);
    EXPECT_EQ(v.dibujo()->Escala, antes);
    EXPECT_NEAR(Punta(v, 1).x(), arriba.x(), 0.1);
    EXPECT_NEAR(Punta(v, 1).y(), arriba.y(), 0.1);
    QSignalSpy redibujos(&v, &VentanaMetodo::dibujado);
    Raton(picture, QEvent::MouseButtonRelease, arriba, ::Qt::NoButton);
    EXPECT_EQ(redibujos.count(), 1);
    EXPECT_NEAR(v.dibujo()->Escala, 100, 1e-3);
    EXPECT_NEAR(Punta(v, 1).y(), (3000 - 2700 * 50 / 100.0) / 15, 0.1);
}

// 100 at 0° sets the scale; vector 1 lengthened from 30 to 40 at 180° leaves it: the release
// draws nothing more.
TEST_F(ArrastreTest, SinCambioDeEscalaSoltarNoRedibuja) {
    VentanaMetodo& v = Metodo("Form2 1=30 3=180 2=100");
    QWidget* picture = v.Picture1();
    Raton(picture, QEvent::MouseButtonPress, Punta(v, 1), ::Qt::LeftButton);
    const QPointF mas(Punta(v, 1).x() - 10 * 31.5 / 15, Punta(v, 1).y());
    Raton(picture, QEvent::MouseMove, mas, ::Qt::LeftButton);
    ASSERT_EQ(v.barra(1)->value(), 40);
    QSignalSpy redibujos(&v, &VentanaMetodo::dibujado);
    Raton(picture, QEvent::MouseButtonRelease, mas, ::Qt::NoButton);
    EXPECT_EQ(redibujos.count(), 0);
    EXPECT_EQ(v.dibujo()->Escala, 100);
}

// Hidden while a tip is held (Esc, "Regresar"), the window lets it go: back again, a move with no
// button pressed leaves the vector where it was.
TEST_F(ArrastreTest, OcultarLaVentanaSueltaLaPunta) {
    VentanaMetodo& v = Metodo("Form2 1=50 2=50 4=90");
    QWidget* picture = v.Picture1();
    Raton(picture, QEvent::MouseButtonPress, Punta(v, 1), ::Qt::LeftButton);
    v.hide();
    v.show();
    EXPECT_FALSE(v.nucleo().arrastre().vector());
    Raton(picture, QEvent::MouseMove, {100, 100}, ::Qt::NoButton);
    EXPECT_EQ(v.barra(1)->value(), 50);
}

// An exercise that begins while a tip is held holds still under it.
TEST_F(ArrastreTest, UnEjercicioNoSeMueveBajoUnaPuntaRetenida) {
    VentanaMetodo& v = Metodo("Form2 1=50 2=50 4=90");
    Raton(v.Picture1(), QEvent::MouseButtonPress, Punta(v, 1), ::Qt::LeftButton);
    session::Practica& practica = v.nucleo().practica();
    practica.Comenzar(7, practice::Nivel::Medio);
    Raton(v.Picture1(), QEvent::MouseMove, {100, 100}, ::Qt::LeftButton);
    Raton(v.Picture1(), QEvent::MouseButtonRelease, {100, 100}, ::Qt::NoButton);
    EXPECT_EQ(v.barra(1)->value(), practica.ejercicio()[0].m);
    EXPECT_EQ(v.barra(3)->value(), practica.ejercicio()[0].d);
}

// A whole drag is one step: Ctrl+Z puts both bars and the picture back as they were, Ctrl+Y and
// Ctrl+Shift+Z take it again; a view chosen by its key is a step too, and its entry follows.
TEST_F(ArrastreTest, CtrlZDeshaceElArrastreEnteroYLaVista) {
    VentanaMetodo& v = Metodo("Form2 1=50 2=50 4=90");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    const auto ops = [&v] {
        std::vector<std::string> lineas;
        for (const canvas::Op& op : v.Picture1()->picture().ops())
            lineas.push_back(canvas::FormatOp(op));
        return lineas;
    };
    const std::vector<std::string> antes = ops();
    Raton(v.Picture1(), QEvent::MouseButtonPress, Punta(v, 1), ::Qt::LeftButton);
    Raton(v.Picture1(), QEvent::MouseMove, {120, 120}, ::Qt::LeftButton);
    Raton(v.Picture1(), QEvent::MouseMove, {140, 60}, ::Qt::LeftButton);
    Raton(v.Picture1(), QEvent::MouseButtonRelease, {140, 60}, ::Qt::NoButton);
    const std::pair despues{v.barra(1)->value(), v.barra(3)->value()};
    ASSERT_NE(despues, std::pair(50, 0));
    QTest::keyClick(v.windowHandle(), ::Qt::Key_Z, ::Qt::ControlModifier);
    EXPECT_EQ(std::pair(v.barra(1)->value(), v.barra(3)->value()), std::pair(50, 0));
    EXPECT_EQ(ops(), antes);
    QTest::keyClick(v.windowHandle(), ::Qt::Key_Y, ::Qt::ControlModifier);
    EXPECT_EQ(std::pair(v.barra(1)->value(), v.barra(3)->value()), despues);
    QTest::keyClick(v.windowHandle(), ::Qt::Key_Z, ::Qt::ControlModifier);
    QTest::keyClick(v.windowHandle(), ::Qt::Key_Z, ::Qt::ControlModifier | ::Qt::ShiftModifier);
    EXPECT_EQ(std::pair(v.barra(1)->value(), v.barra(3)->value()), despues);
    QAction* rotulos = app.vistas().accion(diagram::Vista::Rotulos);
    rotulos->trigger();
    ASSERT_TRUE(v.vistas()[diagram::Vista::Rotulos]);
    AccionesDelDibujo::De(v).accionDeshacer()->trigger();
    EXPECT_FALSE(rotulos->isChecked());
    EXPECT_FALSE(v.vistas()[diagram::Vista::Rotulos]);
    EXPECT_EQ(std::pair(v.barra(1)->value(), v.barra(3)->value()), despues);
}

}  // namespace
}  // namespace trazalia::app
