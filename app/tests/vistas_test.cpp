// SPDX-License-Identifier: GPL-3.0-or-later
// The views on the windows: redrawn when chosen, remembered only outside scripts, and drawn.

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <cmath>
#include <string>
#include <vector>

#include "app/accesible.h"
#include "app/ajustes.h"
#include "app/tests/con_aplicacion.h"
#include "app/vistas.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"
#include "canvas/trace_format.h"

namespace trazalia::app {
namespace {

using diagram::Vista;

std::vector<std::string> Ops(VentanaMetodo& v) {
    std::vector<std::string> ops;
    for (const canvas::Op& op : v.Picture1()->picture().ops()) ops.push_back(canvas::FormatOp(op));
    return ops;
}

using VistasEnVentanas = ConAplicacion;

TEST_F(VistasEnVentanas, ChoosingOneRedrawsAndTurningItOffGivesBackThePicture) {
    VentanaMetodo& f = Metodo("Form2 1=70 2=52 4=90 clic");
    const std::vector<std::string> fija = Ops(f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(f.windowHandle(), Qt::Key_E);
    EXPECT_EQ(Ops(f).back(),
              "Text 60 5955 sw #404040 \"R = A + B = (70.00, 52.00);  "
              "|R| = 87.20;  α = 36.61°\"");
    EXPECT_EQ(f.rotulo(10)->text(), "87.20");
    EXPECT_TRUE(DescripcionAccesible(f.Picture1()).contains("Ecuación: R = A + B"));
    app.vistas().accion(Vista::Ecuacion)->trigger();
    EXPECT_EQ(Ops(f), fija);
}

TEST_F(VistasEnVentanas, AreRememberedOnlyOnceAskedTo) {
    QStandardPaths::setTestModeEnabled(true);
    Ajustes().clear();
    ControlVistas guion;  // as in script mode: never reads nor writes the settings
    guion.accion(Vista::Rotulos)->trigger();
    ControlVistas pantalla;
    pantalla.Recordar();
    EXPECT_FALSE(pantalla.vistas()[Vista::Rotulos]);
    pantalla.accion(Vista::Grueso)->trigger();
    ControlVistas otra;
    EXPECT_FALSE(otra.vistas()[Vista::Grueso]);
    otra.Recordar();
    EXPECT_TRUE(otra.vistas()[Vista::Grueso]);
}

// A large settings file would stop the windows if each change rewrote it: it is written at the end.
TEST(Ajustes, AChangeIsKeptWithoutRewritingTheFile) {
    QStandardPaths::setTestModeEnabled(true);
    Ajustes().clear();
    Ajustes().setValue(QStringLiteral("vistas/grid"), true);
    Ajustes().sync();
    const auto leer = [] {
        QFile archivo(Ajustes().fileName());
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    };
    const QByteArray antes = leer();
    ASSERT_TRUE(antes.contains("grid=true"));
    ControlVistas vistas;
    vistas.Recordar();
    vistas.accion(Vista::Rotulos)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(leer(), antes);
    EXPECT_TRUE(Activado(Ajustes().value(QStringLiteral("vistas/labels"))));
}

// What the settings file holds for a view: only a real boolean turns it on.
struct Guardado {
    const char* nombre;
    QVariant valor;
    bool activa;
    friend void PrintTo(const Guardado& g, std::ostream* os) { *os << g.nombre; }
};

class GuardadoTest : public testing::TestWithParam<Guardado> {};

TEST_P(GuardadoTest, OnlyARealBooleanTurnsAViewOn) {
    QStandardPaths::setTestModeEnabled(true);
    Ajustes().clear();
    Ajustes().setValue(QStringLiteral("vistas/grid"), GetParam().valor);
    Ajustes().sync();
    ControlVistas vistas;
    vistas.Recordar();
    EXPECT_EQ(vistas.vistas()[Vista::Cuadricula], GetParam().activa);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, GuardadoTest,
    testing::Values(Guardado{"True", QVariant(true), true},
                    Guardado{"TrueAsWritten", QVariant(QStringLiteral("true")), true},
                    Guardado{"FalseAsWritten", QVariant(QStringLiteral("false")), false},
                    Guardado{"Text", QVariant(QStringLiteral("abc")), false},
                    Guardado{"Number", QVariant(QStringLiteral("2")), false}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Vector 3 alone at 45°: across the middle of its shaft a row of pixels meets about 6 of them
// dark green with the bold stroke (4 pixels wide) and the high-contrast colours, 3 without.
TEST_F(VistasEnVentanas, BoldHighContrastShaftIsWideAndDarkGreen) {
    app.sesion().PonerVista(Vista::Grueso, true, false);
    app.sesion().PonerVista(Vista::Contraste, true, false);
    VentanaMetodo& f = Metodo("Form3 3=100 6=45");
    const QImage image = canvas::RenderImage(f.Picture1()->picture(), 1);
    const int x = static_cast<int>(7000 / 30.0 + 0.225 * 7000 / 15 * std::cos(M_PI / 4));
    const int y = static_cast<int>(6000 / 30.0 - 0.225 * 6000 / 15 * std::sin(M_PI / 4));
    int verdes = 0;
    for (int i = x - 8; i <= x + 8; ++i) {
        const QColor c = image.pixelColor(i, y);
        verdes += c.red() + std::abs(c.green() - 128) + c.blue() < 40;
    }
    EXPECT_GE(verdes, 5);
}

}  // namespace
}  // namespace trazalia::app
