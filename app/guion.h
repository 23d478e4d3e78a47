// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace trazalia::canvas {
class TraceWriter;
}

namespace trazalia::app {

class Aplicacion;

// The line without the blanks (spaces, tabs, CR, LF) at either end.
std::string_view Recortar(std::string_view s);

// What a command's function is given; guion.cpp defines it.
struct Llamada;

// One command of a script: the dispatcher, the usage errors and the manual's test all read it.
struct Orden {
    std::string_view nombre;
    // As "uso: " followed by it says; alternatives are separated by " | ".
    std::string_view uso;
    // How many words a line of this command may have, the command's own included.
    std::size_t minimo;
    std::size_t maximo;
    // Returns an error message, or an empty string when the line ran.
    std::string (*ejecutar)(const Llamada&);
};

// Every command a script may use.
std::span<const Orden> Ordenes();

// Runs a script of user actions against the real windows, one line at a time as it is read, so
// that a long script runs in bounded memory and its trace streams out as it goes. Each line is
// one of Ordenes(), its words separated by spaces or tabs; the man page documents every one.
// Blank lines and lines starting with # are skipped; a UTF-8 byte-order mark at the start is too.
class Guion {
public:
    // Exit statuses of a run.
    static constexpr int kExito = 0;
    // The script cannot be read, or its output cannot be written.
    static constexpr int kErrorDeEntradaSalida = 1;
    static constexpr int kErrorDeGuion = 2;
    // Longer lines are an error, so that a line never takes unbounded memory.
    static constexpr std::size_t kLineaMaxima = 64 * 1024;

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
    bool SalidaFallida() const;

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
