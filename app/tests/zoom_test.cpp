// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "app/exportar.h"
#include "app/form2.h"
#include "app/form3.h"
#include "app/tests/con_aplicacion.h"
#include "app/zoom.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {
namespace {

int Px(int twips, double zoom) { return static_cast<int>(std::lround(twips * zoom / 15)); }

// At start a window opens at the largest zoom that fits the screen's free area, frame included:
// a 1366 × 768 laptop at 150 %, a projector, a large screen.
class CabeTest : public testing::TestWithParam<QSize> {};

TEST_P(CabeTest, TheLargestZoomThatFits) {
    const double zoom = Zoom::QueCabe(GetParam());
    const QSize area = GetParam() - QSize(16, 40);
    EXPECT_TRUE(QRect(QPoint(), area).contains(QRect(QPoint(), ZoomDeVentana::Tamano(zoom))));
    EXPECT_FALSE(
        QRect(QPoint(), area).contains(QRect(QPoint(), ZoomDeVentana::Tamano(zoom + 0.01))));
}

INSTANTIATE_TEST_SUITE_P(Pantallas, CabeTest,
                         testing::Values(QSize(911, 482), QSize(1920, 1040), QSize(3840, 2120)));

class ZoomTest : public ConAplicacion, public testing::WithParamInterface<const char*> {
protected:
    std::vector<Ventana*> Todas() { return {&app.form1(), &app.form2(), &app.form3()}; }

    // Every control of every window at twips × zoom / 15, each edge rounded, fonts × zoom.
    void Comprobar(double zoom, const std::map<QWidget*, qreal>& puntos) {
        for (Ventana* v : Todas()) {
            EXPECT_EQ(v->size(), QSize(Px(10875, zoom), Px(7995, zoom)))
                << v->nombre().toStdString();
            const auto lineas = v->Dump();
            for (std::size_t i = 1; i < lineas.size(); ++i) {
                const QStringList c = QString::fromStdString(lineas[i]).split(u' ');
                const int l = c[2].toInt(), t = c[3].toInt(), w = c[4].toInt(), h = c[5].toInt();
                QWidget* control = v->control(c[0].section(u'.', 1));
                EXPECT_EQ(control->geometry(),
                          QRect(QPoint(Px(l, zoom), Px(t, zoom)),
                                QPoint(Px(l + w, zoom) - 1, Px(t + h, zoom) - 1)))
                    << lineas[i];
                if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) {
                    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), puntos.at(control) * zoom)
                        << lineas[i];
                }
            }
        }
    }
};

// Ctrl++ twice in one window zooms all three to 125 %; Ctrl+0 brings back the program's layout.
TEST_P(ZoomTest, KeysLayEveryWindowOutAtTheZoom) {
    Ventana& ventana = Hacer(GetParam());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    std::map<QWidget*, qreal> puntos;
    for (Ventana* v : Todas())
        for (QWidget* w : v->findChildren<QWidget*>()) puntos[w] = w->font().pointSizeF();
    QTest::keyClick(ventana.windowHandle(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(ventana.windowHandle(), Qt::Key_Equal, Qt::ControlModifier);
    Comprobar(1.25, puntos);
    QTest::keyClick(ventana.windowHandle(), Qt::Key_0, Qt::ControlModifier);
    Comprobar(1, puntos);
}

INSTANTIATE_TEST_SUITE_P(EnCadaVentana, ZoomTest, testing::Values("Form1", "Form2", "Form3"));

// At 200 % the drawing is the display list painted twice as large, not a stretched bitmap.
TEST_F(ConAplicacion, ZoomedPictureIsRedrawnCrisp) {
    VentanaMetodo& f = Metodo("Form2 1=100 2=60 3=30 4=120 clic");
    f.barra(1)->setFocus();
    app.zoom().Fijar(2);
    const QImage pantalla = f.Picture1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(pantalla.size(), QSize(933, 800));
    QImage esperada = canvas::RenderImage(f.Picture1()->picture(), 2).copy(0, 0, 933, 800);
    esperada.setDevicePixelRatio(1);
    EXPECT_TRUE(pantalla == esperada);
}

// Ctrl+P prints one page through the dialogs: the picture in vectors, as wide as the page allows,
// centred, with the read-outs under it.
struct Impresora final : Dialogos {
    QString ArchivoParaGuardar(QWidget*, const QString&) override { return {}; }
    void Aviso(QWidget*, const QString&, const QString&) override { ++avisos; }
    void Imprimir(QWidget*, const std::function<void(QPrinter&)>& imprimir) override {
        QPrinter pdf;
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(ruta);
        imprimir(pdf);
    }
    QString ruta;
    int avisos = 0;
};

TEST_F(ConAplicacion, PrintsThePictureOnOnePage) {
    QTemporaryDir carpeta;
    auto* impresora = new Impresora;
    impresora->ruta = carpeta.filePath("hoja.pdf");
    app.setDialogos(std::unique_ptr<Dialogos>(impresora));
    VentanaMetodo& f = Metodo("Form2 1=100 2=100 4=90 clic");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(f.windowHandle(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(impresora->avisos, 0);
    QFile pdf(impresora->ruta);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_FALSE(pdf.readAll().contains("/Subtype /Image"));
    ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", "40", "-png", "-singlefile", pdf.fileName(),
                                             carpeta.filePath("hoja")}),
              0);
    const QImage hoja(carpeta.filePath("hoja.png"));
    ASSERT_FALSE(hoja.isNull());
    // Ink per row and column; the axes are the row and the column with the most.
    std::vector<int> fila(static_cast<std::size_t>(hoja.height())),
        columna(static_cast<std::size_t>(hoja.width()));
    int rojos = 0;
    for (int y = 0; y < hoja.height(); ++y) {
        for (int x = 0; x < hoja.width(); ++x) {
            const QColor c = hoja.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++rojos;
            if (qGray(c.rgb()) > 200) continue;
            ++fila[static_cast<std::size_t>(y)];
            ++columna[static_cast<std::size_t>(x)];
        }
    }
    EXPECT_GT(rojos, 20);
    // The y axis, in the middle of the picture, is in the middle of the page; the x axis spans
    // most of its width.
    const int eje =
        static_cast<int>(std::max_element(columna.begin(), columna.end()) - columna.begin());
    EXPECT_NEAR(eje, hoja.width() / 2, 1);
    // The picture with the line under it is centred up and down.
    int arriba = 0, abajo = hoja.height() - 1;
    while (qGray(hoja.pixel(eje, arriba)) > 200) ++arriba;
    while (qGray(hoja.pixel(eje, abajo)) > 200) --abajo;
    EXPECT_NEAR(arriba + abajo, hoja.height(), 16);
    EXPECT_GT(*std::max_element(fila.begin(), fila.end()), hoja.width() * 8 / 10);
    // From the bottom: the line of text, white, then the picture.
    auto y = fila.rbegin();
    const auto tinta = [](int n) { return n > 0; };
    y = std::find_if(y, fila.rend(), tinta);
    y = std::find(y, fila.rend(), 0);
    const auto blanco = y;
    y = std::find_if(y, fila.rend(), tinta);
    EXPECT_GE(y - blanco, 4);
    EXPECT_NE(y, fila.rend());
}

}  // namespace
}  // namespace trazalia::app
