#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "app/aplicacion.h"
#include "app/exportar.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/form3.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace trazalia::app {
namespace {

// Answers the save dialog with a fixed path and records what the window asked and reported.
struct DialogosFijos final : Dialogos {
    QString ArchivoParaGuardar(QWidget*, const QString& nombre) override {
        ofrecido = nombre;
        return ruta;
    }
    void Aviso(QWidget*, const QString& titulo, const QString& texto) override {
        avisos << titulo + u'|' + texto;
    }
    QString ruta;
    QString ofrecido;
    QStringList avisos;
};

class Exportar : public testing::Test {
public:
    Exportar() {
        auto d = std::make_unique<DialogosFijos>();
        dialogos = d.get();
        app.setDialogos(std::move(d));
        app.Iniciar();
    }
    Form2& Paralelogramo() {
        app.form1().boton(1)->click();
        return app.form2();
    }
    Form3& Poligono() {
        app.form1().boton(2)->click();
        return app.form3();
    }
    // Vector 1: 100 at 0°, vector 2: 100 at 90°, and the construction.
    Form2& ParalelogramoCompleto() {
        Form2& f = Paralelogramo();
        f.barra(1)->setValue(100);
        f.barra(2)->setValue(100);
        f.barra(4)->setValue(90);
        f.boton(1)->click();
        return f;
    }

protected:
    Aplicacion app;
    DialogosFijos* dialogos = nullptr;
    QTemporaryDir carpeta;
};

// Whether a pixel near a point (logical pixels of the picture) has about that colour.
bool ColorCerca(const QImage& imagen, QPointF punto, QColor color) {
    const qreal dpr = imagen.width() / (7000 / canvas::kTwipsPerPixel);
    const QPoint centro = (punto * dpr).toPoint();
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor c = imagen.pixelColor(centro + QPoint(dx, dy));
            if (std::abs(c.red() - color.red()) + std::abs(c.green() - color.green()) +
                    std::abs(c.blue() - color.blue()) <
                90)
                return true;
        }
    }
    return false;
}

// The completed parallelogram: red along +x and along the top, blue up, black diagonal.
void EsElParalelogramo(const QImage& imagen) {
    ASSERT_FALSE(imagen.isNull());
    EXPECT_TRUE(ColorCerca(imagen, {300, 200}, Qt::red)) << "vector 1 along +x";
    EXPECT_TRUE(ColorCerca(imagen, {233.3, 150}, Qt::blue)) << "vector 2 upwards";
    EXPECT_TRUE(ColorCerca(imagen, {300, 72.7}, Qt::red)) << "side parallel to vector 1";
    EXPECT_TRUE(ColorCerca(imagen, {307.6, 136.4}, Qt::black)) << "resultant";
    EXPECT_TRUE(ColorCerca(imagen, {150, 300}, Qt::white)) << "empty quadrant";
}

// Each format read back as a picture twice the logical size (934 × 800 pixels).
struct Formato {
    const char* nombre;
    const char* extension;
    std::function<QImage(const QString&)> leer;
    friend void PrintTo(const Formato& f, std::ostream* os) { *os << f.nombre; }
};

class GuardarTest : public Exportar, public testing::WithParamInterface<Formato> {};

TEST_P(GuardarTest, WritesWhatTheDrawingAreaShows) {
    Form2& f = ParalelogramoCompleto();
    dialogos->ruta = carpeta.filePath(QStringLiteral("figura.") + GetParam().extension);
    f.accionGuardar()->trigger();
    EXPECT_EQ(dialogos->ofrecido, "paralelogramo.png");
    EXPECT_TRUE(dialogos->avisos.isEmpty()) << dialogos->avisos.join('\n').toStdString();
    const QImage imagen = GetParam().leer(dialogos->ruta);
    EXPECT_EQ(imagen.size(), QSize(934, 800));
    EsElParalelogramo(imagen);
}

QImage LeerPng(const QString& ruta) { return QImage(ruta); }

QImage LeerSvg(const QString& ruta) {
    QSvgRenderer svg(ruta);
    const QSizeF caja = svg.viewBoxF().size();
    if (std::abs(caja.width() - 466.67) > 0.01 || caja.height() != 400) return {};
    QImage imagen(934, 800, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter painter(&imagen);
    svg.render(&painter);
    return imagen;
}

// A page of 350 × 300 points at 192 dpi.
QImage LeerPdf(const QString& ruta) {
    QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "192", "-png", "-singlefile", ruta, ruta});
    return QImage(ruta + QStringLiteral(".png"));
}

INSTANTIATE_TEST_SUITE_P(Formatos, GuardarTest,
                         testing::Values(Formato{"PngAtTwiceThePictureSize", "png", LeerPng},
                                         Formato{"SvgOfThePictureSize", "svg", LeerSvg},
                                         Formato{"PdfPageOfThePictureSize", "pdf", LeerPdf}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// A save that cannot happen tells why and leaves the folder as it was.
struct Fallo {
    const char* nombre;
    const char* archivo;
    const char* motivo;
    friend void PrintTo(const Fallo& f, std::ostream* os) { *os << f.nombre; }
};

class FalloTest : public Exportar, public testing::WithParamInterface<Fallo> {};

TEST_P(FalloTest, TellsWhyAndLeavesNoFile) {
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("ocupado.png")));
    Form2& f = ParalelogramoCompleto();
    dialogos->ruta = carpeta.filePath(QString::fromUtf8(GetParam().archivo));
    f.GuardarImagen();
    ASSERT_EQ(dialogos->avisos.size(), 1);
    const QString aviso = dialogos->avisos.first();
    EXPECT_TRUE(
        aviso.startsWith(QStringLiteral("No se pudo guardar la imagen|No se puede escribir")))
        << aviso.toStdString();
    EXPECT_TRUE(aviso.contains(dialogos->ruta)) << aviso.toStdString();
    EXPECT_TRUE(aviso.contains(QString::fromUtf8(GetParam().motivo))) << aviso.toStdString();
    EXPECT_EQ(
        QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{"ocupado.png"});
}

INSTANTIATE_TEST_SUITE_P(Fallos, FalloTest,
                         testing::Values(Fallo{"UnknownExtension", "figura.jpg",
                                               "se admiten .png, .svg y .pdf"},
                                         Fallo{"MissingFolder", "no-existe/figura.png", "«"},
                                         Fallo{"FolderInTheWay", "ocupado.png", "«"}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The clipboard holds the picture as shown and a line of the read-outs shown.
struct Copia {
    const char* nombre;
    std::function<VentanaMetodo&(Exportar&)> preparar;
    const char* texto;
    friend void PrintTo(const Copia& c, std::ostream* os) { *os << c.nombre; }
};

class CopiaTest : public Exportar, public testing::WithParamInterface<Copia> {};

TEST_P(CopiaTest, HoldsTheImageAndTheReadOuts) {
    VentanaMetodo& f = GetParam().preparar(*this);
    f.accionCopiar()->trigger();
    const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(datos, nullptr);
    EXPECT_EQ(datos->text(), QString::fromUtf8(GetParam().texto));
    const QImage imagen = qvariant_cast<QImage>(datos->imageData());
    const QImage esperada = canvas::RenderImage(f.Picture1()->picture(), 2);
    ASSERT_EQ(imagen.size(), QSize(934, 800));
    EXPECT_EQ(imagen.convertToFormat(QImage::Format_RGB32), esperada);
}

Form3& PoligonoDePrueba(Exportar& e, int paso) {
    Form3& f = e.Poligono();
    f.barra(1)->setValue(30);
    f.barra(2)->setValue(40);
    f.barra(5)->setValue(90);
    if (paso > 1) f.barra(7)->setValue(paso);
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Copias, CopiaTest,
    testing::Values(
        Copia{"ParallelogramBeforeTheFirstClick",
              [](Exportar& e) -> VentanaMetodo& { return e.Paralelogramo(); },
              "r1 = 0; α1 = 0°; r2 = 0; α2 = 0°"},
        Copia{"ParallelogramWithItsResultant",
              [](Exportar& e) -> VentanaMetodo& { return e.ParalelogramoCompleto(); },
              "r1 = 100; α1 = 0°; r2 = 100; α2 = 90°; r = 141.42; α = 45.00°"},
        Copia{"ParallelogramWithoutDirection",
              [](Exportar& e) -> VentanaMetodo& {
                  Form2& f = e.Paralelogramo();
                  f.barra(1)->setValue(50);
                  f.barra(2)->setValue(50);
                  f.barra(4)->setValue(180);
                  f.boton(1)->click();
                  return f;
              },
              "r1 = 50; α1 = 0°; r2 = 50; α2 = 180°; r = 0.00; α = Indefinido"},
        Copia{"PolygonBeforeTheFirstStep",
              [](Exportar& e) -> VentanaMetodo& { return PoligonoDePrueba(e, 1); },
              "r1 = 30; α1 = 0°; r2 = 40; α2 = 90°; r3 = 0; α3 = 0°; paso = 1"},
        Copia{"PolygonAtAStep",
              [](Exportar& e) -> VentanaMetodo& { return PoligonoDePrueba(e, 3); },
              "r1 = 30; α1 = 0°; r2 = 40; α2 = 90°; r3 = 0; α3 = 0°; paso = 3; r = 50.00; "
              "α = 53.13°"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Saving from the keyboard and from the context menu offers the method's name and, on the polygon
// window, the step's. The mouse and the real menu key are exercised under Xvfb.
struct Via {
    const char* nombre;
    bool poligono;
    void (*abrir)(VentanaMetodo&);
    const char* archivo;
    friend void PrintTo(const Via& v, std::ostream* os) { *os << v.nombre; }
};

class ViaTest : public Exportar, public testing::WithParamInterface<Via> {};

TEST_P(ViaTest, OffersTheFileName) {
    VentanaMetodo& f = GetParam().poligono ? static_cast<VentanaMetodo&>(Poligono())
                                           : static_cast<VentanaMetodo&>(Paralelogramo());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    GetParam().abrir(f);
    QMenu* menu = f.menuDelDibujo();
    if (menu->isVisible()) {
        ASSERT_EQ(menu->actions().size(), 2);
        EXPECT_EQ(menu->actions()[0]->text(), "Copiar imagen");
        EXPECT_EQ(menu->actions()[1]->text(), "Guardar imagen…");
        menu->actions()[1]->trigger();
        menu->hide();
    }
    EXPECT_EQ(dialogos->ofrecido, GetParam().archivo);
}

void CtrlS(VentanaMetodo& f) {
    f.Picture1()->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_S, Qt::ControlModifier);
}

void CtrlSEnElPaso5(VentanaMetodo& f) {
    f.barra(7)->setValue(5);
    f.barra(7)->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_S, Qt::ControlModifier);
}

// What the X11 platform makes of the menu key.
void MenuDeTeclado(VentanaMetodo& f) {
    const QPoint centro = f.Picture1()->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, centro, f.Picture1()->mapToGlobal(centro));
    QApplication::sendEvent(f.Picture1(), &menu);
    ASSERT_TRUE(f.menuDelDibujo()->isVisible());
}

void ShiftF10(VentanaMetodo& f) {
    f.Picture1()->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(f.menuDelDibujo()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Vias, ViaTest,
    testing::Values(Via{"CtrlSOnTheParallelogram", false, CtrlS, "paralelogramo.png"},
                    Via{"CtrlSFromTheStepBar", true, CtrlSEnElPaso5, "poligono-paso-5.png"},
                    Via{"KeyboardContextMenu", false, MenuDeTeclado, "paralelogramo.png"},
                    Via{"ShiftF10", true, ShiftF10, "poligono-paso-1.png"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Choosing another type in the real save dialog changes the extension of the name offered.
struct Filtro {
    int indice;
    const char* archivo;
    friend void PrintTo(const Filtro& f, std::ostream* os) { *os << f.archivo; }
};

class DialogoTest : public testing::TestWithParam<Filtro> {};

TEST_P(DialogoTest, NameFollowsTheTypeChosen) {
    const auto dialogo = CrearDialogoGuardar(nullptr, QDir::temp().filePath("poligono-paso-3.png"));
    EXPECT_EQ(dialogo->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialogo->selectedNameFilter(), "Imagen PNG (*.png)");
    auto* tipos = dialogo->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(tipos, nullptr);
    ASSERT_EQ(tipos->count(), 3);
    // As a user picks it, from the keyboard.
    for (int i = 0; i < GetParam().indice; ++i) QTest::keyClick(tipos, Qt::Key_Down);
    EXPECT_EQ(tipos->currentIndex(), GetParam().indice);
    ASSERT_EQ(dialogo->selectedFiles().size(), 1);
    EXPECT_EQ(dialogo->selectedFiles().first(), QDir::temp().filePath(GetParam().archivo));
}

INSTANTIATE_TEST_SUITE_P(Tipos, DialogoTest,
                         testing::Values(Filtro{0, "poligono-paso-3.png"},
                                         Filtro{1, "poligono-paso-3.svg"},
                                         Filtro{2, "poligono-paso-3.pdf"}),
                         [](const auto& info) { return std::to_string(info.param.indice); });

}  // namespace
}  // namespace trazalia::app
