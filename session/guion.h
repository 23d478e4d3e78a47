// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "session/ordenes.h"

namespace trazalia::canvas {
class TraceWriter;
}

namespace trazalia::session {

class Sesion;
class Ventana;
class VentanaMetodo;

// The line without the blanks (spaces, tabs, CR, LF) at either end.
std::string_view Recortar(std::string_view s);
// The words of a line, separated by spaces or tabs.
std::vector<std::string_view> Palabras(std::string_view s);

enum class Leido { Linea, Fin, Larga };
// The next line without its newline, read a character at a time so that no more than maximo
// bytes are ever kept.
Leido LeerLinea(std::streambuf& in, std::string& linea, std::size_t maximo);

// Exit statuses of a run.
inline constexpr int kExito = 0;
// The script cannot be read, or its output cannot be written.
inline constexpr int kErrorDeEntradaSalida = 1;
inline constexpr int kErrorDeGuion = 2;
// Longer lines are an error, so that a line never takes unbounded memory.
inline constexpr std::size_t kLineaMaxima = 64 * 1024;

// What a run of a script needs from whoever runs its lines.
struct Ejecutor {
    // Runs one line (already without a byte-order mark); returns an error or empty.
    std::function<std::string(std::string_view linea)> linea;
    // Writes out what is pending (the trace, then the output).
    std::function<void()> vaciar;
    // Whether the output or the trace failed.
    std::function<bool()> fallida;
};

// Runs every line of in; stops at the first bad one, reporting it to err as
// "trazalia: FILE:LINE: reason" with kErrorDeGuion. A std::system_error from reading in is
// reported as "trazalia: FILE: reason" with kErrorDeEntradaSalida. When the output fails, returns
// kErrorDeEntradaSalida without a message: whoever owns the stream knows why.
int Ejecutar(std::istream& in, std::ostream& err, const std::string& nombre, const Ejecutor& e);

// A script run against the core, its trace written to trace: every window's Load, Show and Hide,
// the captions written, Picture1's operations and practice's verdicts, as trazalia writes them.
class Guion {
public:
    // out receives dump output; err the error line.
    Guion(Sesion& sesion, canvas::TraceWriter& trace, std::ostream& out, std::ostream& err,
          std::string nombre);
    ~Guion();
    int Ejecutar(std::istream& in);
    // Runs one line. Returns an error message, or an empty string when the line ran.
    std::string Linea(std::string_view linea);

    // save WINDOW PATH writes the picture's pixels, which only a face draws: without this the
    // command is refused. Returns an error or empty.
    using Guardar = std::function<std::string(const VentanaMetodo& ventana, std::string_view ruta)>;
    void PonerGuardar(Guardar guardar) { guardar_ = std::move(guardar); }
    // dump WINDOW writes these lines instead of the core's (a face's own language).
    using Volcador = std::function<std::vector<std::string>(const Ventana& ventana)>;
    void PonerVolcador(Volcador volcador) { volcador_ = std::move(volcador); }

private:
    class Traza;
    Guardar guardar_;
    Volcador volcador_;
    Sesion& sesion_;
    canvas::TraceWriter& trace_;
    std::ostream& out_;
    std::ostream& err_;
    std::string nombre_;
    std::unique_ptr<Traza> traza_;
};

}  // namespace trazalia::session
