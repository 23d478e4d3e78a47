#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "app/aplicacion.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/form3.h"
#include "app/tests/con_aplicacion.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {
namespace {

// Every control as laid out, transcribed independently of the window tables.
struct Disposicion {
    const char* linea;
    friend void PrintTo(const Disposicion& d, std::ostream* os) { *os << d.linea; }
};

class DisposicionTest : public testing::TestWithParam<Disposicion> {
protected:
    static std::vector<std::string> TodoElDump() {
        Aplicacion app;
        app.Iniciar();
        std::vector<std::string> lineas;
        for (Ventana* v : {static_cast<Ventana*>(&app.form1()), static_cast<Ventana*>(&app.form2()),
                           static_cast<Ventana*>(&app.form3())})
            for (auto& l : v->Dump()) lineas.push_back(l);
        return lineas;
    }
};

TEST_P(DisposicionTest, AppearsInTheDump) {
    static const std::vector<std::string> dump = TodoElDump();
    EXPECT_NE(std::find(dump.begin(), dump.end(), GetParam().linea), dump.end());
}

INSTANTIATE_TEST_SUITE_P(
    Form1, DisposicionTest,
    testing::Values(
        Disposicion{"Form1 Window \"Trazalia.\" 10875 7995 Visible 1"},
        Disposicion{"Form1.Image1 Image 4320 120 2040 1800"},
        Disposicion{"Form1.Label2 Label 3240 4080 3975 855 Caption \"\\\"Trazalia\\\"\""},
        Disposicion{"Form1.Command1 Button 960 6120 2775 735 Caption \"Paralelogramo\""},
        Disposicion{"Form1.Command2 Button 7200 6120 2775 735 Caption \"Polígono\""},
        Disposicion{"Form1.Command3 Button 4200 7080 2535 735 Caption \"Salir\""}));

INSTANTIATE_TEST_SUITE_P(
    Form2, DisposicionTest,
    testing::Values(
        Disposicion{"Form2 Window \"Método del Paralelogramo.\" 10875 7995 Visible 0"},
        Disposicion{"Form2.Picture1 Picture 240 1680 7000 6000"},
        Disposicion{"Form2.HScroll1 HScroll 1200 240 1455 375 Min 0 Max 100 LargeChange 5 Value 0"},
        Disposicion{"Form2.HScroll2 HScroll 1200 960 1455 375 Min 0 Max 100 LargeChange 5 Value 0"},
        Disposicion{"Form2.HScroll3 HScroll 5400 240 1455 375 Min 0 Max 360 LargeChange 5 Value 0"},
        Disposicion{"Form2.HScroll4 HScroll 5400 840 1455 375 Min 0 Max 360 LargeChange 5 Value 0"},
        Disposicion{"Form2.Label1 Label 240 240 615 495 Caption \"r\""},
        Disposicion{"Form2.Label2 Label 4440 240 615 375 Caption \"α\""},
        Disposicion{"Form2.Label3 Label 240 840 615 495 Caption \"r\""},
        Disposicion{"Form2.Label4 Label 4440 840 615 375 Caption \"α\""},
        Disposicion{"Form2.Label5 Label 3000 240 1095 375 Caption \"0\""},
        Disposicion{"Form2.Label6 Label 3000 960 1095 375 Caption \"0\""},
        Disposicion{"Form2.Label7 Label 7200 240 1215 375 Caption \"0\""},
        Disposicion{"Form2.Label8 Label 7200 840 1215 375 Caption \"0\""},
        Disposicion{"Form2.Label9 Label 7800 2760 855 375 Caption \"r\""},
        Disposicion{"Form2.Label10 Label 9120 2760 1215 375 Caption \"\""},
        Disposicion{"Form2.Label13 Label 7920 3600 615 375 Caption \"α\""},
        Disposicion{"Form2.Label12 Label 9120 3600 1215 375 Caption \"\""},
        Disposicion{"Form2.Command1 Button 7800 4920 2655 855 Caption \"Graficar Paralelogramo\""},
        Disposicion{"Form2.Command2 Button 7800 6720 2655 615 Caption \"Regresar\""}));

INSTANTIATE_TEST_SUITE_P(
    Form3, DisposicionTest,
    testing::Values(
        Disposicion{"Form3 Window \"Método del Polígono.\" 10875 7995 Visible 0"},
        Disposicion{"Form3.Picture1 Picture 240 1800 7000 6000"},
        Disposicion{"Form3.HScroll1 HScroll 1080 240 1335 255 Min 0 Max 100 LargeChange 5 Value 0"},
        Disposicion{
            "Form3.HScroll3 HScroll 1080 1200 1335 255 Min 0 Max 100 LargeChange 5 Value 0"},
        Disposicion{"Form3.HScroll5 HScroll 4680 720 1335 255 Min 0 Max 360 LargeChange 5 Value 0"},
        Disposicion{
            "Form3.HScroll6 HScroll 4680 1200 1335 255 Min 0 Max 360 LargeChange 5 Value 0"},
        Disposicion{"Form3.HScroll7 HScroll 7920 4200 975 255 Min 1 Max 7 LargeChange 1 Value 1"},
        Disposicion{"Form3.Label3 Label 240 1200 495 255 Caption \"r\""},
        Disposicion{"Form3.Label6 Label 2760 1200 615 255 Caption \"0\""},
        Disposicion{"Form3.Label9 Label 3720 1200 615 255 Caption \"α\""},
        Disposicion{"Form3.Label12 Label 6360 1200 615 255 Caption \"0\""},
        Disposicion{"Form3.Label14 Label 8880 480 615 255 Caption \"0\""},
        Disposicion{"Form3.Label15 Label 8040 1080 615 375 Caption \"α\""},
        Disposicion{"Form3.Label16 Label 8880 1080 975 255 Caption \"0\""},
        Disposicion{"Form3.Label17 Label 7800 3480 2415 375 Caption \"Graficar Polígono\""},
        Disposicion{"Form3.Label18 Label 9240 4200 615 255 Caption \"1\""},
        Disposicion{"Form3.Command1 Button 8160 5520 1935 495 Caption \"Regresar\""}));

// Tab order: from each focusable control, Tab reaches the next by tab index.
struct Orden {
    const char* ventana;
    std::vector<const char*> controles;
    friend void PrintTo(const Orden& o, std::ostream* os) { *os << o.ventana; }
};

class TabulacionTest : public testing::TestWithParam<Orden> {};

TEST_P(TabulacionTest, FollowsTheTabIndices) {
    Aplicacion app;
    app.Iniciar();
    Ventana* v = QLatin1String(GetParam().ventana) == QLatin1String("Form1")   ? static_cast<Ventana*>(&app.form1())
                 : QLatin1String(GetParam().ventana) == QLatin1String("Form2") ? static_cast<Ventana*>(&app.form2())
                                                          : static_cast<Ventana*>(&app.form3());
    const auto& nombres = GetParam().controles;
    for (std::size_t i = 0; i + 1 < nombres.size(); ++i) {
        QWidget* siguiente = v->control(QLatin1String(nombres[i]))->nextInFocusChain();
        while (!(siguiente->focusPolicy() & Qt::TabFocus))
            siguiente = siguiente->nextInFocusChain();
        EXPECT_EQ(siguiente->objectName(), QLatin1String(nombres[i + 1])) << "after " << nombres[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, TabulacionTest,
                         testing::Values(Orden{"Form1", {"Command1", "Command2", "Command3"}},
                                         Orden{"Form2",
                                               {"Picture1", "HScroll1", "HScroll2", "HScroll3",
                                                "HScroll4", "Command2", "Command1"}},
                                         Orden{"Form3",
                                               {"Picture1", "HScroll1", "HScroll2", "HScroll3",
                                                "HScroll4", "HScroll5", "HScroll6", "Command1",
                                                "HScroll7"}}),
                         [](const auto& info) { return std::string(info.param.ventana); });

using NavegacionTest = ConAplicacion;

TEST_F(NavegacionTest, StartsOnForm1WithTheFirstButtonFocused) {
    EXPECT_TRUE(app.form1().isVisible());
    EXPECT_EQ(app.ventana("Form2"), nullptr);
    EXPECT_EQ(app.form1().focusWidget(), app.form1().boton(1));
}

TEST_F(NavegacionTest, MethodWindowKeepsItsStateWhenLeftAndEnteredAgain) {
    app.form1().boton(1)->click();
    Form2& form2 = app.form2();
    ASSERT_TRUE(form2.isVisible());
    EXPECT_FALSE(app.form1().isVisible());
    EXPECT_EQ(form2.focusWidget(), form2.Picture1());
    form2.barra(1)->setValue(30);
    form2.barra(3)->setValue(45);
    form2.boton(1)->click();
    const auto ops = form2.Picture1()->picture().Ops().size();

    form2.boton(2)->click();  // Regresar
    EXPECT_TRUE(app.form1().isVisible());
    EXPECT_FALSE(form2.isVisible());
    app.form1().boton(1)->click();

    EXPECT_EQ(&app.form2(), &form2);
    EXPECT_EQ(form2.barra(1)->value(), 30);
    EXPECT_EQ(form2.rotulo(5)->text(), "30");
    EXPECT_EQ(form2.rotulo(7)->text(), "45");
    EXPECT_EQ(form2.rotulo(10)->text(), "30.00");
    EXPECT_EQ(form2.Picture1()->picture().Ops().size(), ops);
}

TEST_F(NavegacionTest, Form3StartsWithItsReadOutsAndStepOne) {
    app.form1().boton(2)->click();
    Form3& form3 = app.form3();
    for (int n : {4, 5, 6, 10, 11, 12, 14, 16}) EXPECT_EQ(form3.rotulo(n)->text(), "0") << n;
    EXPECT_EQ(form3.rotulo(18)->text(), "1");
    EXPECT_TRUE(form3.Picture1()->picture().Ops().empty());
}

TEST_F(NavegacionTest, CloseBoxOfAMethodWindowEndsTheProgram) {
    app.form1().boton(2)->click();
    app.form3().close();
    EXPECT_TRUE(app.terminado());
    EXPECT_FALSE(app.form1().isVisible());
}

TEST_F(NavegacionTest, SalirEndsTheProgram) {
    QTest::keyClick(app.form1().boton(3), Qt::Key_Space);
    EXPECT_TRUE(app.terminado());
}

TEST_F(NavegacionTest, EnterPressesTheFocusedButton) {
    app.form1().boton(2)->setFocus();
    QTest::keyClick(app.form1().boton(2), Qt::Key_Return);
    QTRY_VERIFY(app.ventana("Form3") && app.form3().isVisible());
}

struct Tecla {
    const char* nombre;
    Qt::Key tecla;
    int desde;
    int hasta;
    friend void PrintTo(const Tecla& t, std::ostream* os) { *os << t.nombre; }
};

class BarraTecladoTest : public NavegacionTest, public testing::WithParamInterface<Tecla> {};

TEST_P(BarraTecladoTest, MovesTheBarAndRunsItsChangeHandler) {
    app.form1().boton(1)->click();
    QScrollBar* barra = app.form2().barra(3);
    barra->setValue(GetParam().desde);
    barra->setFocus();
    QTest::keyClick(barra, GetParam().tecla);
    EXPECT_EQ(barra->value(), GetParam().hasta);
    EXPECT_EQ(app.form2().rotulo(7)->text(), QString::number(GetParam().hasta));
}

INSTANTIATE_TEST_SUITE_P(Teclas, BarraTecladoTest,
                         testing::Values(Tecla{"Right", Qt::Key_Right, 10, 11},
                                         Tecla{"Left", Qt::Key_Left, 10, 9},
                                         Tecla{"Up", Qt::Key_Up, 10, 9},
                                         Tecla{"PageUp", Qt::Key_PageUp, 10, 5},
                                         Tecla{"PageDown", Qt::Key_PageDown, 10, 15},
                                         Tecla{"Home", Qt::Key_Home, 10, 0},
                                         Tecla{"End", Qt::Key_End, 10, 360}),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace trazalia::app
