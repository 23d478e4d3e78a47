// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "app/tests/con_aplicacion.h"

namespace trazalia::app {
namespace {

// The nearest logical pixel to a distance in twips.
int Px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

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
        EXPECT_EQ(w->geometry(), QRect(QPoint(Px(c.left), Px(c.top)),
                                       QPoint(Px(c.left + c.width) - 1, Px(c.top + c.height) - 1)));
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
            EXPECT_FALSE(b->hasTracking());  // the handler runs when the thumb is released
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
