// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as a script, run as trazalia --script runs it. A run
// must end with success or with a reported error; anything else (a crash, a sanitizer report, an
// exit status other than those two, a refusal without a message) is a finding.
#include <QApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "app/guion.h"
#include "canvas/trace_writer.h"

namespace {

void Callar(QtMsgType tipo, const QMessageLogContext&, const QString&) {
    if (tipo == QtFatalMsg) std::abort();
}

// Where save lines write: a temporary directory of this run.
std::string carpeta;

// A save line writes where the input says; it is sent to a fixed name in a temporary directory
// with the input's extension, so that the encoders still run.
std::string Encauzar(std::string_view linea) {
    const std::string_view t = trazalia::app::Recortar(linea);
    if (t.substr(0, 4) != "save" || (t.size() > 4 && t[4] != ' ' && t[4] != '\t')) {
        return std::string(linea);
    }
    const auto ventana = t.find_first_not_of(" \t", 4);
    if (ventana == std::string_view::npos) return std::string(linea);
    const auto finVentana = t.find_first_of(" \t", ventana);
    if (finVentana == std::string_view::npos) return std::string(linea);
    const auto punto = t.find_last_of('.');
    std::string extension = "x";
    if (punto != std::string_view::npos && punto > finVentana && t.size() - punto <= 5)
        extension = std::string(t.substr(punto + 1));
    return "save " + std::string(t.substr(ventana, finVentana - ventana)) + ' ' + carpeta +
           "/salida." + extension;
}

std::string Guion(std::string_view datos) {
    std::string guion;
    guion.reserve(datos.size() + 16);
    std::size_t inicio = 0;
    while (inicio <= datos.size()) {
        const auto fin = datos.find('\n', inicio);
        const std::string_view linea = datos.substr(
            inicio, fin == std::string_view::npos ? std::string_view::npos : fin - inicio);
        guion += Encauzar(linea);
        if (fin == std::string_view::npos) break;
        guion += '\n';
        inicio = fin + 1;
    }
    return guion;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Callar);
    // Qt keeps argc by reference for the life of the application.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    static QApplication* qt = new QApplication(qtArgc, qtArgv);
    static QTemporaryDir directorio;
    if (!directorio.isValid()) std::abort();
    carpeta = directorio.path().toStdString();
    (void)qt;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string guion = Guion(std::string_view(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    trazalia::canvas::TraceWriter trace(out);
    trazalia::app::Guion g(trace, out, err, "fuzz");
    std::istringstream in(guion);
    const int estado = g.Ejecutar(in);
    if (estado == trazalia::app::Guion::kExito && err.str().empty()) return 0;
    if (estado == trazalia::app::Guion::kErrorDeGuion && err.str().rfind("trazalia: fuzz:", 0) == 0)
        return 0;
    std::abort();
}
