// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/resumen.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <variant>

#include "practice/registro.h"

namespace trazalia::practice {

namespace {

// The key names are sorted by: lower case, the accents of Spanish dropped, ñ after n.
std::string Clave(std::string_view nombre) {
    static constexpr std::pair<std::string_view, std::string_view> kLetras[] = {
        {"á", "a"}, {"é", "e"}, {"í", "i"}, {"ó", "o"}, {"ú", "u"}, {"ü", "u"}, {"ñ", "n~"},
        {"Á", "a"}, {"É", "e"}, {"Í", "i"}, {"Ó", "o"}, {"Ú", "u"}, {"Ü", "u"}, {"Ñ", "n~"},
    };
    std::string clave;
    for (std::size_t i = 0; i < nombre.size();) {
        bool cambiada = false;
        for (const auto& [letra, como] : kLetras) {
            if (nombre.substr(i).starts_with(letra)) {
                clave += como;
                i += letra.size();
                cambiada = true;
                break;
            }
        }
        if (cambiada) continue;
        const char c = nombre[i++];
        clave += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return clave;
}

std::string Donde(const Resumen::Ilegible& i) {
    return i.archivo + ':' + std::to_string(i.numero) + ": " + i.motivo;
}

}  // namespace

std::string Porcentaje(int parte, int todo) {
    const double valor = todo > 0 ? 100.0 * parte / todo : 0;
    std::array<char, 32> buffer{};
    const auto [fin, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor,
                                         std::chars_format::fixed, 1);
    return std::string(buffer.data(), ec == std::errc() ? fin : buffer.data());
}

void Resumen::Leer(std::string_view archivo, long numero, std::string_view linea) {
    if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    if (linea.empty() || linea == CabeceraDelRegistro()) return;
    auto leido = LeerRegistro(linea);
    if (const std::string* motivo = std::get_if<std::string>(&leido)) {
        ilegibles_.push_back({std::string(archivo), numero, *motivo});
        return;
    }
    const Registro& r = std::get<Registro>(leido);
    ++intentos_;
    ++veces_[static_cast<std::size_t>(r.codigo)];
    Alumno& alumno = alumnos_[r.alumno];
    alumno.nombre = r.alumno;
    ++alumno.intentos;
    if (r.codigo == Codigo::Acierto) ++alumno.aciertos;
}

std::vector<Resumen::Alumno> Resumen::Alumnos() const {
    std::vector<std::pair<std::string, Alumno>> orden;
    for (const auto& [nombre, alumno] : alumnos_) orden.emplace_back(Clave(nombre), alumno);
    std::stable_sort(orden.begin(), orden.end(), [](const auto& a, const auto& b) {
        if (a.second.nombre.empty() != b.second.nombre.empty()) return b.second.nombre.empty();
        return a.first < b.first;
    });
    std::vector<Alumno> alumnos;
    for (auto& [clave, alumno] : orden) alumnos.push_back(std::move(alumno));
    return alumnos;
}

std::string Resumen::Texto() const {
    const int aciertos = Veces(Codigo::Acierto);
    std::string texto = "Intentos: " + std::to_string(intentos_) +
                        "; aciertos: " + std::to_string(aciertos) + " (" +
                        Porcentaje(aciertos, intentos_) + " %).\n";
    texto += "\nPor alumno:\n";
    for (const Alumno& a : Alumnos()) {
        texto += "  " + (a.nombre.empty() ? std::string("(sin nombre)") : a.nombre) + ": " +
                 std::to_string(a.intentos) + (a.intentos == 1 ? " intento, " : " intentos, ") +
                 std::to_string(a.aciertos) + (a.aciertos == 1 ? " acierto (" : " aciertos (") +
                 Porcentaje(a.aciertos, a.intentos) + " %)\n";
    }
    texto += "\nErrores de la clase:\n";
    for (int c = static_cast<int>(Codigo::SumaDeModulos); c <= static_cast<int>(Codigo::Otro);
         ++c) {
        const Codigo codigo = static_cast<Codigo>(c);
        texto += "  " + std::string(Nombre(codigo)) + ": " + std::to_string(Veces(codigo)) + " (" +
                 Porcentaje(Veces(codigo), intentos_) + " % de los intentos)\n";
    }
    if (!ilegibles_.empty()) {
        texto += "\nLíneas que no se pudieron leer: " + std::to_string(ilegibles_.size()) + "\n";
        for (const Ilegible& i : ilegibles_) texto += "  " + Donde(i) + "\n";
    }
    return texto;
}

std::string Resumen::Csv() const {
    auto fila = [](std::string_view tipo, std::string_view nombre, int veces, int de) {
        return std::string(tipo) + ',' + CampoCsv(nombre) + ',' + std::to_string(veces) + ',' +
               std::to_string(de) + ',' + Porcentaje(veces, de) + '\n';
    };
    std::string csv = "tipo,nombre,veces,de,porcentaje\n";
    csv += fila("clase", "", Veces(Codigo::Acierto), intentos_);
    for (const Alumno& a : Alumnos()) csv += fila("alumno", a.nombre, a.aciertos, a.intentos);
    for (int c = static_cast<int>(Codigo::SumaDeModulos); c <= static_cast<int>(Codigo::Otro);
         ++c) {
        const Codigo codigo = static_cast<Codigo>(c);
        csv += fila("error", Nombre(codigo), Veces(codigo), intentos_);
    }
    for (const Ilegible& i : ilegibles_) csv += "ilegible," + CampoCsv(Donde(i)) + ",,,\n";
    return csv;
}

}  // namespace trazalia::practice
