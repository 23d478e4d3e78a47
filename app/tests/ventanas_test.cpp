// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "app/tests/con_aplicacion.h"
#include "polygon/poligono.h"

namespace trazalia::app {
namespace {

// Logical pixels from twips: each edge at the nearest pixel, half a pixel away from zero, so that
// neighbours stay aligned at any zoom.
struct Conversion {
    int left, top, width, height;
    double zoom;
    QRect pixeles;
};

class PixelesTest : public testing::TestWithParam<Conversion> {};

TEST_P(PixelesTest, EachEdgeAtTheNearestPixel) {
    const Conversion& c = GetParam();
    EXPECT_EQ(PixelesDesdeTwips(c.left, c.top, c.width, c.height, c.zoom), c.pixeles);
}

INSTANTIATE_TEST_SUITE_P(Twips, PixelesTest,
                         testing::Values(Conversion{240, 1680, 7000, 6000, 1, {16, 112, 467, 400}},
                                         Conversion{
                                             240, 1680, 7000, 6000, 1.5, {24, 168, 700, 600}},
                                         Conversion{1200, 240, 1455, 375, 1.25, {100, 20, 121, 31}},
                                         Conversion{6, 18, 6, 6, 1.25, {1, 2, 0, 0}}));

// A tooltip is rich text: each line escaped where it needs it, one under the other.
TEST(ConsejoTest, LinesEscapedOneUnderTheOther) {
    EXPECT_EQ(Consejo({QStringLiteral("Paso 2 de 7"), QStringLiteral("r \"1\" < 2 & α > 0")}),
              QStringLiteral("<p>Paso 2 de 7<br>r &quot;1&quot; &lt; 2 &amp; α &gt; 0</p>"));
    for (const char* c : {"<", ">", "&", "\""})
        EXPECT_EQ(Consejo({QString::fromLatin1(c)}), QStringLiteral("<p>") +
                                                         QString::fromLatin1(c).toHtmlEscaped() +
                                                         QStringLiteral("</p>"));
}

// Every control of a window is its row of the window's table: its edges at the nearest logical
// pixels to its twips, the font, colours and alignment of the row; Tab follows the tab indices.
class DisposicionTest : public ConAplicacion, public testing::WithParamInterface<const char*> {};

TEST_P(DisposicionTest, EveryControlIsItsRow) {
    const Ventana& v = Hacer(GetParam());
    EXPECT_EQ(v.size(), QSize(725, 533));
    std::vector<QWidget*> tab;
    for (const Control& c : v.controles()) {
        SCOPED_TRACE(c.nombre);
        QWidget* w = v.control(QLatin1String(c.nombre));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), PixelesDesdeTwips(c.left, c.top, c.width, c.height));
        if (c.puntos > 0) {
            const QFont f = w->font();
            EXPECT_EQ(f.family(), QLatin1String("Liberation Sans"));
            EXPECT_EQ(f.pointSizeF(), c.puntos);
            EXPECT_TRUE(f.bold() && f.italic());
        }
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            EXPECT_EQ(l->palette().color(QPalette::WindowText),
                      QColor(c.color.r, c.color.g, c.color.b));
            EXPECT_EQ(l->alignment(),
                      (c.centrado ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            // A read-out is a white box.
            const bool lectura = c.tipo == Tipo::Lectura;
            EXPECT_EQ(l->autoFillBackground() && l->frameShape() == QFrame::Box, lectura);
            EXPECT_EQ(l->palette().color(QPalette::Window) == Qt::white, lectura);
        }
        if (const auto* b = qobject_cast<const QScrollBar*>(w)) {
            EXPECT_EQ(b->pageStep(), c.large);
            EXPECT_TRUE(b->hasTracking());  // the handler runs for every value the thumb passes
        }
        if (w->focusPolicy() & Qt::TabFocus) tab.push_back(w);
    }
    std::stable_sort(tab.begin(), tab.end(), [&](QWidget* a, QWidget* b) {
        const auto indice = [&](QWidget* w) {
            for (const Control& c : v.controles())
                if (w->objectName() == QLatin1String(c.nombre)) return c.tab;
            return -1;
        };
        return indice(a) < indice(b);
    });
    for (std::size_t i = 0; i + 1 < tab.size(); ++i) {
        QWidget* siguiente = tab[i]->nextInFocusChain();
        while (!(siguiente->focusPolicy() & Qt::TabFocus))
            siguiente = siguiente->nextInFocusChain();
        EXPECT_EQ(siguiente, tab[i + 1]) << "after " << tab[i]->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Ventanas, DisposicionTest, testing::Values("Form1", "Form2", "Form3"),
                         [](const auto& info) { return std::string(info.param); });

// The result read-outs that a redraw did not write describe an earlier picture: each says so in
// its look, its tooltip and its accessible description, until it is written again, at any zoom.
struct Anteriores {
    const char* guion;
    std::vector<int> anteriores;
    friend void PrintTo(const Anteriores& a, std::ostream* os) { *os << a.guion; }
};

class AnterioresTest : public ConAplicacion, public testing::WithParamInterface<Anteriores> {};

TEST_P(AnterioresTest, ResultReadOutsOfAnEarlierPictureSaySo) {
    Ventana& v = Hacer(GetParam().guion);
    app.zoom().Fijar(1.5);
    for (std::size_t i = 0; i < v.controles().size(); ++i) {
        const Control& c = v.controles()[i];
        if (!c.resultado) continue;
        SCOPED_TRACE(c.nombre);
        const auto* l = static_cast<const QLabel*>(v.control(QLatin1String(c.nombre)));
        const int n = QByteArray(c.nombre + 5).toInt();
        const bool anterior = std::ranges::count(GetParam().anteriores, n) == 1;
        EXPECT_EQ(l->font().strikeOut(), anterior);
        EXPECT_EQ(l->palette().color(QPalette::WindowText) != QColor(Qt::black), anterior);
        EXPECT_EQ(l->toolTip().contains(QStringLiteral("De la construcción anterior")), anterior);
        EXPECT_EQ(l->accessibleDescription().startsWith(QStringLiteral("De la construcción")),
                  anterior);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ventanas, AnterioresTest,
    testing::Values(Anteriores{"Form2 1=50 2=30", {}},  // empty: nothing to describe
                    Anteriores{"Form2 1=50 clic", {}}, Anteriores{"Form2 1=50 clic 2=30", {10, 12}},
                    Anteriores{"Form2 1=50 clic 2=30 clic", {}},
                    Anteriores{"Form3 1=50", {14, 16, 18}}, Anteriores{"Form3 1=50 7=2", {}},
                    Anteriores{"Form3 1=50 7=2 4=30", {14, 16, 18}},
                    Anteriores{"Form3 1=50 7=2 4=30 7=3", {}}),
    [](const auto& info) { return "Caso" + std::to_string(info.index); });

// The guide lists the six orders as the step bar draws them, step 1 first.
TEST(Guia, ListsTheOrdersInTheStepsOrder) {
    QFile guia(QStringLiteral(":/ayuda.html"));
    ASSERT_TRUE(guia.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(guia.readAll());
    static const QRegularExpression kOrden(QStringLiteral("(\\d)-(\\d)-(\\d)"));
    std::vector<std::array<int, 3>> listados;
    for (const QRegularExpressionMatch& m : kOrden.globalMatch(texto))
        listados.push_back({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()});
    ASSERT_EQ(listados.size(), 6u);
    for (int paso = 1; paso <= 6; ++paso)
        EXPECT_EQ(listados[static_cast<std::size_t>(paso - 1)], polygon::OrdenDelPaso(paso))
            << paso;
}

using NavegacionTest = ConAplicacion;

TEST_F(NavegacionTest, StartsOnForm1WithTheFirstButtonFocused) {
    EXPECT_TRUE(app.form1().isVisible());
    EXPECT_EQ(app.form1().focusWidget(), app.form1().boton(1));
}

TEST_F(NavegacionTest, EnterPressesTheFocusedButton) {
    app.form1().boton(2)->setFocus();
    QTest::keyClick(app.form1().boton(2), Qt::Key_Return);
    QTRY_VERIFY(app.ventana("Form3") && app.ventana("Form3")->isVisible());
}

}  // namespace
}  // namespace trazalia::app
