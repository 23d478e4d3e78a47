// SPDX-License-Identifier: GPL-3.0-or-later
// A tip dragged with the mouse on Picture1: the pointer's shape, Shift, and what screen readers
// are told. The values a position gives are diagram/tests'; the trace, guiones/arrastre.txt's.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <optional>

#include "app/accesible.h"
#include "app/acciones.h"
#include "app/arrastre.h"
#include "app/practica.h"
#include "app/tests/con_aplicacion.h"
#include "app/vistas.h"
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
    EXPECT_FALSE(AccionesDelDibujo::De(v).arrastre().vector());
    Raton(picture, QEvent::MouseMove, {100, 100}, ::Qt::NoButton);
    EXPECT_EQ(v.barra(1)->value(), 50);
}

// An exercise that begins while a tip is held holds still under it.
TEST_F(ArrastreTest, UnEjercicioNoSeMueveBajoUnaPuntaRetenida) {
    VentanaMetodo& v = Metodo("Form2 1=50 2=50 4=90");
    Raton(v.Picture1(), QEvent::MouseButtonPress, Punta(v, 1), ::Qt::LeftButton);
    Practica& practica = AccionesDelDibujo::De(v).practica();
    practica.Comenzar(7, practice::Nivel::Medio);
    Raton(v.Picture1(), QEvent::MouseMove, {100, 100}, ::Qt::LeftButton);
    Raton(v.Picture1(), QEvent::MouseButtonRelease, {100, 100}, ::Qt::NoButton);
    EXPECT_EQ(v.barra(1)->value(), practica.ejercicio()[0].m);
    EXPECT_EQ(v.barra(3)->value(), practica.ejercicio()[0].d);
}

// A layer of the test's own that holds a scale.
class Retiene final : public QObject, public Capa {
public:
    Retiene(VentanaMetodo& v, std::optional<double> Escala) : QObject(&v), Escala(Escala) {
        v.AgregarCapa(*this);
    }
    QString Dibujado(canvas::Canvas&, const diagram::Resultado&) override { return {}; }
    QString Descripcion() const override { return {}; }
    bool retiene() const override { return false; }
    std::optional<double> EscalaRetenida() const override { return Escala; }
    std::optional<double> Escala;
};

TEST_F(ArrastreTest, LaPrimeraCapaQueRetieneUnaEscalaGana) {
    VentanaMetodo& v = Metodo("Form2 1=50");
    new Retiene(v, std::nullopt);
    auto* segunda = new Retiene(v, 150);
    new Retiene(v, 80);
    v.Redibujar();
    EXPECT_EQ(v.dibujo()->Escala, 150);
    EXPECT_EQ(v.dibujo()->r, 50);
    segunda->Escala.reset();
    v.Redibujar();
    EXPECT_EQ(v.dibujo()->Escala, 80);
    // The fixed scale: the round one that holds 80 units.
    app.vistas().Poner(diagram::Vista::EscalaFija, true);
    segunda->Escala = 120;
    v.Redibujar();
    EXPECT_EQ(v.dibujo()->Escala, 150);
}

}  // namespace
}  // namespace trazalia::app
