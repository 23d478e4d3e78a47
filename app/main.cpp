// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#if __has_include(<valgrind/valgrind.h>)
#include <valgrind/valgrind.h>
#endif

#include "app/aplicacion.h"
#include "app/emblema.h"
#include "app/guion.h"
#include "app/hoja.h"
#include "app/idioma.h"
#include "app/resumen.h"
#include "canvas/error_reason.h"
#include "canvas/qt/painter.h"
#include "canvas/trace_writer.h"
#include "practice/resumen.h"

namespace {

using trazalia::app::Legible;
using trazalia::canvas::ErrorReason;

constexpr const char* kSinPantalla =
    "trazalia: no hay pantalla disponible; use «xvfb-run trazalia» para abrir las ventanas, o "
    "«trazalia --script ARCHIVO» para trabajar sin pantalla\n";

constexpr const char* kAyuda =
    "Uso: trazalia [--practica | --script ARCHIVO [--registro ARCHIVO] |\n"
    "               --hoja ARCHIVO.pdf [OPCIONES DE LA HOJA] | --resumen ARCHIVO... [--csv]]\n"
    "\n"
    "Trazalia: suma de vectores en el plano por los métodos del paralelogramo y del polígono.\n"
    "\n"
    "Con --script, realiza las acciones de ARCHIVO sin pantalla y escribe la traza de cada\n"
    "operación de dibujo en la salida estándar.\n"
    "\n"
    "Opciones:\n"
    "  -s, --script ARCHIVO  Realiza las acciones de ARCHIVO (- para la entrada estándar).\n"
    "  --hoja ARCHIVO.pdf    Escribe una hoja de ejercicios con sus soluciones, con:\n"
    "    --ejercicios N      cuántos ejercicios (de 1 a 200; 6 si no se dice);\n"
    "    --metodo M          paralelogramo, poligono o ambos (ambos si no se dice);\n"
    "    --nivel L           facil, medio o dificil (medio si no se dice);\n"
    "    --semilla S         la semilla de los ejercicios (la del reloj si no se dice);\n"
    "    --titulo TEXTO      el título de cada página;\n"
    "    --papel P           a4 o carta (a4 si no se dice);\n"
    "    --dibujados         con los vectores dibujados en cada cuadro.\n"
    "  --registro ARCHIVO    Con --script, añade a ARCHIVO cada veredicto de la práctica.\n"
    "  --practica            Abre el programa con la práctica activa en ambos métodos.\n"
    "  --resumen ARCHIVO...  Resume los registros de práctica de una clase; con --csv,\n"
    "                        en CSV.\n"
    "  --idioma IDIOMA       El idioma de las ventanas: es (español), en (inglés) o pt_BR\n"
    "                        (portugués de Brasil). En pantalla, el del sistema si lo\n"
    "                        habla Trazalia; con --script y --hoja, español.\n"
    "  -h, --help            Muestra esta ayuda y termina.\n"
    "  -v, --version         Muestra la versión y termina.\n"
    "\n"
    "Acepta también las opciones comunes de Qt, como -platform NOMBRE o -style NOMBRE.\n";

// The platform asked for, to name it when it cannot be loaded.
std::string plataforma;
bool faltaPlataforma = false;

std::error_code Errno() { return {errno, std::generic_category()}; }

void Decir(const std::string& linea) { std::cerr << "trazalia: " << linea << std::endl; }

// Until the application exists, a platform that cannot be loaded or cannot open a display is
// reported in one line and the program ends, instead of aborting with a core dump.
void AntesDeLaAplicacion(QtMsgType tipo, const QMessageLogContext&, const QString& mensaje) {
    if (mensaje.contains(u"Could not find the Qt platform plugin")) faltaPlataforma = true;
    if (tipo != QtFatalMsg) return;
    if (faltaPlataforma)
        Decir("no se encuentra la plataforma gráfica «" + Legible(plataforma) +
              "» (QT_QPA_PLATFORM o -platform)");
    else
        std::fputs(kSinPantalla, stderr);
    std::_Exit(1);
}

[[noreturn]] void SinMemoria() {
    constexpr char kMensaje[] = "trazalia: no queda memoria\n";
    [[maybe_unused]] const auto escrito = ::write(STDERR_FILENO, kMensaje, sizeof kMensaje - 1);
    std::_Exit(1);
}

// Whatever runs out of memory, the program ends with one line instead of aborting.
[[noreturn]] void AlTerminar() {
    if (const std::exception_ptr e = std::current_exception()) {
        try {
            std::rethrow_exception(e);
        } catch (const std::bad_alloc&) {
            SinMemoria();
        } catch (...) {
        }
    }
    std::abort();
}

// Standard output written with write(2), so that a failed write is seen with its cause.
class Salida final : public std::streambuf {
public:
    Salida() { Vaciado(); }
    std::error_code error() const { return error_; }

protected:
    int_type overflow(int_type c) override {
        if (!Vaciar()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Vaciar() ? 0 : -1; }

private:
    void Vaciado() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
    bool Vaciar() {
        const char* p = pbase();
        while (!error_ && p < pptr()) {
            const ssize_t n = ::write(STDOUT_FILENO, p, static_cast<std::size_t>(pptr() - p));
            if (n >= 0)
                p += n;
            else if (errno != EINTR)
                error_ = Errno();
        }
        Vaciado();
        return !error_;
    }

    std::array<char, 1 << 16> buffer_{};
    std::error_code error_;
};

// A script read with read(2); a failed read throws std::system_error instead of looking like
// the end of the script.
class Lector final : public std::streambuf {
public:
    explicit Lector(int fd) : fd_(fd) {}
    ~Lector() override {
        if (fd_ != STDIN_FILENO) ::close(fd_);
    }

protected:
    int_type underflow() override {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
            if (n > 0) {
                setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
                return traits_type::to_int_type(buffer_[0]);
            }
            if (n == 0) return traits_type::eof();
            if (errno != EINTR) throw std::system_error(Errno());
        }
    }

private:
    int fd_;
    std::array<char, 1 << 16> buffer_{};
};

// Qt's own options, taken by the application: those followed by a value, then flags.
constexpr std::array<const char*, 15> kQtConValor{
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name",          "title",   "visual"};
constexpr std::array<const char*, 5> kQtSolas{"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The name of a Qt option ("-platform", "--style=x"), or empty when the argument is none.
std::string OpcionDeQt(std::string_view arg, bool& conValor) {
    if (arg.size() < 2 || arg[0] != '-') return {};
    arg.remove_prefix(arg[1] == '-' ? 2 : 1);
    const auto igual = arg.find('=');
    const std::string_view nombre = arg.substr(0, igual);
    for (const char* o : kQtConValor)
        if (nombre == o) {
            conValor = igual == std::string_view::npos;
            return std::string(nombre);
        }
    for (const char* o : kQtSolas)
        if (igual == std::string_view::npos && nombre == o) {
            conValor = false;
            return std::string(nombre);
        }
    if (nombre == "qmljsdebugger" && igual != std::string_view::npos) return std::string(nombre);
    return {};
}

bool HayPantalla() {
    return !plataforma.empty() || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Whether standard output was closed when the program started: it then points at /dev/null, and
// what is written there would be lost without a word.
bool salidaCerrada = false;

// Prints help, version or summary text, every byte of it; output that cannot be written is a
// failure.
int Mostrar(std::string_view texto) {
    std::error_code error;
    if (salidaCerrada) error = std::make_error_code(std::errc::bad_file_descriptor);
    while (!error && !texto.empty()) {
        const ssize_t n = ::write(STDOUT_FILENO, texto.data(), texto.size());
        if (n >= 0)
            texto.remove_prefix(static_cast<std::size_t>(n));
        else if (errno != EINTR)
            error = Errno();
    }
    if (!error) return 0;
    Decir("no se puede escribir la salida estándar: " + ErrorReason(error));
    return 1;
}

// Ends a run that ends on its own, once all it writes is written. Qt's teardown would only free
// memory, and Qt 6.4's font database reads the whole fontconfig configuration on its way out even
// when no text was laid out: a third of a script's run. Under AddressSanitizer or valgrind the
// status comes back for main to return, so that the teardown frees all and their leak checks see
// the whole run.
int Acabar(int estado) {
#if defined(__SANITIZE_ADDRESS__)
    return estado;
#else
#if defined(RUNNING_ON_VALGRIND)
    if (RUNNING_ON_VALGRIND) return estado;
#endif
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(estado);
#endif
}

bool Cerrado(int fd) { return ::fcntl(fd, F_GETFD) == -1 && errno == EBADF; }

// The script's path as the bytes given; "-" is standard input.
// registro: where the practice's verdicts go; empty for nowhere.
int EjecutarGuion(const QByteArray& ruta, bool entradaCerrada, const QString& registro) {
    const std::string nombre = ruta.toStdString();
    int fd = STDIN_FILENO;
    if (ruta == "-") {
        if (entradaCerrada) {
            Decir("-: " + ErrorReason(std::make_error_code(std::errc::bad_file_descriptor)));
            return 1;
        }
    } else {
        fd = ::open(ruta.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            Decir(Legible(nombre) + ": " + ErrorReason(Errno()));
            return 1;
        }
    }
    Lector lector(fd);
    std::istream entrada(&lector);
    Salida escritor;
    std::ostream salida(&escritor);
    int estado = 0;
    {
        trazalia::canvas::TraceWriter trace(salida);
        trazalia::app::Aplicacion app(&trace);
        app.setRegistro(registro);
        trazalia::app::Guion guion(app, trace, salida, std::cerr, nombre);
        app.Iniciar();
        estado = guion.Ejecutar(entrada);
        // The script ran to its end, but a verdict it judged is not in the record.
        if (estado == trazalia::app::Guion::kExito && app.registrosPerdidos() > 0) estado = 1;
    }
    salida.flush();
    if (escritor.error()) {
        Decir("no se puede escribir la salida estándar: " + ErrorReason(escritor.error()));
        if (estado == trazalia::app::Guion::kExito) estado = 1;
    }
    return estado;
}

// The parser's only other error is an option without its value, named in its English text
// between quotes.
std::string FaltaElValor(const QString& error) {
    const qsizetype desde = error.indexOf(u'\'') + 1;
    const QString opcion = error.mid(desde, error.indexOf(u'\'', desde) - desde);
    if (opcion.endsWith(u"script") || desde == 0) return "falta el ARCHIVO de la opción --script";
    return "falta el valor de la opción «" + Legible(opcion.toLatin1().toStdString()) + "»";
}

// Lays the worksheet out and writes it under the name's own bytes; a failure is said in one line.
int EscribirHoja(const QByteArray& ruta, const trazalia::practice::OpcionesDeHoja& opciones) {
    QString error;
    const QByteArray pdf = trazalia::app::PdfDeHoja(
        trazalia::practice::ComponerHoja(opciones, trazalia::app::EnElIdioma));
    if (pdf.isEmpty())
        error = QCoreApplication::translate("Hoja", "no se pudo generar la hoja");
    else if (trazalia::canvas::SaveFile(pdf, ruta, &error))
        return 0;
    Decir(Legible(error.toStdString()));
    return 1;
}

// Whether a file name's bytes are text, which a QString can carry unchanged.
bool EsTexto(const QByteArray& ruta) { return QFile::encodeName(QFile::decodeName(ruta)) == ruta; }

// Reads every record file and prints their summary; a file that cannot be read ends it. Files are
// read in pieces, never whole; a device such as /dev/zero, which would never end, is refused.
int Resumir(const QStringList& archivos, bool csv) {
    trazalia::practice::Resumen resumen(trazalia::app::ClaveDeAlumno);
    std::array<char, 1 << 16> trozo{};
    for (const QString& archivo : archivos) {
        const QByteArray ruta = archivo.toLatin1();
        const std::string nombre = Legible(ruta.toStdString());
        const int fd = ::open(ruta.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            Decir(nombre + ": " + ErrorReason(Errno()));
            return 1;
        }
        std::error_code error;
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            error = Errno();
        else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
            error = trazalia::canvas::MakeErrorCode(trazalia::canvas::FileProblem::Device);
        resumen.Abrir(ruta.toStdString());
        while (!error) {
            const ssize_t n = ::read(fd, trozo.data(), trozo.size());
            if (n > 0)
                resumen.Leer(std::string_view(trozo.data(), static_cast<std::size_t>(n)));
            else if (n == 0)
                break;
            else if (errno != EINTR)
                error = Errno();
        }
        ::close(fd);
        if (error) {
            Decir(nombre + ": " + ErrorReason(error));
            return 1;
        }
        resumen.Cerrar();
    }
    return Mostrar(csv ? resumen.Csv() : trazalia::app::ResumenTraducido(resumen));
}

}  // namespace

int main(int argc, char* argv[]) {
    std::set_new_handler(SinMemoria);
    std::set_terminate(AlTerminar);
    // Past a file-size limit a write fails with EFBIG and is reported, instead of a signal
    // ending the program half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    // A closed standard stream gets /dev/null, so that no file the program opens takes its
    // number; reading from or writing to it is still refused below.
    std::array<bool, 3> cerrados{};
    for (int fd = 0; fd < 3; ++fd) {
        cerrados[static_cast<std::size_t>(fd)] = Cerrado(fd);
        if (cerrados[static_cast<std::size_t>(fd)]) ::open("/dev/null", fd ? O_WRONLY : O_RDONLY);
    }
    salidaCerrada = cerrados[1];

    QCoreApplication::setApplicationName(QStringLiteral("trazalia"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRAZALIA_VERSION));

    // Qt's options go to the application; the program's own to the parser. Arguments are bytes:
    // Latin-1 keeps every byte of a file name that is not UTF-8, and gives it back unchanged.
    std::vector<char*> argumentosQt{argv[0]};
    QStringList argumentos{QString::fromLatin1(argv[0])};
    if (const QByteArray entorno = qgetenv("QT_QPA_PLATFORM"); !entorno.isEmpty())
        plataforma = entorno.toStdString();
    for (int i = 1; i < argc; ++i) {
        bool conValor = false;
        const std::string opcion = OpcionDeQt(argv[i], conValor);
        if (opcion.empty()) {
            argumentos << QString::fromLatin1(argv[i]);
            continue;
        }
        argumentosQt.push_back(argv[i]);
        if (!conValor) continue;
        if (i + 1 >= argc) {
            Decir("falta el valor de la opción «" + Legible(argv[i]) + "»");
            return 2;
        }
        argumentosQt.push_back(argv[++i]);
        if (opcion == "platform") plataforma = argv[i];
    }
    const auto bytes = [](const QString& s) { return Legible(s.toLatin1().toStdString()); };

    const QCommandLineOption script(QStringList{QStringLiteral("s"), QStringLiteral("script")},
                                    QString(), QStringLiteral("ARCHIVO"));
    const QCommandLineOption ayuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const auto conValor = [](const char* nombre, const char* valor) {
        return QCommandLineOption(QString::fromLatin1(nombre), QString(),
                                  QString::fromLatin1(valor));
    };
    const QCommandLineOption hoja = conValor("hoja", "ARCHIVO");
    const std::array<QCommandLineOption, 6> deLaHoja{
        conValor("ejercicios", "N"), conValor("metodo", "M"),     conValor("nivel", "L"),
        conValor("semilla", "S"),    conValor("titulo", "TEXTO"), conValor("papel", "P")};
    const QCommandLineOption dibujados(QStringLiteral("dibujados"));
    const QCommandLineOption practica(QStringLiteral("practica"));
    const QCommandLineOption resumen(QStringLiteral("resumen"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption registro = conValor("registro", "ARCHIVO");
    const QCommandLineOption idioma = conValor("idioma", "IDIOMA");
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(
        {script, ayuda, version, hoja, dibujados, practica, resumen, csv, registro, idioma});
    for (const QCommandLineOption& o : deLaHoja) parser.addOption(o);
    if (!parser.parse(argumentos)) {
        const QString unknown = parser.unknownOptionNames().value(0);
        if (!unknown.isEmpty())
            Decir("opción desconocida «" + std::string(unknown.size() == 1 ? "-" : "--") +
                  bytes(unknown) + "»; «trazalia --help» muestra las opciones");
        else
            Decir(FaltaElValor(parser.errorText()));
        return 2;
    }
    // A second value would silently replace the first: the user meant one of them.
    const QStringList dadas = parser.optionNames();
    for (const QCommandLineOption* o :
         {&script, &ayuda, &version, &hoja, &dibujados, &practica, &resumen, &csv, &registro,
          &idioma, &deLaHoja[0], &deLaHoja[1], &deLaHoja[2], &deLaHoja[3], &deLaHoja[4],
          &deLaHoja[5]}) {
        const auto veces = std::count_if(dadas.begin(), dadas.end(), [o](const QString& nombre) {
            return o->names().contains(nombre);
        });
        if (veces > 1) {
            Decir("la opción --" + o->names().last().toStdString() + " se ha dado " +
                  std::to_string(veces) + " veces; se admite una sola");
            return 2;
        }
    }
    if (parser.isSet(ayuda)) return Mostrar(kAyuda);
    if (parser.isSet(version)) return Mostrar("trazalia " TRAZALIA_VERSION "\n");
    if (parser.isSet(idioma) && !trazalia::app::Idiomas().contains(parser.value(idioma))) {
        Decir("idioma desconocido «" + bytes(parser.value(idioma)) +
              "»: se esperaba es, en o pt_BR");
        return 2;
    }
    if (parser.isSet(resumen)) {
        if (parser.isSet(script) || parser.isSet(hoja) || parser.isSet(practica)) {
            Decir("--resumen va sola, con sus archivos y --csv");
            return 2;
        }
        if (parser.positionalArguments().isEmpty()) {
            Decir("falta el ARCHIVO de la opción --resumen");
            return 2;
        }
        // No file is read for a summary that could not be written.
        if (salidaCerrada) return Mostrar({});
        // A terminal's text needs no display: the translations alone, Spanish unless asked.
        const QCoreApplication nucleo(argc, argv);
        trazalia::app::InstalarIdioma(
            parser.isSet(idioma) ? parser.value(idioma) : QStringLiteral("es"), false);
        return Resumir(parser.positionalArguments(), parser.isSet(csv));
    }
    if (parser.isSet(csv)) {
        Decir("la opción --csv va con --resumen");
        return 2;
    }
    if (parser.isSet(registro) && !parser.isSet(script)) {
        Decir("la opción --registro va con --script");
        return 2;
    }
    // The record is written by name, as text: bytes that are none would reach another file.
    if (parser.isSet(registro) && !EsTexto(parser.value(registro).toLatin1())) {
        Decir("el nombre del registro «" + bytes(parser.value(registro)) +
              "» no es texto UTF-8; elija otro nombre");
        return 2;
    }
    if (parser.isSet(practica) && (parser.isSet(script) || parser.isSet(hoja))) {
        Decir("--practica abre las ventanas: no va con --script ni con --hoja");
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Decir("argumento inesperado «" + bytes(parser.positionalArguments().first()) + "»");
        return 2;
    }
    // The worksheet's options, read before any window system is needed.
    std::optional<trazalia::practice::OpcionesDeHoja> opcionesDeHoja;
    if (parser.isSet(hoja)) {
        if (parser.isSet(script)) {
            Decir("--hoja y --script no van juntas");
            return 2;
        }
        if (trazalia::canvas::FormatForPath(QFile::decodeName(parser.value(hoja).toLatin1())) !=
            trazalia::canvas::PictureFormat::Pdf) {
            Decir("«" + bytes(parser.value(hoja)) +
                  "»: la hoja se escribe en PDF; use un nombre terminado en .pdf");
            return 2;
        }
        const auto valor = [&](std::size_t i) -> std::optional<QString> {
            if (!parser.isSet(deLaHoja[i])) return std::nullopt;
            return QString::fromUtf8(parser.value(deLaHoja[i]).toLatin1());
        };
        const auto leidas = trazalia::app::OpcionesDeLinea(
            valor(0), valor(1), valor(2), valor(3), valor(4), valor(5), parser.isSet(dibujados),
            static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch()));
        if (const auto* error = std::get_if<QString>(&leidas)) {
            Decir(Legible(error->toStdString()));
            return 2;
        }
        opcionesDeHoja = std::get<trazalia::practice::OpcionesDeHoja>(leidas);
    } else {
        for (const QCommandLineOption& o : deLaHoja)
            if (parser.isSet(o)) {
                Decir("la opción --" + o.names().first().toStdString() + " va con --hoja");
                return 2;
            }
        if (parser.isSet(dibujados)) {
            Decir("la opción --dibujados va con --hoja");
            return 2;
        }
    }
    const bool enGuion = parser.isSet(script);
    if (enGuion && cerrados[1]) {
        Decir("no se puede escribir la salida estándar: " +
              ErrorReason(std::make_error_code(std::errc::bad_file_descriptor)));
        return 1;
    }

    if ((enGuion || opcionesDeHoja) && plataforma.empty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        plataforma = "offscreen";
    }
    if (!HayPantalla()) {
        std::fputs(kSinPantalla, stderr);
        return 1;
    }

    argumentosQt.push_back(nullptr);
    int argcQt = static_cast<int>(argumentosQt.size()) - 1;
    const QtMessageHandler anterior = qInstallMessageHandler(AntesDeLaAplicacion);
    QApplication aplicacion(argcQt, argumentosQt.data());
    qInstallMessageHandler(anterior);
    // Desktops match the windows to the installed entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trazalia.Trazalia"));
    // On screen the windows speak the system's language; scripts and worksheets, whose output
    // is compared byte for byte, Spanish unless asked.
    trazalia::app::InstalarIdioma(parser.isSet(idioma)        ? parser.value(idioma)
                                  : enGuion || opcionesDeHoja ? QStringLiteral("es")
                                                              : trazalia::app::IdiomaDelSistema(),
                                  !enGuion && !opcionesDeHoja);

    if (opcionesDeHoja) return Acabar(EscribirHoja(parser.value(hoja).toLatin1(), *opcionesDeHoja));
    if (enGuion)
        return Acabar(EjecutarGuion(parser.value(script).toLatin1(), cerrados[0],
                                    parser.isSet(registro)
                                        ? QFile::decodeName(parser.value(registro).toLatin1())
                                        : QString()));
    // Rendered once for every window, and only when there are windows to see.
    QApplication::setWindowIcon(trazalia::app::IconoTrazalia());
    trazalia::app::Aplicacion app;
    app.setPracticaAlAbrir(parser.isSet(practica));
    app.IniciarEnPantalla();
    return aplicacion.exec();
}
