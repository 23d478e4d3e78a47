// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QAccessible>
#include <QRegularExpression>
#include <QTest>

#include "app/tests/con_aplicacion.h"
#include "canvas/qt/picture_widget.h"

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace trazalia::app {
namespace {

// What a screen reader is told about a widget.
QString Texto(QWidget* w, QAccessible::Text t) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(t) : QStringLiteral("(sin interfaz)");
}

using Accesibilidad = ConAplicacion;

// Every control of every window has a Spanish name, not its internal one; a button's name
// contains its caption, so that what is seen can be said to speech input.
class TodosTest : public Accesibilidad, public testing::WithParamInterface<const char*> {};

TEST_P(TodosTest, EveryControlHasASpanishName) {
    const auto controles =
        Hacer(GetParam())
            .findChildren<QWidget*>(QRegularExpression(QStringLiteral("^[A-Z][a-zA-Z]+[0-9]+$")));
    EXPECT_GE(controles.size(), 7);
    for (QWidget* w : controles) {
        const QString nombre = Texto(w, QAccessible::Name);
        EXPECT_FALSE(nombre.isEmpty() || nombre == w->objectName())
            << w->objectName().toStdString();
        const auto* b = qobject_cast<QAbstractButton*>(w);
        EXPECT_TRUE(!b || nombre.contains(b->text(), Qt::CaseInsensitive)) << nombre.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, TodosTest, testing::Values("Form1", "Form2", "Form3"),
                         [](const auto& info) { return std::string(info.param); });

// The pictures are read as graphics, and a read-out's name carries its current text.
struct NombreAccesible {
    const char* ventana;  // and what is done on it
    const char* control;
    const char* nombre;
    QAccessible::Role rol;
};

class NombreAccesibleTest : public Accesibilidad,
                            public testing::WithParamInterface<NombreAccesible> {};

TEST_P(NombreAccesibleTest, IsSpanishAndHasItsRole) {
    QWidget* w = Hacer(GetParam().ventana).control(QLatin1String(GetParam().control));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Texto(w, QAccessible::Name), QString::fromUtf8(GetParam().nombre));
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    EXPECT_EQ(i ? i->role() : QAccessible::NoRole, GetParam().rol);
}

INSTANTIATE_TEST_SUITE_P(
    Controles, NombreAccesibleTest,
    testing::Values(
        NombreAccesible{"Form1", "Image1", "Emblema de Trazalia", QAccessible::Graphic},
        NombreAccesible{"Form2", "Picture1", "Diagrama del paralelogramo", QAccessible::Graphic},
        NombreAccesible{"Form2 1=40", "Label5", "Magnitud del vector 1: 40",
                        QAccessible::StaticText},
        NombreAccesible{"Form2", "Label10", "Magnitud de la resultante", QAccessible::StaticText},
        NombreAccesible{"Form3", "Label18", "Paso de la construcción: 1", QAccessible::StaticText}),
    [](const auto& info) { return std::string(info.param.ventana, 5) + "_" + info.param.control; });

// The drawing area's description follows what each redraw left on it, and only redraws.
struct Descripcion {
    const char* nombre;
    const char* guion;
    const char* texto;
};

class DescripcionTest : public Accesibilidad, public testing::WithParamInterface<Descripcion> {};

TEST_P(DescripcionTest, SaysWhatTheFigureShows) {
    EXPECT_EQ(Texto(Hacer(GetParam().guion).Picture1(), QAccessible::Description),
              QString::fromUtf8(GetParam().texto));
}

INSTANTIATE_TEST_SUITE_P(
    Dibujos, DescripcionTest,
    testing::Values(
        Descripcion{"ParallelogramAfterAClick", "Form2 1=100 2=100 4=90 clic",
                    "Vector 1: 100 a 0°. Vector 2: 100 a 90°. Resultante: 141.42 a 45.00°. "
                    "Escala 141.42."},
        Descripcion{"ParallelogramBarAfterAClick", "Form2 1=100 2=100 4=90 clic 2=50",
                    "Vector 1: 100 a 0°. Vector 2: 50 a 90°. Escala 111.80."},
        Descripcion{"ParallelogramWithoutDirection", "Form2 1=50 2=50 4=180 clic",
                    "Vector 1: 50 a 0°. Vector 2: 50 a 180°. Resultante: 0.00, sin dirección "
                    "definida. Escala 50.00."},
        Descripcion{"AllZeroKeepsThePreviousOne", "Form2 1=100 1=0",
                    "Vector 1: 100 a 0°. Vector 2: 0 a 0°. Escala 100.00."},
        Descripcion{"PolygonStep", "Form3 1=30 2=40 5=90 7=3",
                    "Paso 3 de 7: los vectores 2, 1, 3, punta con cola. Vector 1: 30 a 0°. "
                    "Vector 2: 40 a 90°. Vector 3: 0 a 0°. Resultante: 50.00 a 53.13°. "
                    "Escala 50.00."},
        Descripcion{"PolygonStepWithoutVectors", "Form3 7=4",
                    "Diagrama vacío: mueva una barra para dibujar los vectores."}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The order each step's description names is the order its picture lays the shafts in.
TEST_F(Accesibilidad, StepOrderMatchesTheShaftsDrawn) {
    Ventana& f = Hacer("Form3 1=100 2=100 3=100 5=120 6=240");
    for (int paso : {2, 1, 3, 4, 5, 6}) {
        f.barra(7)->setValue(paso);
        QStringList orden;  // the first red, blue and green lines
        for (const canvas::Op& op : f.Picture1()->picture().ops()) {
            const auto* l = std::get_if<canvas::LineOp>(&op);
            const canvas::Color c = l && l->color ? *l->color : canvas::kBlack;
            const int n = c.r ? 1 : (c.b ? 2 : (c.g ? 3 : 0));
            if (n && orden.size() < 3) orden << QString::number(n);
        }
        const QString inicio =
            QStringLiteral("Paso %1 de 7: los vectores %2,").arg(paso).arg(orden.join(", "));
        EXPECT_TRUE(Texto(f.Picture1(), QAccessible::Description).startsWith(inicio))
            << inicio.toStdString();
    }
}

// A focused control looks different from an unfocused one: buttons, scroll bars and the
// drawing area each mark it their own way.
TEST_F(Accesibilidad, FocusIsVisiblyMarked) {
    Ventana& v = Hacer("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    for (const char* nombre : {"Command1", "HScroll1", "Picture1"}) {
        QWidget* w = v.control(QLatin1String(nombre));
        v.control(QStringLiteral("Command2"))->setFocus();
        const QImage sin = w->grab().toImage();
        w->setFocus();
        EXPECT_NE(w->grab().toImage(), sin) << nombre;
    }
}

}  // namespace
}  // namespace trazalia::app
