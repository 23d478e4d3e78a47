#include "app/guion.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sstream>

#include "app/aplicacion.h"
#include "canvas/trace_writer.h"

namespace trazalia::app {
namespace {

struct Corrida {
    int estado;
    std::string salida;
    std::string errores;
};

Corrida Correr(const std::string& guion) {
    std::ostringstream out;
    std::ostringstream err;
    canvas::TraceWriter trace(out);
    Aplicacion app(&trace);
    Guion g(app, trace, out, err, "prueba.txt");
    app.Iniciar();
    std::istringstream in(guion);
    const int estado = g.Ejecutar(in);
    return {estado, out.str(), err.str()};
}

TEST(GuionTest, NavigationTraceIsExact) {
    const Corrida c = Correr(
        "# a visit to the polygon window and back\n"
        "click Form1.Command2\n"
        "\n"
        "set Form3.HScroll4 90\n"
        "set Form3.HScroll4 90\n"
        "click Form3.Command1\n"
        "click Form1.Command2\n"
        "close Form3\n");
    EXPECT_EQ(c.estado, 0);
    EXPECT_EQ(c.errores, "");
    EXPECT_EQ(c.salida,
              "Form1 Load\n"
              "Form1 Show\n"
              "Form1 Hide\n"
              "Form3 Load\n"
              "Form3.Picture1 DrawWidth 2\n"
              "Form3.Label4 Caption \"0\"\n"
              "Form3.Label5 Caption \"0\"\n"
              "Form3.Label6 Caption \"0\"\n"
              "Form3.Label10 Caption \"0\"\n"
              "Form3.Label11 Caption \"0\"\n"
              "Form3.Label12 Caption \"0\"\n"
              "Form3.Label14 Caption \"0\"\n"
              "Form3.Label16 Caption \"0\"\n"
              "Form3.Label18 Caption \"1\"\n"
              "Form3 Show\n"
              "Form3.Label4 Caption \"0\"\n"
              "Form3.Label5 Caption \"0\"\n"
              "Form3.Label6 Caption \"0\"\n"
              "Form3.Label10 Caption \"90\"\n"
              "Form3.Label11 Caption \"0\"\n"
              "Form3.Label12 Caption \"0\"\n"
              "Form3 Hide\n"
              "Form1 Show\n"
              "Form1 Hide\n"
              "Form3 Show\n"
              "End\n");
}

struct LineaMala {
    const char* nombre;
    const char* guion;
    int linea;
    const char* mensaje;
    friend void PrintTo(const LineaMala& l, std::ostream* os) { *os << l.nombre; }
};

class LineaMalaTest : public testing::TestWithParam<LineaMala> {};

TEST_P(LineaMalaTest, IsReportedWithItsLineAndStopsTheScript) {
    const LineaMala& p = GetParam();
    const Corrida c = Correr(std::string(p.guion) + "\nclick Form1.Command2\n");
    EXPECT_EQ(c.estado, Guion::kErrorDeGuion);
    const std::string prefijo = "trazalia: prueba.txt:" + std::to_string(p.linea) + ": ";
    EXPECT_EQ(c.errores.rfind(prefijo, 0), 0u) << c.errores;
    EXPECT_NE(c.errores.find(p.mensaje), std::string::npos) << c.errores;
    EXPECT_EQ(c.errores.back(), '\n');
    EXPECT_EQ(std::count(c.errores.begin(), c.errores.end(), '\n'), 1);
    // Nothing after the bad line ran.
    EXPECT_EQ(c.salida.find("Form3 Load"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Errores, LineaMalaTest,
    testing::Values(
        LineaMala{"UnknownCommand", "jump Form1", 1, "orden desconocida «jump»"},
        LineaMala{"UnknownWindow", "click Form9.Command1", 1, "ventana desconocida «Form9»"},
        LineaMala{"UnknownControl", "click Form1.Command9", 1, "no tiene el control «Command9»"},
        LineaMala{"NotAButton", "click Form1.Image1", 1, "no es un botón"},
        LineaMala{"NotAScrollBar", "click Form1.Command1\nset Form2.Label5 3", 2,
                  "no es una barra"},
        LineaMala{"WindowNotShown", "set Form2.HScroll1 5", 1, "Form2 no está a la vista"},
        LineaMala{"HiddenWindow", "click Form1.Command1\nclick Form1.Command2", 2,
                  "Form1 no está a la vista"},
        LineaMala{"MalformedValue", "click Form1.Command1\nset Form2.HScroll1 4x", 2,
                  "valor no válido «4x»"},
        LineaMala{"ValueAboveRange", "click Form1.Command1\nset Form2.HScroll1 101", 2,
                  "va de 0 a 100"},
        LineaMala{"ValueBelowRange", "click Form1.Command1\nset Form2.HScroll3 -1", 2,
                  "va de 0 a 360"},
        LineaMala{"MissingArgument", "\n# comment\nset Form2.HScroll1", 3, "uso: set"},
        LineaMala{"LineAfterTheEnd", "click Form1.Command3\ndump Form1", 2, "ya terminó"},
        LineaMala{"NoPicture", "save Form1 /tmp/x.png", 1, "no tiene Picture1"},
        LineaMala{"UnknownExtension", "click Form1.Command1\nsave Form2 /tmp/trazalia.bmp", 2,
                  "bmp"},
        LineaMala{"UnwritablePath", "click Form1.Command1\nsave Form2 /nonexistent/dir/a.png", 2,
                  "/nonexistent/dir/a.png"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(GuionTest, LinesBeforeABadOneHaveRunAndBeenTraced) {
    const Corrida c =
        Correr("click Form1.Command1\nset Form2.HScroll1 100\nset Form2.HScroll1 x\n");
    EXPECT_EQ(c.estado, Guion::kErrorDeGuion);
    EXPECT_NE(c.salida.find("Form2.Label5 Caption \"100\"\nForm2.Label6 Caption \"0\"\n"),
              std::string::npos);
    EXPECT_NE(c.salida.find("Form2.Picture1 Cls\n"), std::string::npos);
}

struct Formato {
    const char* extension;
    const char* comienzo;
    friend void PrintTo(const Formato& f, std::ostream* os) { *os << f.extension; }
};

class GuardarTest : public testing::TestWithParam<Formato> {};

TEST_P(GuardarTest, WritesThePictureAsItIsNow) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("con espacio.") + GetParam().extension);
    const Corrida c = Correr("click Form1.Command1\nset Form2.HScroll1 80\nsave Form2 " +
                             ruta.toStdString() + "\n");
    ASSERT_EQ(c.estado, 0) << c.errores;
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray datos = f.readAll();
    EXPECT_NE(datos.indexOf(GetParam().comienzo), -1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
}

INSTANTIATE_TEST_SUITE_P(Formatos, GuardarTest,
                         testing::Values(Formato{"png", "PNG"}, Formato{"svg", "<svg"},
                                         Formato{"pdf", "%PDF"}),
                         [](const auto& info) { return std::string(info.param.extension); });

}  // namespace
}  // namespace trazalia::app
