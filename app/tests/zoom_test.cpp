// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <functional>

#include "app/ajustes.h"
#include "app/ayuda.h"
#include "app/dialogos.h"
#include "app/exportar.h"
#include "app/ventana_metodo.h"
#include "app/hoja.h"
#include "app/tests/con_aplicacion.h"
#include "app/zoom.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {
namespace {

// A screen's free area and the frame the window manager draws around a window.
struct Pantalla {
    const char* nombre;
    QSize libre;
    QSize marco = Zoom::kMarco;
};

class PantallaTest : public testing::TestWithParam<Pantalla> {};

// Ctrl++ climbs to the largest zoom at which a window and its frame fit, then does nothing;
// Ctrl+0 and the smallest zoom fit as well, down to the smallest screen Qt reports.
TEST_P(PantallaTest, TheZoomStaysWithinTheScreen) {
    const Pantalla& p = GetParam();
    const auto cabe = [&](double zoom) {
        return QRect(QPoint(), p.libre)
            .contains(QRect(QPoint(), ZoomDeVentana::Tamano(zoom) + p.marco));
    };
    Zoom zoom;
    zoom.LimitarA(p.libre, p.marco);
    EXPECT_TRUE(cabe(zoom.maximo()));
    if (zoom.maximo() < Zoom::kMaximo) {
        EXPECT_FALSE(cabe(zoom.maximo() + 0.01));
    }
    for (int pasos = 0; zoom.Acercar(); ++pasos) ASSERT_LT(pasos, 30);
    EXPECT_EQ(zoom.valor(), zoom.maximo());
    zoom.Fijar(1);
    EXPECT_TRUE(cabe(zoom.valor()));
    for (int pasos = 0; pasos < 30; ++pasos) zoom.Alejar();
    EXPECT_TRUE(cabe(zoom.valor()));
}

INSTANTIATE_TEST_SUITE_P(Pantallas, PantallaTest,
                         testing::Values(Pantalla{"portatil_150", QSize(911, 482)},
                                         Pantalla{"openbox_1024", QSize(1024, 768), QSize(2, 25)},
                                         Pantalla{"proyector", QSize(1920, 1040)},
                                         Pantalla{"4K", QSize(3840, 2120)},
                                         Pantalla{"8K", QSize(7680, 4280)},
                                         Pantalla{"640x480_a_2", QSize(320, 240)}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// With no zoom remembered, the first run suits the screen: 100 % where a window takes most of it,
// larger where it would be a stamp, and no more than fits.
struct Primera {
    const char* nombre;
    QSize pantalla;
    double zoom;  // 0: the largest that fits
};

class PrimeraTest : public testing::TestWithParam<Primera> {};

TEST_P(PrimeraTest, StartsAtAZoomThatSuitsTheScreen) {
    const Primera& p = GetParam();
    const double zoom = Zoom::Inicial(p.pantalla);
    EXPECT_DOUBLE_EQ(zoom, p.zoom ? p.zoom : Zoom::QueCabe(p.pantalla));
    EXPECT_TRUE(QRect(QPoint(), p.pantalla)
                    .contains(QRect(QPoint(), ZoomDeVentana::Tamano(zoom) + Zoom::kMarco)));
}

INSTANTIATE_TEST_SUITE_P(Pantallas, PrimeraTest,
                         testing::Values(Primera{"portatil_1366x768", QSize(1366, 768), 1},
                                         Primera{"1920x1080", QSize(1920, 1080), 1.25},
                                         Primera{"4K", QSize(3840, 2160), 2.5},
                                         Primera{"portatil_150", QSize(911, 512), 0}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Full screen on any screen: the content at the largest scale that fits, within the zoom's
// limits, and centred.
struct Completa {
    const char* nombre;
    QSize pantalla;
    enum { Justa, Maxima, Minima } factor;
};

class CompletaTest : public ConAplicacion, public testing::WithParamInterface<Completa> {};

TEST_P(CompletaTest, ContentScaledToFitAndCentred) {
    Ventana& f = Hacer("Form3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(f.windowHandle(), Qt::Key_F11);
    ASSERT_TRUE(f.isFullScreen());
    const QSize pantalla = GetParam().pantalla;
    f.resize(pantalla);
    const double factor = f.Picture1()->scale();
    const QSize contenido = ZoomDeVentana::Tamano(factor);
    switch (GetParam().factor) {
        case Completa::Justa:
            EXPECT_FALSE(QRect(QPoint(), pantalla)
                             .contains(QRect(QPoint(), ZoomDeVentana::Tamano(factor + 0.01))));
            break;
        case Completa::Maxima:
            EXPECT_EQ(factor, Zoom::kMaximo);
            break;
        case Completa::Minima:
            EXPECT_EQ(factor, Zoom::kMinimo);
            break;
    }
    if (GetParam().factor != Completa::Minima) {
        EXPECT_TRUE(QRect(QPoint(), pantalla).contains(QRect(QPoint(), contenido)));
    }
    // No smaller than the window's minimum, the content at the smallest zoom.
    const QPoint origen((f.width() - contenido.width()) / 2, (f.height() - contenido.height()) / 2);
    EXPECT_EQ(f.Picture1()->pos(), origen + QPoint(Pixeles(240, factor), Pixeles(1800, factor)));
}

INSTANTIATE_TEST_SUITE_P(Pantallas, CompletaTest,
                         testing::Values(Completa{"proyector", QSize(1920, 1080), Completa::Justa},
                                         Completa{"640x480_a_2", QSize(320, 240), Completa::Justa},
                                         Completa{"8K", QSize(7680, 4320), Completa::Maxima},
                                         Completa{"diminuta", QSize(100, 80), Completa::Minima}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// A zoom saved by an earlier run, whatever the settings file holds, starts within the limits
// and the screen.
struct Guardado {
    const char* nombre;
    const char* texto;
    double zoom;  // 0: the largest the screen holds
};

class GuardadoTest : public testing::TestWithParam<Guardado> {
protected:
    GuardadoTest() {
        QStandardPaths::setTestModeEnabled(true);
        Ajustes().setValue(QStringLiteral("ventanas/zoom"), QString::fromUtf8(GetParam().texto));
    }
    ~GuardadoTest() override { Ajustes().clear(); }
};

TEST_P(GuardadoTest, StartsWithinTheLimitsAndTheScreen) {
    Aplicacion app;
    app.IniciarEnPantalla();
    Ventana& f = app.form1();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    if (GetParam().zoom) {
        EXPECT_EQ(app.zoom().valor(), GetParam().zoom);
    } else {
        EXPECT_GT(app.zoom().valor(), 1);
        EXPECT_LE(app.zoom().valor(), app.zoom().maximo());
    }
    EXPECT_EQ(f.size(), ZoomDeVentana::Tamano(app.zoom().valor()));
    EXPECT_TRUE(f.screen()->availableGeometry().contains(f.frameGeometry()));
}

INSTANTIATE_TEST_SUITE_P(Ajustes, GuardadoTest,
                         testing::Values(Guardado{"propio", "0.9", 0.9},
                                         Guardado{"enorme", "1e9", 0},
                                         Guardado{"negativo", "-3", Zoom::kMinimo},
                                         Guardado{"nan", "nan", 1}, Guardado{"inf", "inf", 1},
                                         Guardado{"texto", "abc", 1}, Guardado{"vacio", "", 1}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Ctrl++ in a window near an edge of the screen: the window grows and stays on the screen; at the
// screen's limit Ctrl++ changes nothing and says why.
class EnElBordeTest : public ConAplicacion, public testing::WithParamInterface<QPoint> {};

TEST_P(EnElBordeTest, GrowsOnTheScreenUpToItsLimit) {
    Ventana& f = Hacer("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.move(GetParam());
    const QRect libre = f.screen()->availableGeometry();
    QSize antes;
    while (antes != f.size()) {
        antes = f.size();
        QTest::keyClick(f.windowHandle(), Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_TRUE(libre.contains(f.frameGeometry())) << f.x() << ' ' << f.y();
    }
    EXPECT_GT(f.width(), ZoomDeVentana::Tamano(1).width());
    EXPECT_EQ(QToolTip::text(), ZoomDeVentana::MaximoAlcanzado());
}

INSTANTIATE_TEST_SUITE_P(Lugares, EnElBordeTest,
                         testing::Values(QPoint(0, 0), QPoint(700, 500), QPoint(-300, -200)));

class ZoomTest : public ConAplicacion, public testing::WithParamInterface<const char*> {
protected:
    std::vector<Ventana*> Todas() { return {&app.form1(), &app.metodo("Form2"), &app.metodo("Form3")}; }

    // Every control of every window at twips × zoom / 15, each edge rounded, fonts × zoom.
    void Comprobar(double zoom, const std::map<QWidget*, qreal>& puntos) {
        for (Ventana* v : Todas()) {
            EXPECT_EQ(v->size(), QSize(Pixeles(10875, zoom), Pixeles(7995, zoom)))
                << v->nombre().toStdString();
            for (const Control& c : v->controles()) {
                QWidget* control = v->control(QLatin1String(c.nombre));
                EXPECT_EQ(control->geometry(),
                          PixelesDesdeTwips(c.left, c.top, c.width, c.height, zoom))
                    << c.nombre;
                if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) {
                    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), puntos.at(control) * zoom)
                        << c.nombre;
                }
            }
        }
    }
};

// Ctrl+− three times and Ctrl++ and Ctrl+= in one window zoom all three to 90 %; Ctrl+0 brings
// back the program's layout.
TEST_P(ZoomTest, KeysLayEveryWindowOutAtTheZoom) {
    Ventana& ventana = Hacer(GetParam());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    std::map<QWidget*, qreal> puntos;
    for (Ventana* v : Todas())
        for (QWidget* w : v->findChildren<QWidget*>()) puntos[w] = w->font().pointSizeF();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(ventana.windowHandle(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(ventana.windowHandle(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(ventana.windowHandle(), Qt::Key_Equal, Qt::ControlModifier);
    Comprobar(0.9, puntos);
    QTest::keyClick(ventana.windowHandle(), Qt::Key_0, Qt::ControlModifier);
    Comprobar(1, puntos);
}

INSTANTIATE_TEST_SUITE_P(EnCadaVentana, ZoomTest, testing::Values("Form1", "Form2", "Form3"));

// At 200 % the drawing is the display list painted twice as large, not a stretched bitmap.
TEST_F(ConAplicacion, ZoomedPictureIsRedrawnCrisp) {
    VentanaMetodo& f = Metodo("Form2 1=100 2=60 3=30 4=120 clic");
    f.barra(1)->setFocus();
    app.zoom().LimitarA(QSize(3840, 2160));
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
    std::optional<QString> Texto(QWidget*, const QString&, const QString&,
                                 const QString&) override {
        return std::nullopt;
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

// Back from a window zoomed to its screen's limit, the start window comes back within the screen.
TEST_F(ConAplicacion, AWindowShownAgainComesBackOnTheScreen) {
    Ventana& inicio = app.form1();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&inicio));
    const QRect libre = inicio.screen()->availableGeometry();
    inicio.move(libre.left() + 40, libre.bottom() - inicio.frameGeometry().height() - 10);
    Ventana& f = Hacer("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(f.windowHandle(), Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_GT(f.height(), ZoomDeVentana::Tamano(1).height());
    QTest::keyClick(f.windowHandle(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&inicio));
    EXPECT_EQ(inicio.size(), f.size());
    EXPECT_TRUE(libre.contains(inicio.geometry().marginsAdded(app.zoom().bordes())))
        << inicio.x() << ' ' << inicio.y();
}

// Every dialog of a window zoomed to 200 %: the application's font and its buttons' icons twice
// their size.
struct Dialogo {
    const char* nombre;
    // Opens the dialog over that window and hands it to comprobar while it is open.
    void (*abrir)(Ventana& ventana, const std::function<void(QWidget&)>& comprobar);
};

class DialogoTest : public ConAplicacion, public testing::WithParamInterface<Dialogo> {};

TEST_P(DialogoTest, FontAndIconsFollowTheZoom) {
    Ventana& f = Hacer("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    app.zoom().LimitarA(QSize(3840, 2160));
    app.zoom().Fijar(2);
    int comprobados = 0;
    GetParam().abrir(f, [&](QWidget& dialogo) {
        EXPECT_DOUBLE_EQ(dialogo.font().pointSizeF(), QApplication::font().pointSizeF() * 2);
        const int lado = dialogo.style()->pixelMetric(QStyle::PM_ButtonIconSize);
        const auto botones = dialogo.findChildren<QAbstractButton*>();
        EXPECT_FALSE(botones.isEmpty());
        for (const QAbstractButton* b : botones)
            EXPECT_EQ(b->iconSize(), QSize(lado, lado) * 2) << b->text().toStdString();
        ++comprobados;
    });
    EXPECT_EQ(comprobados, 1);
    app.zoom().Fijar(1);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogos, DialogoTest,
    testing::Values(
        Dialogo{"ayuda", [](Ventana& v, const auto& comprobar) { comprobar(*Ayuda::Mostrar(&v)); }},
        Dialogo{
            "acerca_de",
            [](Ventana& v, const auto& comprobar) { comprobar(*Ayuda::Mostrar(&v)->AcercaDe()); }},
        Dialogo{"hoja",
                [](Ventana& v, const auto& comprobar) {
                    DialogosQt dialogos;
                    std::unique_ptr<QDialog> hoja(DialogoDeHoja(&v, dialogos));
                    comprobar(*hoja);
                }},
        Dialogo{"aviso",
                [](Ventana& v, const auto& comprobar) {
                    QTimer::singleShot(0, &v, [&comprobar] {
                        QWidget* aviso = QApplication::activeModalWidget();
                        ASSERT_NE(aviso, nullptr);
                        comprobar(*aviso);
                        aviso->close();
                    });
                    DialogosQt().Aviso(&v, QStringLiteral("Título"), QStringLiteral("Texto"));
                }}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The licence's identifier is one word: the about box never breaks a line inside it, at any step
// of the zoom.
TEST_F(ConAplicacion, TheAboutBoxKeepsTheLicenceWhole) {
    Ventana& f = Hacer("Form3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    Ayuda* ayuda = Ayuda::Mostrar(&f);
    QMessageBox* acerca = ayuda->AcercaDe();
    auto* rotulo = acerca->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(rotulo, nullptr);
    for (const double paso : Zoom::Pasos()) {
        ayuda->Ajustar(paso);
        rotulo->grab();  // lays the text out at the label's width
        const auto* documento = rotulo->findChild<QTextDocument*>();
        ASSERT_NE(documento, nullptr);
        int vistos = 0;
        for (QTextBlock b = documento->begin(); b.isValid(); b = b.next()) {
            const qsizetype inicio =
                b.text().indexOf(QRegularExpression(QStringLiteral("GPL.3\\.0.or.later")));
            if (inicio < 0) continue;
            ++vistos;
            const QTextLayout* capa = b.layout();
            for (int i = 0; i < capa->lineCount(); ++i) {
                const int linea = capa->lineAt(i).textStart();
                EXPECT_FALSE(linea > inicio && linea < inicio + 16)
                    << "zoom " << paso << ": " << b.text().mid(linea).toStdString();
            }
        }
        EXPECT_EQ(vistos, 1) << paso;
    }
}

// The worksheet's dialog at 200 %: its font twice the size, and its preview showing the page twice
// as large as at 100 %.
TEST_F(ConAplicacion, TheWorksheetDialogFollowsTheZoom) {
    Ventana& f = Hacer("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    DialogosQt dialogos;
    const auto abrir = [&] {
        std::unique_ptr<QDialog> hoja(DialogoDeHoja(&f, dialogos));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(hoja.get()));
        QApplication::processEvents();
        return std::pair(hoja->font().pointSizeF(),
                         hoja->findChild<QPrintPreviewWidget*>()->zoomFactor());
    };
    const auto [letra, zoom] = abrir();
    app.zoom().LimitarA(QSize(3840, 2160));
    app.zoom().Fijar(2);
    const auto [letraDoble, zoomDoble] = abrir();
    app.zoom().Fijar(1);
    EXPECT_DOUBLE_EQ(letraDoble, letra * 2);
    EXPECT_NEAR(zoomDoble / zoom, 2, 0.04);
}

}  // namespace
}  // namespace trazalia::app
