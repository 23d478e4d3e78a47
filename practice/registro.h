// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "practice/ejercicio.h"
#include "practice/veredicto.h"

namespace trazalia::practice {

// The record for the teacher is CSV (RFC 4180): a header line, then one line per verdict, with
// these 18 fields:
//
//   fecha,alumno,ventana,nivel,m1,d1,m2,d2,m3,d3,tu_r,tu_alfa,r,alfa,veredicto,k1,k2,pregunta
//   2026-03-02T10:15:00+01:00,Ana,Form2,medio,80,30,50,135,,,92,40,82.64,65.76,otro,,,resultante
//
//   fecha      date and time, ISO 8601: 2026-03-02T10:15:00 with seconds, a fraction and a zone
//              optional
//   alumno     the student's name as typed, possibly empty
//   ventana    Form2 (parallelogram), Form3 (polygon) or Form4 (subtraction and multiples)
//   nivel      facil, medio or dificil
//   m1 … d3    each vector's magnitude and direction in whole degrees; m3 and d3 empty for Form2
//              and Form4
//   tu_r       the guess's magnitude and direction in degrees, as decimal numbers with a point;
//   tu_alfa    both empty for saltado and sin-respuesta, which have none
//   r, alfa    the answer as the window's read-outs show it: "87.18" and "36.59" or "Indefinido"
//   veredicto  acierto, casi (a near miss), otro, saltado (left for another exercise before it
//              was checked), sin-respuesta (revealed with no guess), or the short name of the
//              mistake named (Nombre(Codigo)): suma-de-modulos, resta-de-vectores, …; two
//              mistakes that coincide in the exercise, joined by "+":
//              "suma-de-modulos+resta-de-vectores"
//   k1, k2     Form4's coefficients with a point: "-1.5", "2"; empty for the other windows
//   pregunta   what the exercise asked for: resultante or equilibrante
//
// A record of the earlier 15 fields, without k1, k2 and pregunta (and its header), is read as
// asking for the resultant; a window with coefficients needs all 18.
//
// An entry written on a path (practice::Camino) has a 19th field, camino: the path's state after
// it, as Progreso::Texto() writes it, "camino 1 semilla 7 nivel medio ventana Form2 posicion 3 …";
// so a student's last entry on a path resumes it. Other entries keep 18 fields and the header
// stays that of 18, so that a reader of 18 still reads every entry off a path; a header that
// names camino is read too.
//
// A field holding a comma or a double quote is quoted, its quotes doubled; a line break or another
// control character within a field is written as a space, so that each entry stays one line and
// no name can reach a terminal as a command. A name that a spreadsheet would take for a formula
// (it starts with =, +, -, @, a tab or a carriage return) is kept as text there by a leading
// apostrophe, which reading removes. Numbers never depend on the locale.
//
// A reader accepts any RFC 4180 file: a line break within a quoted field (a spreadsheet writes
// one), CRLF line ends and a byte-order mark at its start. No entry is longer than
// kLineaMaxima bytes.
struct Asiento {
    std::string fecha;
    std::string alumno;
    Ventana ventana = Metodos().front();
    Nivel nivel = kNivelPredeterminado;
    Ejercicio vectores;
    std::optional<Intento> intento;  // none for saltado and sin-respuesta
    std::string r;
    std::string alfa;
    Clasificacion codigo;
    std::string camino = {};  // the path's state after the entry; empty off a path
};

// Whether an entry of that code has no guess: saltado and sin-respuesta.
bool SinIntento(Codigo codigo);

// The longest entry: the name dialog takes at most 32767 UTF-16 units, each at most 3 bytes of
// UTF-8 (doubled quotes take 2), and the other fields take well under 1 KiB.
inline constexpr std::size_t kLineaMaxima = 128 * 1024;

// A field of a CSV line: quoted when it holds a comma or a double quote, its quotes doubled; a line
// break becomes a space, so that an entry stays one line.
std::string CampoCsv(std::string_view texto);

// A field of text typed by someone or read from a file, as a spreadsheet should see it: control
// characters as spaces, then an apostrophe before a leading =, +, -, @, tab or carriage return so
// that it stays text and never runs as a formula, then as CampoCsv.
std::string CeldaCsv(std::string_view texto);

// A student's name as one line of text, however it was typed or pasted: control characters go (a
// tab or a line break as a space), then spaces at either end, Unicode's too (a no-break space, an
// ideographic one, a byte-order mark). The session passes every name it is given through it, so
// that both faces record the same name.
std::string NombreLimpio(std::string_view nombre);

// The name a copy of the record is offered under: the student's name and the date (YYYY-MM-DD),
// "Ana_Pérez-2026-03-02.csv", fit for a file on any system: what a file name cannot hold, spaces
// and the marks that turn a text's direction become "_", no dot at either end, at most 64 bytes
// of the name. "practica-2026-03-02.csv" without a name.
std::string NombreDeResultados(std::string_view alumno, std::string_view fecha);

// The record's entry of a verdict: what the record keeps of it.
Asiento AsientoDe(std::string_view fecha, std::string_view alumno, Ventana ventana, Nivel nivel,
                  const Ejercicio& vectores, Intento intento, const Veredicto& veredicto);

// The entry of an exercise left (Saltado) or revealed with no guess (SinRespuesta).
Asiento AsientoSinVeredicto(std::string_view fecha, std::string_view alumno, Ventana ventana,
                            Nivel nivel, const Ejercicio& vectores, Codigo codigo);

// The header line, without its line break.
std::string_view CabeceraDelRegistro();
// Whether a line is that header or the earlier one of 15 fields.
bool EsCabeceraDelRegistro(std::string_view linea);

// One entry as a line, without its line break.
std::string LineaDeAsiento(const Asiento& registro);

// The entry of one line (without its line break; a trailing carriage return is allowed), or why it
// cannot be read, in one line of Spanish.
std::variant<Asiento, std::string> LeerAsiento(std::string_view linea);

}  // namespace trazalia::practice
