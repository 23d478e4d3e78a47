// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>
#include <stdexcept>

#include "app/acciones.h"
#include "app/dialogos.h"
#include "app/exportar.h"
#include "app/ventana_metodo.h"
#include "app/impresion.h"
#include "app/tests/con_aplicacion.h"
#include "app/tests/dialogos_fijos.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace trazalia::app {
namespace {

class Exportar : public ConAplicacion {
public:
    Exportar() { app.setDialogos(std::unique_ptr<Dialogos>(dialogos)); }
    VentanaMetodo& Hacer(const char* guion) {
        return static_cast<VentanaMetodo&>(ConAplicacion::Hacer(guion));
    }

    DialogosFijos* dialogos = new DialogosFijos;  // owned by app
    QTemporaryDir carpeta;
};

// A saved file read back at twice the picture's logical size.
QImage Leer(const QString& ruta) {
    if (ruta.endsWith(".pdf")) {  // a page of 350 × 300 points, at 192 dpi
        QProcess::execute("pdftoppm", {"-r", "192", "-png", "-singlefile", ruta, ruta});
        return QImage(ruta + ".png");
    }
    if (!ruta.endsWith(".svg")) return QImage(ruta);
    QSvgRenderer svg(ruta);
    if (svg.viewBoxF().size().toSize() != QSize(467, 400)) return {};
    QImage imagen(934, 800, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter painter(&imagen);
    svg.render(&painter);
    return imagen;
}

class GuardarTest : public Exportar, public testing::WithParamInterface<const char*> {};

TEST_P(GuardarTest, WritesWhatTheDrawingAreaShows) {
    VentanaMetodo& f = Hacer("Form2 1=100 2=100 4=90 clic");
    dialogos->ruta = carpeta.filePath(QStringLiteral("figura.") + GetParam());
    AccionesDelDibujo::De(f).accionGuardar()->trigger();
    EXPECT_EQ(dialogos->ofrecido, "paralelogramo.png");
    EXPECT_TRUE(dialogos->avisos.isEmpty()) << dialogos->avisos.join('\n').toStdString();
    const QImage imagen = Leer(dialogos->ruta);
    ASSERT_EQ(imagen.size(), QSize(934, 800));
    EXPECT_EQ(imagen.pixel(600, 400), qRgb(255, 0, 0)) << "vector 1 along +x";
    EXPECT_EQ(imagen.pixel(615, 272), qRgb(0, 0, 0)) << "middle of the resultant";
}

INSTANTIATE_TEST_SUITE_P(Formatos, GuardarTest, testing::Values("png", "svg", "pdf"),
                         [](const auto& info) { return std::string(info.param); });

// A save that cannot happen tells why and leaves the folder as it was.
struct Fallo {
    const char* nombre;
    const char* archivo;
};

class FalloTest : public Exportar, public testing::WithParamInterface<Fallo> {};

TEST_P(FalloTest, TellsWhyAndLeavesNoFile) {
    ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("ocupado.png")));
    const QByteArray tuberia = QFile::encodeName(carpeta.filePath("tuberia.png"));
    ASSERT_EQ(::mkfifo(tuberia.constData(), 0600), 0);
    // A device of its own where the system allows one (as root); elsewhere a link to the null
    // device, which a save could not replace anyway.
    const QByteArray dispositivo = QFile::encodeName(carpeta.filePath("dispositivo.png"));
    if (::mknod(dispositivo.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        ASSERT_EQ(::symlink("/dev/null", dispositivo.constData()), 0);
    }
    VentanaMetodo& f = Hacer("Form2 1=100 2=100 4=90 clic");
    dialogos->ruta = carpeta.filePath(QString::fromUtf8(GetParam().archivo));
    AccionesDelDibujo::De(f).GuardarImagen();
    ASSERT_EQ(dialogos->avisos.size(), 1);
    const QString aviso = dialogos->avisos[0];
    const QString inicio = "No se pudo guardar la imagen|No se puede escribir «" + dialogos->ruta;
    EXPECT_TRUE(aviso.startsWith(inicio + "»: ") && aviso.endsWith(u'.')) << aviso.toStdString();
    EXPECT_EQ(QDir(carpeta.path())
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
              (QStringList{"dispositivo.png", "ocupado.png", "tuberia.png"}));
    struct stat st {};
    EXPECT_TRUE(::stat(tuberia.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_TRUE(::stat(dispositivo.constData(), &st) == 0 && S_ISCHR(st.st_mode));
}

INSTANTIATE_TEST_SUITE_P(Fallos, FalloTest,
                         testing::Values(Fallo{"UnknownExtension", "figura.jpg"},
                                         Fallo{"FolderInTheWay", "ocupado.png"},
                                         Fallo{"FifoInTheWay", "tuberia.png"},
                                         Fallo{"DeviceInTheWay", "dispositivo.png"}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The clipboard holds the picture as shown and a line of the read-outs shown.
struct Copia {
    const char* nombre;
    const char* guion;
    const char* texto;
};

class CopiaTest : public Exportar, public testing::WithParamInterface<Copia> {};

TEST_P(CopiaTest, HoldsTheImageAndTheReadOuts) {
    VentanaMetodo& f = Hacer(GetParam().guion);
    AccionesDelDibujo::De(f).accionCopiar()->trigger();
    const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(datos, nullptr);
    EXPECT_EQ(datos->text(), QString::fromUtf8(GetParam().texto));
    const QImage imagen = qvariant_cast<QImage>(datos->imageData());
    ASSERT_EQ(imagen.size(), QSize(934, 800));
    EXPECT_EQ(imagen.convertToFormat(QImage::Format_RGB32),
              canvas::RenderImage(f.Picture1()->picture(), 2));
}

INSTANTIATE_TEST_SUITE_P(
    Copias, CopiaTest,
    testing::Values(
        Copia{"ParallelogramBeforeTheFirstClick", "Form2", "r1 = 0; α1 = 0°; r2 = 0; α2 = 0°"},
        Copia{"ParallelogramWithItsResultant", "Form2 1=100 2=100 4=90 clic",
              "r1 = 100; α1 = 0°; r2 = 100; α2 = 90°; r = 141.42; α = 45.00°"},
        Copia{"ParallelogramWithoutDirection", "Form2 1=50 2=50 4=180 clic",
              "r1 = 50; α1 = 0°; r2 = 50; α2 = 180°; r = 0.00; α = Indefinido"},
        Copia{"PolygonBeforeTheFirstStep", "Form3 1=30 2=40 5=90",
              "r1 = 30; α1 = 0°; r2 = 40; α2 = 90°; r3 = 0; α3 = 0°"},
        Copia{"ParallelogramRedrawnWithoutItsResultant", "Form2 1=100 2=100 4=90 clic 2=50",
              "r1 = 100; α1 = 0°; r2 = 50; α2 = 90°"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Saving offers the step's name only while the picture shows that step.
TEST_F(Exportar, OffersTheStepShownAsTheFileName) {
    VentanaMetodo& f = Hacer("Form3 1=30 2=40 5=90 7=5");
    AccionesDelDibujo::De(f).accionGuardar()->trigger();
    EXPECT_EQ(dialogos->ofrecido, "poligono-paso-5.png");
    f.barra(1)->setValue(20);
    AccionesDelDibujo::De(f).accionGuardar()->trigger();
    EXPECT_EQ(dialogos->ofrecido, "poligono.png");
}

// A picture of 400 × 300 under which a line of text 40 high goes, 20 below it: on an upright page
// the width limits the scale, on a landscape page the height; on a page lower than the text, no
// scale fits.
struct Pagina {
    const char* nombre;
    QSizeF pagina;
    std::optional<EnPagina> esperada;
    friend void PrintTo(const Pagina& p, std::ostream* os) { *os << p.nombre; }
};

class EncajarTest : public testing::TestWithParam<Pagina> {};

TEST_P(EncajarTest, CentresThePictureAtTheLargestScaleThatFits) {
    const std::optional<EnPagina> sitio = Encajar(GetParam().pagina, QSizeF(400, 300), 40);
    ASSERT_EQ(sitio.has_value(), GetParam().esperada.has_value());
    if (!sitio) return;
    EXPECT_DOUBLE_EQ(sitio->factor, GetParam().esperada->factor);
    EXPECT_DOUBLE_EQ(sitio->origen.x(), GetParam().esperada->origen.x());
    EXPECT_DOUBLE_EQ(sitio->origen.y(), GetParam().esperada->origen.y());
}

INSTANTIATE_TEST_SUITE_P(
    Paginas, EncajarTest,
    testing::Values(Pagina{"Upright", QSizeF(800, 1000), EnPagina{QPointF(0, 170), 2}},
                    Pagina{"Landscape", QSizeF(1000, 360), EnPagina{QPointF(300, 0), 1}},
                    Pagina{"LowerThanTheText", QSizeF(1000, 50), std::nullopt},
                    Pagina{"Empty", QSizeF(0, 0), std::nullopt}),
    [](const auto& info) { return std::string(info.param.nombre); });

// A page too small to show the picture is refused, before anything is printed on it.
struct Papel {
    const char* nombre;
    QPageSize tamano;
    QPageLayout::Orientation orientacion;
    bool cabe;
    friend void PrintTo(const Papel& p, std::ostream* os) { *os << p.nombre; }
};

class PapelTest : public Exportar, public testing::WithParamInterface<Papel> {};

TEST_P(PapelTest, PrintsOnlyWhereThePictureCanBeRead) {
    VentanaMetodo& f = Hacer("Form2 1=100 2=100 4=90 clic");
    QPdfWriter pdf(carpeta.filePath("hoja.pdf"));
    pdf.setPageLayout(QPageLayout(GetParam().tamano, GetParam().orientacion, QMarginsF()));
    const QString error = ImprimirDibujo(f.Picture1()->picture(), f.LineaDeLecturas(), pdf);
    EXPECT_EQ(error.isEmpty(), GetParam().cabe) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Papeles, PapelTest,
    testing::Values(Papel{"A4", QPageSize(QPageSize::A4), QPageLayout::Portrait, true},
                    Papel{"A4Landscape", QPageSize(QPageSize::A4), QPageLayout::Landscape, true},
                    Papel{"A10", QPageSize(QPageSize::A10), QPageLayout::Portrait, false},
                    Papel{"Square10mm", QPageSize(QSizeF(10, 10), QPageSize::Millimeter),
                          QPageLayout::Portrait, false},
                    Papel{"Strip200x5mm", QPageSize(QSizeF(200, 5), QPageSize::Millimeter),
                          QPageLayout::Portrait, false}),
    [](const auto& info) { return std::string(info.param.nombre); });

// A picture may be saved as any of its three types; a worksheet as a PDF, a record as CSV.
TEST(DialogoGuardar, OffersTheTypesOfWhatIsSaved) {
    for (auto [nombre, filtros] :
         {std::pair{"paralelogramo.png", 3}, std::pair{"hoja.pdf", 1}, std::pair{"r.csv", 1}}) {
        std::unique_ptr<QFileDialog> d(CrearDialogoGuardar(nullptr, QString::fromLatin1(nombre)));
        EXPECT_EQ(d->nameFilters().size(), filtros) << nombre;
        EXPECT_EQ(d->defaultSuffix(), QFileInfo(QString::fromLatin1(nombre)).suffix()) << nombre;
        EXPECT_TRUE(d->selectedNameFilter().contains(d->defaultSuffix())) << nombre;
    }
}

// W opens the worksheet's options beside its preview; the sheet is saved as a PDF, and a save
// that fails is told, never taken for done.
TEST_F(Exportar, WorksheetFromTheWindowIsSavedOrItsFailureTold) {
    VentanaMetodo& f = Hacer("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(f.windowHandle(), Qt::Key_W);
    auto* hoja = f.findChild<QDialog*>(QStringLiteral("hoja"));
    ASSERT_NE(hoja, nullptr);
    ASSERT_TRUE(hoja->isVisible());
    QPushButton* guardar = nullptr;
    for (QPushButton* b : hoja->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("&Guardar PDF…")) guardar = b;
    ASSERT_NE(guardar, nullptr);

    dialogos->ruta = carpeta.filePath(QStringLiteral("tarea"));
    guardar->click();
    EXPECT_EQ(dialogos->ofrecido, "hoja.pdf");
    QFile pdf(carpeta.filePath(QStringLiteral("tarea.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(dialogos->avisos.isEmpty());

    dialogos->ruta = carpeta.filePath(QStringLiteral("no/hay.pdf"));
    guardar->click();
    ASSERT_EQ(dialogos->avisos.size(), 1);
    EXPECT_TRUE(dialogos->avisos[0].startsWith(QStringLiteral("No se pudo guardar la hoja|")));
}

// A drawing operation that fails ends its event. On screen the user is told at once; a script's
// failure waits for the script to report it, and nobody is asked anything.
struct Fallida final : canvas::PictureListener {
    void Cleared() override {}
    void DrawWidthSet(int) override {}
    void Drawn(const canvas::Op&) override { throw std::runtime_error("el dibujo falló"); }
};

TEST_F(Exportar, AFailedEventIsToldOnScreen) {
    VentanaMetodo& f = Hacer("Form2");
    Fallida fallida;
    const auto escucha = f.Picture1()->picture().AddListener(&fallida);
    f.barra(1)->setValue(50);
    EXPECT_EQ(dialogos->avisos, QStringList{"No se pudo completar la acción|el dibujo falló."});
    EXPECT_EQ(f.TomarFallo(), "");
}

}  // namespace
}  // namespace trazalia::app
