#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <array>
#include <cmath>
#include <numbers>

#include "app/aplicacion.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/form3.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {
namespace {

// Pixel of the rendered drawing area at a point given in twips.
QColor PixelEnTwips(const QImage& imagen, double x, double y) {
    const qreal escala = imagen.devicePixelRatio() / canvas::kTwipsPerPixel;
    return imagen.pixelColor(static_cast<int>(x * escala), static_cast<int>(y * escala));
}

bool Parecido(const QColor& c, int r, int g, int b) {
    const int tolerancia = 60;
    return std::abs(c.red() - r) < tolerancia && std::abs(c.green() - g) < tolerancia &&
           std::abs(c.blue() - b) < tolerancia;
}

MATCHER_P3(EsDeColor, r, g, b, "") {
    *result_listener << "pixel (" << arg.red() << ", " << arg.green() << ", " << arg.blue() << ")";
    return Parecido(arg, r, g, b);
}

class Form2Test : public testing::Test {
protected:
    Form2Test() {
        app.Iniciar();
        app.form1().boton(1)->click();
    }
    Form2& form() { return app.form2(); }
    QString Texto(int n) { return form().rotulo(n)->text(); }

    Aplicacion app;
};

TEST_F(Form2Test, ScrollChangesLeaveTheResultReadOutsAlone) {
    form().barra(1)->setValue(30);
    form().barra(2)->setValue(40);
    form().barra(4)->setValue(90);
    EXPECT_EQ(Texto(10), "");
    EXPECT_EQ(Texto(12), "");

    form().boton(1)->click();
    EXPECT_EQ(Texto(10), "50.00");
    EXPECT_EQ(Texto(12), "53.13");

    form().barra(1)->setValue(0);
    EXPECT_EQ(Texto(5), "0");
    EXPECT_EQ(Texto(10), "50.00");
    EXPECT_EQ(Texto(12), "53.13");
}

TEST_F(Form2Test, PictureShowsBothShaftsTheResultantAndWhiteElsewhere) {
    form().barra(1)->setValue(100);  // vector 1: 100 at 0°
    form().barra(2)->setValue(100);
    form().barra(4)->setValue(90);  // vector 2: 100 at 90°
    form().boton(1)->click();
    const QImage imagen = canvas::RenderImage(form().Picture1()->picture(), 2);
    // Scale 141.42: vector 1 ends at x = 5727, vector 2 at y = 1091, the resultant at both.
    EXPECT_THAT(PixelEnTwips(imagen, 4600, 3000), EsDeColor(255, 0, 0));  // red shaft
    EXPECT_THAT(PixelEnTwips(imagen, 3500, 2000), EsDeColor(0, 0, 255));  // blue shaft
    EXPECT_THAT(PixelEnTwips(imagen, 4613, 2045), EsDeColor(0, 0, 0));    // black diagonal
    EXPECT_THAT(PixelEnTwips(imagen, 2000, 4500), EsDeColor(255, 255, 255));
}

class Form3Test : public testing::Test {
protected:
    Form3Test() {
        app.Iniciar();
        app.form1().boton(2)->click();
    }
    Form3& form() { return app.form3(); }
    QStringList Resultado() {
        return {form().rotulo(14)->text(), form().rotulo(16)->text(), form().rotulo(18)->text()};
    }

    Aplicacion app;
};

TEST_F(Form3Test, VectorChangesNeverWriteTheConstructionReadOuts) {
    for (int n = 1; n <= 6; ++n) form().barra(n)->setValue(n * 10);
    EXPECT_EQ(Resultado(), (QStringList{"0", "0", "1"}));
    EXPECT_EQ(form().rotulo(12)->text(), "60");
}

TEST_F(Form3Test, EveryStepShowsTheSameResult) {
    form().barra(1)->setValue(30);
    form().barra(2)->setValue(40);
    form().barra(5)->setValue(90);
    for (int paso : {2, 3, 4, 5, 6, 7, 1}) {
        form().barra(7)->setValue(paso);
        EXPECT_EQ(Resultado(), (QStringList{"50.00", "53.13", QString::number(paso)}));
    }
}

TEST_F(Form3Test, AllMagnitudesZeroKeepThePreviousPicture) {
    form().barra(1)->setValue(20);
    form().barra(7)->setValue(4);
    const auto ops = form().Picture1()->picture().Ops().size();
    form().barra(1)->setValue(0);
    form().barra(7)->setValue(5);
    EXPECT_EQ(form().Picture1()->picture().Ops().size(), ops);
    EXPECT_EQ(Resultado(), (QStringList{"0.00", "Indefinido", "5"}));
}

TEST_F(Form3Test, StepSevenShowsTheThreeColoursAndTheResultant) {
    struct Vector {
        int m;
        int d;
    };
    const Vector v[3] = {{100, 0}, {60, 90}, {40, 135}};
    for (int k = 0; k < 3; ++k) {
        form().barra(k + 1)->setValue(v[k].m);
        form().barra(k + 4)->setValue(v[k].d);
    }
    form().barra(7)->setValue(7);

    // Where the figure's points land, worked out independently of the drawing code.
    const double pi = std::numbers::pi;
    std::array<double, 3> x{}, y{};
    for (int k = 0; k < 3; ++k) {
        x[k] = v[k].m * std::cos(v[k].d * pi / 180);
        y[k] = v[k].m * std::sin(v[k].d * pi / 180);
    }
    double escala = 0;
    for (auto [a, b] : {std::pair{x[0] + x[1], y[0] + y[1]},
                        {x[0] + x[2], y[0] + y[2]},
                        {x[1] + x[2], y[1] + y[2]},
                        {x[0] + x[1] + x[2], y[0] + y[1] + y[2]}})
        escala = std::max(escala, std::hypot(a, b));
    auto punto = [&](double px, double py) {
        return std::pair{3500 + 3150 * px / escala, 3000 - 2700 * py / escala};
    };
    auto medio = [&](double ax, double ay, double bx, double by) {
        return punto((ax + bx) / 2, (ay + by) / 2);
    };
    const QImage imagen = canvas::RenderImage(form().Picture1()->picture(), 2);
    auto pixel = [&](std::pair<double, double> p) {
        return PixelEnTwips(imagen, p.first, p.second);
    };

    // Blue from the tip of red (chain 1), red from the tip of blue (chain 3), green from the
    // origin (chains 5 and 6), and the resultant from the origin to the sum of all three.
    EXPECT_THAT(pixel(medio(x[0], y[0], x[0] + x[1], y[0] + y[1])), EsDeColor(0, 0, 255));
    EXPECT_THAT(pixel(medio(x[1], y[1], x[0] + x[1], y[0] + y[1])), EsDeColor(225, 0, 0));
    EXPECT_THAT(pixel(medio(0, 0, x[2], y[2])), EsDeColor(0, 255, 0));
    EXPECT_THAT(pixel(medio(0, 0, x[0] + x[1] + x[2], y[0] + y[1] + y[2])), EsDeColor(0, 0, 0));
    EXPECT_THAT(pixel(punto(-0.5 * escala, -0.5 * escala)), EsDeColor(255, 255, 255));
}

}  // namespace
}  // namespace trazalia::app
