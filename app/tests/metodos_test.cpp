#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QImage>
#include <QLabel>
#include <array>
#include <cmath>
#include <numbers>

#include "app/form2.h"
#include "app/form3.h"
#include "app/tests/con_aplicacion.h"
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

using Form2Test = ConAplicacion;

TEST_F(Form2Test, ScrollChangesLeaveTheResultReadOutsAlone) {
    Ventana& f = Hacer("Form2 1=30 2=40 4=90");
    EXPECT_EQ(f.rotulo(10)->text(), "");
    EXPECT_EQ(f.rotulo(12)->text(), "");
    f.boton(1)->click();
    f.barra(1)->setValue(0);
    EXPECT_EQ(f.rotulo(5)->text(), "0");
    EXPECT_EQ(f.rotulo(10)->text(), "50.00");
    EXPECT_EQ(f.rotulo(12)->text(), "53.13");
}

TEST_F(Form2Test, PictureShowsBothShaftsTheResultantAndWhiteElsewhere) {
    Ventana& f = Hacer("Form2 1=100 2=100 4=90 clic");  // 100 at 0° plus 100 at 90°
    const QImage imagen = canvas::RenderImage(f.Picture1()->picture(), 2);
    // Scale 141.42: vector 1 ends at x = 5727, vector 2 at y = 1091, the resultant at both.
    EXPECT_THAT(PixelEnTwips(imagen, 4600, 3000), EsDeColor(255, 0, 0));  // red shaft
    EXPECT_THAT(PixelEnTwips(imagen, 3500, 2000), EsDeColor(0, 0, 255));  // blue shaft
    EXPECT_THAT(PixelEnTwips(imagen, 4613, 2045), EsDeColor(0, 0, 0));    // black diagonal
    EXPECT_THAT(PixelEnTwips(imagen, 2000, 4500), EsDeColor(255, 255, 255));
}

class Form3Test : public ConAplicacion {
protected:
    // Magnitude, direction and step read-outs of the resultant.
    static QStringList Resultado(const Ventana& f) {
        return {f.rotulo(14)->text(), f.rotulo(16)->text(), f.rotulo(18)->text()};
    }
};

TEST_F(Form3Test, VectorChangesNeverWriteTheConstructionReadOuts) {
    Ventana& f = Hacer("Form3 1=10 2=20 3=30 4=40 5=50 6=60");
    EXPECT_EQ(Resultado(f), (QStringList{"0", "0", "1"}));
    EXPECT_EQ(f.rotulo(12)->text(), "60");
}

TEST_F(Form3Test, EveryStepShowsTheSameResult) {
    Ventana& f = Hacer("Form3 1=30 2=40 5=90");
    for (int paso : {2, 3, 4, 5, 6, 7, 1}) {
        f.barra(7)->setValue(paso);
        EXPECT_EQ(Resultado(f), (QStringList{"50.00", "53.13", QString::number(paso)}));
    }
}

TEST_F(Form3Test, AllMagnitudesZeroKeepThePreviousPicture) {
    Ventana& f = Hacer("Form3 1=20 7=4");
    const auto ops = f.Picture1()->picture().Ops().size();
    f.barra(1)->setValue(0);
    f.barra(7)->setValue(5);
    EXPECT_EQ(f.Picture1()->picture().Ops().size(), ops);
    EXPECT_EQ(Resultado(f), (QStringList{"0.00", "Indefinido", "5"}));
}

TEST_F(Form3Test, StepSevenShowsTheThreeColoursAndTheResultant) {
    struct Vector {
        int m;
        int d;
    };
    const Vector v[3] = {{100, 0}, {60, 90}, {40, 135}};
    Ventana& f = Hacer("Form3 1=100 4=0 2=60 5=90 3=40 6=135 7=7");

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
    const QImage imagen = canvas::RenderImage(f.Picture1()->picture(), 2);
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
