#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "app/aplicacion.h"
#include "app/emblema.h"
#include "app/guion.h"
#include "canvas/trace_writer.h"

namespace {

constexpr const char* kSinPantalla =
    "trazalia: no hay pantalla disponible; use «xvfb-run trazalia» para abrir las ventanas, o "
    "«trazalia --script FICHERO» para trabajar sin pantalla\n";

// Until the application exists, a platform that cannot open a display is reported in one line and
// the program ends, instead of aborting with a core dump.
void AntesDeLaAplicacion(QtMsgType tipo, const QMessageLogContext&, const QString&) {
    if (tipo == QtFatalMsg) {
        std::fputs(kSinPantalla, stderr);
        std::_Exit(1);
    }
}

bool HayPantalla() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void Describir(QCommandLineParser& parser, const QCommandLineOption& script) {
    parser.setApplicationDescription(
        "Trazalia: suma de vectores en el plano por los métodos del paralelogramo y del "
        "polígono.\n\nCon --script, realiza las acciones de FICHERO sin pantalla y escribe la "
        "traza de cada operación de dibujo en la salida estándar.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(script);
}

int EjecutarGuion(trazalia::app::Aplicacion& app, trazalia::canvas::TraceWriter& trace,
                  const QString& fichero) {
    const std::string nombre = fichero.toStdString();
    std::ifstream archivo;
    std::istream* entrada = &std::cin;
    if (fichero != QLatin1String("-")) {
        archivo.open(nombre);
        if (!archivo) {
            std::cerr << "trazalia: no se puede leer «" << nombre << "»" << std::endl;
            return 1;
        }
        entrada = &archivo;
    }
    trazalia::app::Guion guion(app, trace, std::cout, std::cerr, nombre);
    app.Iniciar();
    return guion.Ejecutar(*entrada);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("trazalia"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRAZALIA_VERSION));

    const QCommandLineOption script(QStringList{"s", "script"},
                                    "Realiza las acciones de FICHERO (- para la entrada estándar).",
                                    "FICHERO");
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
    {
        QCommandLineParser parser;
        Describir(parser, script);
        if (!parser.parse(argumentos)) {
            std::cerr << "trazalia: " << parser.errorText().toStdString() << std::endl;
            return 2;
        }
        if (parser.isSet("help") || parser.isSet("version")) {
            QCoreApplication core(argc, argv);
            parser.process(core);  // prints and exits
        }
        if (!parser.positionalArguments().isEmpty()) {
            std::cerr << "trazalia: argumento inesperado «"
                      << parser.positionalArguments().first().toStdString() << "»" << std::endl;
            return 2;
        }
    }
    QCommandLineParser parser;
    Describir(parser, script);
    parser.parse(argumentos);
    const bool enGuion = parser.isSet(script);

    if (enGuion && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!HayPantalla()) {
        std::fputs(kSinPantalla, stderr);
        return 1;
    }

    const QtMessageHandler anterior = qInstallMessageHandler(AntesDeLaAplicacion);
    QApplication aplicacion(argc, argv);
    qInstallMessageHandler(anterior);
    // Desktops match the windows to the installed entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trazalia.Trazalia"));
    // Qt's own dialogs (saving a picture, its messages) speak the program's language when the
    // translations are installed.
    QTranslator traduccion;
    if (traduccion.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduccion);

    if (enGuion) {
        std::ios::sync_with_stdio(false);
        trazalia::canvas::TraceWriter trace(std::cout);
        trazalia::app::Aplicacion app(&trace);
        return EjecutarGuion(app, trace, parser.value(script));
    }
    // Rendered once for every window, and only when there are windows to see.
    QApplication::setWindowIcon(trazalia::app::IconoTrazalia());
    trazalia::app::Aplicacion app;
    app.Iniciar();
    return aplicacion.exec();
}
