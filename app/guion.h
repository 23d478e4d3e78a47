#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace trazalia::canvas {
class TraceWriter;
}

namespace trazalia::app {

class Aplicacion;

// The line without the blanks (spaces, tabs, CR, LF) at either end.
std::string_view Recortar(std::string_view s);

// Runs a script of user actions against the real windows, one line at a time as it is read, so
// that a long script runs in bounded memory and its trace streams out as it goes.
//
//   click WINDOW.BUTTON        set WINDOW.SCROLLBAR VALUE      close WINDOW
//   dump WINDOW                save WINDOW PATH (.png, .svg or .pdf)
//
// Blank lines and lines starting with # are skipped.
class Guion {
public:
    // Exit statuses of a run.
    static constexpr int kExito = 0;
    static constexpr int kErrorDeGuion = 2;

    // nombre is how errors name the script ("-" for standard input). out receives dump output
    // (the trace goes to the writer the application was given); err receives the error line.
    Guion(Aplicacion& app, canvas::TraceWriter& trace, std::ostream& out, std::ostream& err,
          std::string nombre);

    // Runs every line; stops at the first bad one, reporting it as "trazalia: FILE:LINE: ...".
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

}  // namespace trazalia::app
