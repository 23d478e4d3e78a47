// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "practice/veredicto.h"

namespace trazalia::practice {

// A share in per cent with one decimal and a point, whatever the locale: "58.3".
std::string Porcentaje(int parte, int todo);

// The summary of any number of record files from a class: attempts and the share of right answers
// per student, how often each mistake occurred over the class, and every line that could not be
// read. Header lines and empty lines are not records and are passed over; any other line is
// either counted or reported.
class Resumen {
public:
    struct Alumno {
        std::string nombre;  // as written in the record; "" for a record without a name
        int intentos = 0;
        int aciertos = 0;
    };
    struct Ilegible {
        std::string archivo;
        long numero = 0;  // from 1
        std::string motivo;
    };

    // One line of a file, without its line break.
    void Leer(std::string_view archivo, long numero, std::string_view linea);

    int intentos() const { return intentos_; }
    int Veces(Codigo codigo) const { return veces_[static_cast<std::size_t>(codigo)]; }
    // In alphabetical order, accents and case aside; the name without a name last.
    std::vector<Alumno> Alumnos() const;
    const std::vector<Ilegible>& ilegibles() const { return ilegibles_; }

    // In Spanish, for a terminal:
    //   Intentos: 12; aciertos: 7 (58.3 %).
    //
    //   Por alumno:
    //     Ana: 5 intentos, 3 aciertos (60.0 %)
    //   …
    //   Errores de la clase:
    //     suma-de-modulos: 3 (25.0 % de los intentos)
    //   …
    //   Líneas que no se pudieron leer: 1
    //     clase.csv:4: se esperaban 15 campos y hay 3
    std::string Texto() const;
    // The same as CSV, header "tipo,nombre,veces,de,porcentaje", one row per line of the text:
    //   clase,,7,12,58.3             (right answers of all attempts)
    //   alumno,Ana,3,5,60.0          (a student's right answers of their attempts)
    //   error,suma-de-modulos,3,12,25.0
    //   ilegible,clase.csv:4: se esperaban 15 campos y hay 3,,,
    std::string Csv() const;

private:
    int intentos_ = 0;
    std::array<int, 11> veces_{};
    std::map<std::string, Alumno> alumnos_;
    std::vector<Ilegible> ilegibles_;
};

}  // namespace trazalia::practice
