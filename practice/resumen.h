// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/traducible.h"
#include "practice/veredicto.h"

namespace trazalia::practice {

// A share in per cent with one decimal and a point, whatever the locale: "58.3".
std::string Porcentaje(int parte, int todo);

// The summary of any number of record files from a class: attempts and the share of right answers
// per student, how often each mistake occurred over the class and who made it, and the lines that
// could not be read. Header lines and empty lines are not records and are passed over; any other
// line is either counted or reported.
//
// A file is read in pieces of any size, so that no file is ever held whole: memory grows with the
// number of students, never with the size of a file. A record longer than kLineaMaxima is
// reported and skipped without being kept; past the first kIlegiblesGuardados unreadable lines,
// the rest are only counted.
class Resumen {
public:
    static constexpr std::size_t kIlegiblesGuardados = 100;

    // Which names are one student's: equal keys, one student. The first spelling met is shown.
    using Clave = std::function<std::string(std::string_view nombre)>;
    // Spaces around it dropped, and the case of ASCII and of Spanish letters (Á, Ñ, Ü …) folded.
    static std::string ClaveSencilla(std::string_view nombre);

    struct Alumno {
        std::string nombre;  // the first spelling met, without spaces around; "" for no name
        int intentos = 0;
        int aciertos = 0;
        std::array<int, kNumeroDeCodigos> veces{};  // per Codigo; a pair counts for each
        // The last state of each of the student's paths (Asiento::camino), by the path's window
        // ("todas" for one over every window): the latest date, and of equal dates the last met.
        struct Camino {
            std::string fecha;
            std::string estado;
        };
        std::map<std::string, Camino> caminos;
    };
    // Where a student stands on the paths: each skill of their paths, in Destrezas()'s order,
    // from the path that set it last, and the mistakes still to come back, in Codigo's order.
    struct Destreza {
        std::string nombre;  // practice::Nombre(Destreza): "Form2-equilibrante"
        int racha = 0;       // right answers in a row
        bool dominada = false;
    };
    struct EnCamino {
        std::vector<Destreza> destrezas;
        std::vector<Codigo> pendientes;
    };
    static EnCamino Camino(const Alumno& alumno);
    bool HayCaminos() const { return hayCaminos_; }
    struct Ilegible {
        std::string archivo;
        long numero = 0;  // the line it starts on, from 1
        std::string motivo;
    };

    explicit Resumen(Clave clave = ClaveSencilla);

    // A file's bytes: Abrir, then Leer with each piece in order, then Cerrar. A byte-order mark at
    // the file's start is passed over.
    void Abrir(std::string_view archivo);
    void Leer(std::string_view trozo);
    void Cerrar();

    int intentos() const { return intentos_; }
    // The lines of the file last read that were the record's header or an entry: none, and the
    // file was no record.
    long RegistrosDelArchivo() const { return registrosDelArchivo_; }
    int Veces(Codigo codigo) const { return veces_[static_cast<std::size_t>(codigo)]; }
    // A row of the class's table: a mistake the class's windows could name, one counted, or
    // "otro".
    bool Listado(Codigo codigo) const {
        return codigo == Codigo::Otro || posibles_[static_cast<std::size_t>(codigo)] ||
               Veces(codigo) > 0;
    }
    // In alphabetical order, accents and case aside; the name without a name last.
    std::vector<Alumno> Alumnos() const;
    // The first kIlegiblesGuardados, in the order met.
    const std::vector<Ilegible>& ilegibles() const { return ilegibles_; }
    // All of them, those kept and those only counted.
    long TotalDeIlegibles() const { return static_cast<long>(ilegibles_.size()) + omitidos_; }

    // For a terminal, in the language of t, every name, file name and reason with its control
    // characters escaped:
    //   Intentos: 12; aciertos: 7 (58.3 %).
    //   Casi: 2 (16.7 % de los intentos).              (if any)
    //   Sin comprobar: 3 saltados, 1 sin respuesta.   (if any)
    //
    //   Por alumno:
    //     Ana: 5 intentos, 3 aciertos (60.0 %), 1 casi, 2 saltados   (what is 0 left out)
    //   …
    //   Errores de la clase:
    //     suma de módulos: 3 (25.0 % de los intentos)
    //   …
    //   Alumnos por error:
    //     suma de módulos:
    //       Ana: 2 veces
    //   …
    //   Camino por alumno:                            (if any entry is on a path)
    //     Ana: Form2 3/3 dominada, Form2-equilibrante 1/3; vuelven: suma de módulos
    //   …
    //   Líneas que no se pudieron leer: 104
    //     clase.csv:4: se esperaban 15 campos y hay 3
    //   …
    //     y 4 más
    // "Alumnos por error" lists the mistakes made, and the unreadable lines appear only if any.
    // Attempts are the exercises checked with a guess; saltado and sin-respuesta are not.
    std::string Texto(diagram::Traductor t = diagram::EnEspanol) const;
    // The same as CSV, header "tipo,nombre,veces,de,porcentaje,error", the codes as the records
    // write them:
    //   clase,,7,12,58.3,                       (right answers of all attempts)
    //   alumno,Ana,3,5,60.0,                    (a student's right answers of their attempts)
    //   error,suma-de-modulos,3,12,25.0,        (a mistake over all attempts)
    //   alumno-error,Ana,2,5,40.0,suma-de-modulos  (a mistake of a student's attempts)
    //   resultado,casi,2,12,16.7,               (near misses over all attempts; saltado and
    //                                           sin-respuesta over all exercises, if any)
    //   alumno-resultado,Ana,1,5,20.0,casi      (the same for a student)
    //   destreza,Ana,1,3,33.3,Form2-equilibrante  (a skill's right answers in a row, at most 3, of
    //                                           the 3 that master it; if any entry is on a path)
    //   pendiente,Ana,,,,suma-de-modulos        (a mistake still to come back on the path)
    //   ilegible,clase.csv:4: se esperaban 15 campos y hay 3,,,,
    //   ilegibles-omitidos,,4,,,                (unreadable lines past those listed)
    // Every text field goes through CeldaCsv, so that no name runs as a formula.
    std::string Csv() const;

private:
    enum class Campo { Inicio, Simple, Comillas, TrasComillas };

    void Byte(char c);
    void FinDeLinea();
    // The next record starts empty, on the line after the last one read.
    void NuevaLinea();
    void Linea(std::string_view linea, long numero);
    void Anotar(long numero, std::string motivo);

    Clave clave_;
    int intentos_ = 0;
    std::array<int, kNumeroDeCodigos> veces_{};
    // The mistakes the class's windows could name: the table lists these, and any other counted.
    std::array<bool, kNumeroDeCodigos> posibles_{};
    std::map<std::string, Alumno> alumnos_;  // by key
    std::vector<Ilegible> ilegibles_;
    long omitidos_ = 0;
    bool hayCaminos_ = false;

    // The file being read: the record so far (joined lines while a quote is open), the line it
    // starts on, where its last line starts, the state of its current field.
    std::string archivo_;
    long registrosDelArchivo_ = 0;
    std::string linea_;
    long numero_ = 0;
    long inicio_ = 1;
    std::size_t ultima_ = 0;
    Campo campo_ = Campo::Inicio;
    bool saltando_ = false;  // past kLineaMaxima: up to the next line break, nothing kept
    std::size_t marca_ = 0;  // bytes of the byte-order mark met at the file's start
    bool enInicio_ = true;   // no byte of the file taken yet
};

}  // namespace trazalia::practice
