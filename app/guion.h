// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "session/guion.h"

namespace trazalia::canvas {
class TraceWriter;
}

namespace trazalia::session {
class Ventana;
}  // namespace trazalia::session

namespace trazalia::app {

// A window's state as dump writes it, in the language installed: its title and the table's
// captions as its window shows them, the program's captions through Traducir.
std::vector<std::string> VolcadoEnElIdioma(const session::Ventana& ventana);

// The commands, their usages and the reading of lines are the core's.
using session::Orden;
using session::Ordenes;
using session::Recortar;

// trazalia --script: the core runs the script, as trazalia-nucleo does; the toolkit paints the
// pictures that save writes, and practice's verdicts go to the record given (none when empty).
class Guion {
public:
    static constexpr int kExito = session::kExito;
    static constexpr int kErrorDeEntradaSalida = session::kErrorDeEntradaSalida;
    static constexpr int kErrorDeGuion = session::kErrorDeGuion;

    // nombre is how errors name the script ("-" for standard input). out receives dump output;
    // err the error line.
    Guion(canvas::TraceWriter& trace, std::ostream& out, std::ostream& err, std::string nombre,
          QString registro = {});
    ~Guion();
    // Starts the program and runs every line, as session::Guion::Ejecutar.
    int Ejecutar(std::istream& in);
    // The verdicts judged that the record could not keep.
    int perdidos() const;

private:
    struct Datos;
    std::unique_ptr<Datos> d_;
};

// Text fit for an error line: control characters and bytes that are not UTF-8 as escapes
// (\n, \x1b), the rest as it is.
std::string Legible(std::string_view texto);

}  // namespace trazalia::app
