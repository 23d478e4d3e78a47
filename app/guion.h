// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "session/guion.h"

namespace trazalia::canvas {
class TraceWriter;
}

namespace trazalia::app {

class Aplicacion;

// The commands, their usages and the reading of lines are the core's, so that both runners speak
// identically and the manual's test reads one table.
using session::Orden;
using session::Ordenes;
using session::Recortar;

// What a command's function is given; guion.cpp defines it.
struct Llamada;

// Runs a script of user actions against the real windows, one line at a time as it is read, so
// that a long script runs in bounded memory and its trace streams out as it goes. Each line is
// one of Ordenes(), its words separated by spaces or tabs; the man page documents every one.
// Blank lines and lines starting with # are skipped; a UTF-8 byte-order mark at the start is too.
class Guion {
public:
    // Exit statuses of a run: session::kExito and the others.
    static constexpr int kExito = session::kExito;
    static constexpr int kErrorDeEntradaSalida = session::kErrorDeEntradaSalida;
    static constexpr int kErrorDeGuion = session::kErrorDeGuion;

    // nombre is how errors name the script ("-" for standard input). out receives dump output
    // (the trace goes to the writer the application was given); err receives the error line.
    Guion(Aplicacion& app, canvas::TraceWriter& trace, std::ostream& out, std::ostream& err,
          std::string nombre);

    // Runs every line; stops at the first bad one, reporting it as "trazalia: FILE:LINE: ...".
    // A line whose handler failed is a bad line too. A std::system_error from reading in is
    // reported as "trazalia: FILE: reason" with kErrorDeEntradaSalida. When out or the trace
    // fails, returns kErrorDeEntradaSalida without a message: whoever owns the stream knows why.
    int Ejecutar(std::istream& in);

    // Runs one line. Returns an error message, or an empty string when the line ran.
    std::string Linea(std::string_view linea);

private:
    Aplicacion& app_;
    canvas::TraceWriter& trace_;
    std::ostream& out_;
    std::ostream& err_;
    std::string nombre_;
};

// Text fit for an error line: control characters and bytes that are not UTF-8 as escapes
// (\n, \x1b), the rest as it is.
std::string Legible(std::string_view texto);

}  // namespace trazalia::app
