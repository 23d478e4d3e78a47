// SPDX-License-Identifier: GPL-3.0-or-later
// trazalia-nucleo --script FILE: runs a script against the core alone, with no toolkit, and
// writes the trace trazalia --script writes.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

#include "canvas/error_reason.h"
#include "canvas/trace_writer.h"
#include "session/guion.h"
#include "session/sesion.h"

namespace {

int Decir(std::string_view texto, int estado) {
    std::cerr << "trazalia: " << trazalia::canvas::Printable(texto) << std::endl;
    return estado;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace trazalia;
    std::string ruta;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--script" || arg == "-s") && i + 1 < argc) {
            ruta = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::cout << "Uso: trazalia-nucleo --script ARCHIVO\n"
                         "Realiza las acciones de ARCHIVO (- para la entrada estándar) y escribe "
                         "la traza de cada ventana.\n";
            return 0;
        } else {
            return Decir("opción desconocida «" + std::string(arg) + "»: use --script ARCHIVO", 2);
        }
    }
    if (ruta.empty()) return Decir("falta el ARCHIVO de la opción --script", 2);
    std::ifstream archivo;
    std::istream* entrada = &std::cin;
    if (ruta != "-") {
        errno = 0;
        archivo.open(ruta, std::ios::binary);
        if (!archivo)
            return Decir(ruta + ": " +
                             canvas::ErrorReason(
                                 std::error_code(errno ? errno : ENOENT, std::generic_category())),
                         1);
        entrada = &archivo;
    }
    std::ios::sync_with_stdio(false);
    canvas::TraceWriter trace(std::cout);
    session::Sesion sesion;
    session::Guion guion(sesion, trace, std::cout, std::cerr, ruta);
    sesion.Iniciar();
    // A folder opens as a file and fails when read, but emscripten's library reads it as empty.
    if (std::error_code error; ruta != "-" && std::filesystem::is_directory(ruta, error)) {
        std::cout.flush();
        return Decir(
            ruta + ": " + canvas::ErrorReason(std::error_code(EISDIR, std::generic_category())),
            session::kErrorDeEntradaSalida);
    }
    errno = 0;
    int estado = guion.Ejecutar(*entrada);
    std::cout.flush();
    // Output that could not be written is a failure, said once the script has stopped.
    if (std::cout.fail()) {
        const int causa = errno ? errno : EIO;
        Decir("no se puede escribir la salida estándar: " +
                  canvas::ErrorReason(std::error_code(causa, std::generic_category())),
              1);
        if (estado == session::kExito) estado = session::kErrorDeEntradaSalida;
    }
    return estado;
}
