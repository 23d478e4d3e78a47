#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "app/aplicacion.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/form3.h"
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

QAccessible::Role Rol(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->role() : QAccessible::NoRole;
}

class Accesibilidad : public testing::Test {
public:
    Accesibilidad() { app.Iniciar(); }
    Ventana& Abrir(const char* nombre) {
        if (QLatin1String(nombre) == "Form2") app.form1().boton(1)->click();
        if (QLatin1String(nombre) == "Form3") app.form1().boton(2)->click();
        return *app.ventana(QLatin1String(nombre));
    }
    Form2& form2() { return app.form2(); }
    Form3& form3() { return app.form3(); }

protected:
    Aplicacion app;
};

struct NombreAccesible {
    const char* ventana;
    const char* control;
    const char* nombre;
    QAccessible::Role rol;
    friend void PrintTo(const NombreAccesible& n, std::ostream* os) {
        *os << n.ventana << '.' << n.control;
    }
};

class NombreAccesibleTest : public Accesibilidad,
                            public testing::WithParamInterface<NombreAccesible> {};

TEST_P(NombreAccesibleTest, IsSpanishAndHasItsRole) {
    QWidget* w = Abrir(GetParam().ventana).control(QLatin1String(GetParam().control));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Texto(w, QAccessible::Name), QString::fromUtf8(GetParam().nombre));
    EXPECT_EQ(Rol(w), GetParam().rol);
}

INSTANTIATE_TEST_SUITE_P(
    Controles, NombreAccesibleTest,
    testing::Values(
        NombreAccesible{"Form1", "Image1", "Emblema de Trazalia", QAccessible::Graphic},
        NombreAccesible{"Form2", "Picture1", "Diagrama del paralelogramo", QAccessible::Graphic},
        NombreAccesible{"Form2", "HScroll1", "Magnitud del vector 1", QAccessible::ScrollBar},
        NombreAccesible{"Form2", "HScroll4", "Dirección del vector 2 (grados)",
                        QAccessible::ScrollBar},
        NombreAccesible{"Form2", "Label5", "Magnitud del vector 1: 0", QAccessible::StaticText},
        NombreAccesible{"Form2", "Label10", "Magnitud de la resultante", QAccessible::StaticText},
        NombreAccesible{"Form3", "HScroll6", "Dirección del vector 3 (grados)",
                        QAccessible::ScrollBar},
        NombreAccesible{"Form3", "HScroll7", "Paso de la construcción", QAccessible::ScrollBar},
        NombreAccesible{"Form3", "Label18", "Paso de la construcción: 1", QAccessible::StaticText}),
    [](const auto& info) {
        return std::string(info.param.ventana) + "_" + std::string(info.param.control);
    });

// Every control of every window has a name; a button's name contains its caption, so that what
// is seen can be said to speech input.
class TodosTest : public Accesibilidad, public testing::WithParamInterface<const char*> {};

TEST_P(TodosTest, EveryControlHasAName) {
    Ventana& v = Abrir(GetParam());
    const auto controles = v.findChildren<QWidget*>(QRegularExpression("^[A-Z][a-zA-Z]+[0-9]+$"));
    EXPECT_GE(controles.size(), 7);
    for (QWidget* w : controles) {
        const QString nombre = Texto(w, QAccessible::Name);
        EXPECT_FALSE(nombre.isEmpty()) << w->objectName().toStdString();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_TRUE(nombre.contains(b->text(), Qt::CaseInsensitive))
                << nombre.toStdString() << " / " << b->text().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, TodosTest, testing::Values("Form1", "Form2", "Form3"));

// The drawing area's description follows what each redraw left on it, and only redraws.
struct Descripcion {
    const char* nombre;
    std::function<Ventana&(Accesibilidad&)> actuar;
    const char* texto;
    friend void PrintTo(const Descripcion& d, std::ostream* os) { *os << d.nombre; }
};

class DescripcionTest : public Accesibilidad, public testing::WithParamInterface<Descripcion> {};

TEST_P(DescripcionTest, SaysWhatTheFigureShows) {
    Ventana& v = GetParam().actuar(*this);
    EXPECT_EQ(Texto(v.Picture1(), QAccessible::Description), QString::fromUtf8(GetParam().texto));
}

Form2& Vectores2(Accesibilidad& a, int m1, int d1, int m2, int d2) {
    a.Abrir("Form2");
    Form2& f = a.form2();
    f.barra(1)->setValue(m1);
    f.barra(3)->setValue(d1);
    f.barra(2)->setValue(m2);
    f.barra(4)->setValue(d2);
    return f;
}

Form3& Vectores3(Accesibilidad& a, int paso) {
    a.Abrir("Form3");
    Form3& f = a.form3();
    f.barra(1)->setValue(30);
    f.barra(2)->setValue(40);
    f.barra(5)->setValue(90);
    if (paso > 1) f.barra(7)->setValue(paso);
    return f;
}

constexpr const char* kVacio = "Diagrama vacío: mueva una barra para dibujar los vectores.";

INSTANTIATE_TEST_SUITE_P(
    Dibujos, DescripcionTest,
    testing::Values(
        Descripcion{"ParallelogramBeforeAnyChange",
                    [](Accesibilidad& a) -> Ventana& { return a.Abrir("Form2"); }, kVacio},
        Descripcion{"ParallelogramLiveDiagram",
                    [](Accesibilidad& a) -> Ventana& { return Vectores2(a, 100, 0, 100, 90); },
                    "Vector 1: 100 a 0°. Vector 2: 100 a 90°. Escala 141.42."},
        Descripcion{"ParallelogramConstruction",
                    [](Accesibilidad& a) -> Ventana& {
                        Form2& f = Vectores2(a, 100, 0, 100, 90);
                        f.boton(1)->click();
                        return f;
                    },
                    "Vector 1: 100 a 0°. Vector 2: 100 a 90°. Resultante: 141.42 a 45.00°. "
                    "Escala 141.42."},
        Descripcion{"ParallelogramScrollAfterClickRemovesTheResultant",
                    [](Accesibilidad& a) -> Ventana& {
                        Form2& f = Vectores2(a, 100, 0, 100, 90);
                        f.boton(1)->click();
                        f.barra(2)->setValue(50);
                        return f;
                    },
                    "Vector 1: 100 a 0°. Vector 2: 50 a 90°. Escala 111.80."},
        Descripcion{"ParallelogramWithoutDirection",
                    [](Accesibilidad& a) -> Ventana& {
                        Form2& f = Vectores2(a, 50, 0, 50, 180);
                        f.boton(1)->click();
                        return f;
                    },
                    "Vector 1: 50 a 0°. Vector 2: 50 a 180°. Resultante: 0.00, sin dirección "
                    "definida. Escala 50.00."},
        Descripcion{"ZeroVectorsLeaveThePreviousPictureAndItsDescription",
                    [](Accesibilidad& a) -> Ventana& {
                        Form2& f = Vectores2(a, 100, 0, 0, 0);
                        f.barra(1)->setValue(0);
                        return f;
                    },
                    "Vector 1: 100 a 0°. Vector 2: 0 a 0°. Escala 100.00."},
        Descripcion{"PolygonLiveDiagram",
                    [](Accesibilidad& a) -> Ventana& { return Vectores3(a, 1); },
                    "Vector 1: 30 a 0°. Vector 2: 40 a 90°. Vector 3: 0 a 0°. Escala 50.00."},
        Descripcion{"PolygonStep", [](Accesibilidad& a) -> Ventana& { return Vectores3(a, 3); },
                    "Paso 3 de 7: los vectores 2, 1, 3, punta con cola. Vector 1: 30 a 0°. "
                    "Vector 2: 40 a 90°. Vector 3: 0 a 0°. Resultante: 50.00 a 53.13°. "
                    "Escala 50.00."},
        Descripcion{"PolygonAllSixOrders",
                    [](Accesibilidad& a) -> Ventana& { return Vectores3(a, 7); },
                    "Paso 7 de 7: los seis órdenes a la vez. Vector 1: 30 a 0°. Vector 2: 40 a "
                    "90°. Vector 3: 0 a 0°. Resultante: 50.00 a 53.13°. Escala 50.00."},
        Descripcion{"PolygonStepWithoutVectorsDrawsNothing",
                    [](Accesibilidad& a) -> Ventana& {
                        a.Abrir("Form3");
                        a.form3().barra(7)->setValue(4);
                        return a.form3();
                    },
                    kVacio}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The order a step's description names is the order its picture lays the shafts in.
class OrdenTest : public Accesibilidad, public testing::WithParamInterface<int> {};

TEST_P(OrdenTest, MatchesTheShaftsDrawn) {
    Abrir("Form3");
    Form3& f = form3();
    for (int n : {1, 2, 3}) f.barra(n)->setValue(100);
    f.barra(5)->setValue(120);
    f.barra(6)->setValue(240);
    f.barra(7)->setValue(GetParam() == 1 ? 2 : 1);
    f.barra(7)->setValue(GetParam());

    QString dibujado;
    for (const canvas::Op& op : f.Picture1()->picture().Ops()) {
        const auto* linea = std::get_if<canvas::LineOp>(&op);
        if (!linea || !linea->color || dibujado.size() >= 7) continue;
        const canvas::Color c = *linea->color;
        const char* n = c.r > 0 && c.g == 0 ? "1" : c.b > 0 ? "2" : c.g > 0 && c.r == 0 ? "3" : "";
        if (*n) dibujado += (dibujado.isEmpty() ? QString() : QStringLiteral(", ")) + n;
    }
    const QString descripcion = Texto(f.Picture1(), QAccessible::Description);
    EXPECT_TRUE(descripcion.startsWith(
        QStringLiteral("Paso %1 de 7: los vectores %2,").arg(GetParam()).arg(dibujado)))
        << descripcion.toStdString() << " / drawn " << dibujado.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pasos, OrdenTest, testing::Range(1, 7),
                         [](const auto& info) { return "Step" + std::to_string(info.param); });

// A focused control looks different from an unfocused one.
struct Foco {
    const char* ventana;
    const char* control;
    friend void PrintTo(const Foco& f, std::ostream* os) { *os << f.ventana << '.' << f.control; }
};

class FocoTest : public Accesibilidad, public testing::WithParamInterface<Foco> {};

TEST_P(FocoTest, IsVisiblyMarked) {
    Ventana& v = Abrir(GetParam().ventana);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    QWidget* w = v.control(QLatin1String(GetParam().control));
    QWidget* otro = nullptr;
    for (const char* n : {"Picture1", "HScroll1", "Command2"})
        if (!otro || otro == w) otro = v.control(QLatin1String(n));
    otro->setFocus();
    const QImage sin = w->grab().toImage();
    w->setFocus();
    ASSERT_TRUE(w->hasFocus());
    EXPECT_NE(w->grab().toImage(), sin);
}

INSTANTIATE_TEST_SUITE_P(Controles, FocoTest,
                         testing::Values(Foco{"Form1", "Command1"}, Foco{"Form2", "HScroll1"},
                                         Foco{"Form2", "Command1"}, Foco{"Form2", "Picture1"},
                                         Foco{"Form3", "HScroll7"}),
                         [](const auto& info) {
                             return std::string(info.param.ventana) + "_" + info.param.control;
                         });

}  // namespace
}  // namespace trazalia::app
