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

// Output that could not be written is a failure, said once all is written: the status of a run
// that succeeded becomes an input/output error.
int Salida(int estado) {
    std::cout.flush();
    if (!std::cout.fail()) return estado;
    const int causa = errno ? errno : EIO;
    Decir("no se puede escribir la salida estándar: " +
              trazalia::canvas::ErrorReason(std::error_code(causa, std::generic_category())),
          1);
    return estado == trazalia::session::kExito ? trazalia::session::kErrorDeEntradaSalida : estado;
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
            errno = 0;
            std::cout << "Uso: trazalia-nucleo --script ARCHIVO\n"
                         "Realiza las acciones de ARCHIVO (- para la entrada estándar) y escribe "
                         "la traza de cada ventana.\n";
            return Salida(session::kExito);
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
        if (!archivo) {
            const int causa = errno ? errno : ENOENT;
#ifdef __EMSCRIPTEN__
            // node hands a program its arguments as text: bytes of a name that are no UTF-8
            // arrive as U+FFFD, and the file they named cannot be found by the name left.
            if (causa == ENOENT && ruta.find("\xEF\xBF\xBD") != std::string::npos)
                return Decir(ruta +
                                 ": no existe; si su nombre no es texto UTF-8, node no lo "
                                 "transmite: cámbielo o use el programa nativo",
                             1);
#endif
            return Decir(
                ruta + ": " + canvas::ErrorReason(std::error_code(causa, std::generic_category())),
                1);
        }
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
    return Salida(guion.Ejecutar(*entrada));
}
