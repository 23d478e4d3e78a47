// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <optional>
#include <set>
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
#include "practice/moodle.h"
#include "practice/resumen.h"
#include "session/opciones.h"

namespace {

using trazalia::app::Legible;
using trazalia::canvas::ErrorReason;

constexpr const char* kSinPantalla =
    "trazalia: no hay pantalla disponible; use «xvfb-run trazalia» para abrir las ventanas, o "
    "«trazalia --script ARCHIVO» para trabajar sin pantalla\n";

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
        trazalia::app::Guion guion(trace, salida, std::cerr, nombre, registro);
        estado = guion.Ejecutar(entrada);
        // The script ran to its end, but a verdict it judged is not in the record.
        if (estado == trazalia::app::Guion::kExito && guion.perdidos() > 0) estado = 1;
    }
    salida.flush();
    if (escritor.error()) {
        Decir("no se puede escribir la salida estándar: " + ErrorReason(escritor.error()));
        if (estado == trazalia::app::Guion::kExito) estado = 1;
    }
    return estado;
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

// Writes the question bank under the name's own bytes, each file all or nothing; a failure is
// said in one line and the old file stays. A bank too large for one file of Moodle's import goes
// in numbered files, which are named on standard output.
int EscribirMoodle(const std::string& ruta, const trazalia::practice::OpcionesDeHoja& opciones,
                   trazalia::practice::FormatoDeMoodle formato) {
    using trazalia::practice::NombreDeParte;
    const std::vector<std::string> banco =
        trazalia::practice::BancoDeMoodle(opciones, formato, trazalia::app::EnElIdioma);
    for (std::size_t i = 0; i < banco.size(); ++i) {
        QString error;
        if (!trazalia::canvas::SaveFile(
                QByteArray::fromStdString(banco[i]),
                QByteArray::fromStdString(NombreDeParte(ruta, i + 1, banco.size())), &error)) {
            Decir(Legible(error.toStdString()));
            return 1;
        }
    }
    if (banco.size() == 1) return 0;
    std::string nombres;
    for (std::size_t i = 0; i < banco.size(); ++i)
        nombres += (i > 0 ? ", " : "") + Legible(NombreDeParte(ruta, i + 1, banco.size()));
    return Mostrar(trazalia::diagram::Sustituir(
                       QCoreApplication::translate(
                           "Hoja",
                           "El banco pasa de 2 MB, lo más que Moodle importa de una vez: "
                           "se escribió en %1 archivos, %2, para importarlos uno tras otro.")
                           .toStdString(),
                       {std::to_string(banco.size()), nombres}) +
                   '\n');
}

// Reads every record file and prints their summary; a file that cannot be read ends it. Files are
// read in pieces, never whole; a device such as /dev/zero, which would never end, is refused. A
// file given twice, by any name, is read once; a file none of whose lines is a record is named,
// and when no file held one, the summary (of its unreadable lines) ends with status 1.
int Resumir(const std::vector<std::string>& archivos, bool csv) {
    const auto traducido = [](const char* texto, const std::string& nombre) {
        return QCoreApplication::translate("Resumen", texto)
            .arg(QString::fromStdString(nombre))
            .toStdString();
    };
    trazalia::practice::Resumen resumen(trazalia::app::ClaveDeAlumno);
    std::array<char, 1 << 16> trozo{};
    std::set<std::pair<dev_t, ino_t>> leidos;
    bool conRegistros = false;
    for (const std::string& ruta : archivos) {
        const std::string nombre = Legible(ruta);
        const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
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
        if (!error && !leidos.insert({st.st_dev, st.st_ino}).second) {
            ::close(fd);
            Decir(traducido(QT_TRANSLATE_NOOP("Resumen", "%1: ya se leyó; no se cuenta dos veces"),
                            nombre));
            continue;
        }
        resumen.Abrir(ruta);
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
        if (resumen.RegistrosDelArchivo() == 0)
            Decir(traducido(
                QT_TRANSLATE_NOOP("Resumen", "%1: ninguna línea es un registro de la práctica"),
                nombre));
        else
            conRegistros = true;
    }
    const int estado = Mostrar(csv ? resumen.Csv() : resumen.Texto(trazalia::app::EnElIdioma));
    return conRegistros ? estado : 1;
}

using trazalia::session::Modo;
using trazalia::session::Pedido;

QString IdiomaPedido(const Pedido& pedido) {
    return QString::fromStdString(pedido.idioma.value_or("es"));
}

// The modes that only write text, without a window system: nothing for the others.
std::optional<int> EnTexto(const Pedido& pedido, int argc, char* argv[]) {
    switch (pedido.modo) {
        case Modo::Ayuda: {
            if (!pedido.idioma) return Mostrar(trazalia::session::Ayuda());
            const QCoreApplication nucleo(argc, argv);
            trazalia::app::InstalarIdioma(IdiomaPedido(pedido), false);
            return Mostrar(trazalia::session::Ayuda(trazalia::app::EnElIdioma));
        }
        case Modo::Version:
            return Mostrar("trazalia " TRAZALIA_VERSION "\n");
        case Modo::Moodle: {
            // A bank is text and SVG written by the core: the translations alone.
            const QCoreApplication nucleo(argc, argv);
            trazalia::app::InstalarIdioma(IdiomaPedido(pedido), false);
            return EscribirMoodle(pedido.moodle, pedido.opcionesDeHoja, pedido.formatoDeMoodle);
        }
        case Modo::Resumen: {
            // No file is read for a summary that could not be written.
            if (salidaCerrada) return Mostrar({});
            // A terminal's text needs no display: the translations alone, Spanish unless asked.
            const QCoreApplication nucleo(argc, argv);
            trazalia::app::InstalarIdioma(IdiomaPedido(pedido), false);
            return Resumir(pedido.archivos, pedido.csv);
        }
        default:
            return std::nullopt;
    }
}

// A worksheet, a script or the windows: Qt's application, with Qt's own options.
int ConAplicacion(const Pedido& pedido, char* programa, bool entradaCerrada) {
    const bool enGuion = pedido.modo == Modo::Guion;
    const bool deHoja = pedido.modo == Modo::Hoja;
    if (enGuion && salidaCerrada) {
        Decir("no se puede escribir la salida estándar: " +
              ErrorReason(std::make_error_code(std::errc::bad_file_descriptor)));
        return 1;
    }
    if ((enGuion || deHoja) && plataforma.empty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        plataforma = "offscreen";
    }
    if (!HayPantalla()) {
        std::fputs(kSinPantalla, stderr);
        return 1;
    }

    std::vector<std::string> deQt = pedido.deQt;
    std::vector<char*> argumentosQt{programa};
    for (std::string& a : deQt) argumentosQt.push_back(a.data());
    argumentosQt.push_back(nullptr);
    int argcQt = static_cast<int>(argumentosQt.size()) - 1;
    const QtMessageHandler anterior = qInstallMessageHandler(AntesDeLaAplicacion);
    QApplication aplicacion(argcQt, argumentosQt.data());
    qInstallMessageHandler(anterior);
    // Desktops match the windows to the installed entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trazalia.Trazalia"));
    // On screen the windows speak the system's language; scripts and worksheets, whose output
    // is compared byte for byte, Spanish unless asked.
    const bool enPantalla = !enGuion && !deHoja;
    trazalia::app::InstalarIdioma(
        enPantalla && !pedido.idioma ? trazalia::app::IdiomaDelSistema() : IdiomaPedido(pedido),
        enPantalla);

    if (deHoja)
        return Acabar(EscribirHoja(QByteArray::fromStdString(pedido.hoja), pedido.opcionesDeHoja));
    if (enGuion)
        return Acabar(
            EjecutarGuion(QByteArray::fromStdString(pedido.guion), entradaCerrada,
                          pedido.registro ? QString::fromStdString(*pedido.registro) : QString()));
    // Rendered once for every window, and only when there are windows to see.
    QApplication::setWindowIcon(trazalia::app::IconoTrazalia());
    trazalia::app::Aplicacion app;
    app.setPracticaAlAbrir(pedido.modo == Modo::Practica);
    app.IniciarEnPantalla();
    return aplicacion.exec();
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

    // Arguments are bytes: a file name need not be UTF-8, and keeps every byte.
    trazalia::session::Contexto contexto;
    for (const QString& idioma : trazalia::app::Idiomas())
        contexto.idiomas.push_back(idioma.toStdString());
    contexto.semilla = static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch());
    const auto leida =
        trazalia::session::LeerLinea(std::vector<std::string>(argv + 1, argv + argc), contexto);
    if (const auto* error = std::get_if<std::string>(&leida)) {
        // Told in the language asked for, as everything else the run writes.
        const std::vector<std::string> argumentos(argv + 1, argv + argc);
        if (const auto idioma = trazalia::session::IdiomaDeLaLinea(argumentos, contexto)) {
            const QCoreApplication nucleo(argc, argv);
            trazalia::app::InstalarIdioma(QString::fromStdString(*idioma), false);
            contexto.traductor = trazalia::app::EnElIdioma;
            const auto traducida = trazalia::session::LeerLinea(argumentos, contexto);
            if (const auto* dicho = std::get_if<std::string>(&traducida)) {
                Decir(Legible(*dicho));
                return 2;
            }
        }
        Decir(Legible(*error));
        return 2;
    }
    const Pedido& pedido = std::get<Pedido>(leida);
    if (const QByteArray entorno = qgetenv("QT_QPA_PLATFORM"); !entorno.isEmpty())
        plataforma = entorno.toStdString();
    if (pedido.plataforma) plataforma = *pedido.plataforma;

    if (const std::optional<int> estado = EnTexto(pedido, argc, argv)) return *estado;
    return ConAplicacion(pedido, argv[0], cerrados[0]);
}
