// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/resumen.h"

#include <algorithm>
#include <utility>
#include <variant>

#include "canvas/error_reason.h"
#include "canvas/numeros.h"
#include "diagram/traducible.h"
#include "practice/camino.h"
#include "practice/registro.h"

namespace trazalia::practice {

namespace {

constexpr std::string_view kEspacios = " \t\r\n\f\v";

std::string_view Recortado(std::string_view nombre) {
    const auto desde = nombre.find_first_not_of(kEspacios);
    if (desde == std::string_view::npos) return {};
    return nombre.substr(desde, nombre.find_last_not_of(kEspacios) - desde + 1);
}

// Replaces each of the letters at the start of a pair by its partner, and ASCII capitals by
// small letters.
template <std::size_t N>
std::string Cambiadas(std::string_view nombre,
                      const std::pair<std::string_view, std::string_view> (&letras)[N]) {
    std::string clave;
    for (std::size_t i = 0; i < nombre.size();) {
        bool cambiada = false;
        for (const auto& [letra, como] : letras) {
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

// The key names are sorted by: lower case, the accents of Spanish dropped, ñ after n.
std::string Orden(std::string_view nombre) {
    static constexpr std::pair<std::string_view, std::string_view> kLetras[] = {
        {"á", "a"}, {"é", "e"}, {"í", "i"}, {"ó", "o"}, {"ú", "u"}, {"ü", "u"}, {"ñ", "n~"},
        {"Á", "a"}, {"É", "e"}, {"Í", "i"}, {"Ó", "o"}, {"Ú", "u"}, {"Ü", "u"}, {"Ñ", "n~"},
    };
    return Cambiadas(nombre, kLetras);
}

std::string Donde(const Resumen::Ilegible& i) {
    return i.archivo + ':' + std::to_string(i.numero) + ": " + i.motivo;
}

std::size_t Indice(Codigo codigo) { return static_cast<std::size_t>(codigo); }

// What the tables of mistakes list: each mistake, and a guess that shows none.
constexpr int kPrimeroDeLaTabla = static_cast<int>(kPrimerError);
constexpr int kUltimoDeLaTabla = static_cast<int>(Codigo::Otro);

}  // namespace

std::string Porcentaje(int parte, int todo) {
    return canvas::Fijo(todo > 0 ? 100.0 * parte / todo : 0, 1);
}

std::string Resumen::ClaveSencilla(std::string_view nombre) {
    static constexpr std::pair<std::string_view, std::string_view> kMayusculas[] = {
        {"Á", "á"}, {"É", "é"}, {"Í", "í"}, {"Ó", "ó"}, {"Ú", "ú"}, {"Ü", "ü"}, {"Ñ", "ñ"},
    };
    return Cambiadas(Recortado(nombre), kMayusculas);
}

Resumen::Resumen(Clave clave) : clave_(std::move(clave)) {}

void Resumen::Abrir(std::string_view archivo) {
    archivo_ = archivo;
    registrosDelArchivo_ = 0;
    linea_.clear();
    numero_ = 0;
    inicio_ = 1;
    ultima_ = 0;
    campo_ = Campo::Inicio;
    saltando_ = false;
    marca_ = 0;
    enInicio_ = true;
}

void Resumen::Leer(std::string_view trozo) {
    static constexpr std::string_view kMarca = "\xEF\xBB\xBF";
    for (const char c : trozo) {
        if (enInicio_) {
            if (c == kMarca[marca_]) {
                if (++marca_ == kMarca.size()) enInicio_ = false;
                continue;
            }
            enInicio_ = false;
            // The start of a mark that went no further was text.
            for (std::size_t i = 0; i < marca_; ++i) Byte(kMarca[i]);
        }
        Byte(c);
    }
}

void Resumen::Cerrar() {
    if (enInicio_) {
        enInicio_ = false;
        for (std::size_t i = 0; i < marca_; ++i) Byte("\xEF\xBB\xBF"[i]);
    }
    if (!saltando_ && !linea_.empty()) Linea(linea_, inicio_);
    linea_.clear();
    linea_.shrink_to_fit();
}

void Resumen::Byte(char c) {
    if (saltando_) {
        if (c == '\n') {
            ++numero_;
            saltando_ = false;
            inicio_ = numero_ + 1;
        }
        return;
    }
    if (c == '\n' && campo_ != Campo::Comillas) {
        FinDeLinea();
        return;
    }
    if (linea_.size() >= kLineaMaxima) {
        // A quote open over several lines has taken in what follows it.
        Anotar(inicio_,
               campo_ == Campo::Comillas && ultima_ > 0
                   ? std::string("comillas mal cerradas")
                   : "línea demasiado larga: más de " + std::to_string(kLineaMaxima) + " bytes");
        linea_.clear();
        saltando_ = c != '\n';
        if (c == '\n') {
            ++numero_;
            inicio_ = numero_ + 1;
        }
        ultima_ = 0;
        campo_ = Campo::Inicio;
        return;
    }
    if (c == '\n') {
        // A line break within a quoted field. A line after it that would be a record or the
        // header on its own says the quote was never closed: what came before it is one line
        // that cannot be read, and that line is read alone.
        std::string_view ultima = std::string_view(linea_).substr(ultima_);
        if (ultima.ends_with('\r')) ultima.remove_suffix(1);
        if (ultima_ > 0 && (EsCabeceraDelRegistro(ultima) ||
                            std::holds_alternative<Asiento>(LeerAsiento(ultima)))) {
            Linea(std::string_view(linea_).substr(0, ultima_ - 1), inicio_);
            ++numero_;
            Linea(ultima, numero_);
            NuevaLinea();
            return;
        }
        linea_ += c;
        ++numero_;
        ultima_ = linea_.size();
        return;
    }
    linea_ += c;
    switch (campo_) {
        case Campo::Inicio:
            campo_ = c == '"' ? Campo::Comillas : c == ',' ? Campo::Inicio : Campo::Simple;
            break;
        case Campo::Simple:
            if (c == ',') campo_ = Campo::Inicio;
            break;
        case Campo::Comillas:
            if (c == '"') campo_ = Campo::TrasComillas;
            break;
        case Campo::TrasComillas:
            campo_ = c == '"' ? Campo::Comillas : c == ',' ? Campo::Inicio : Campo::Simple;
            break;
    }
}

void Resumen::FinDeLinea() {
    ++numero_;
    Linea(linea_, inicio_);
    NuevaLinea();
}

void Resumen::NuevaLinea() {
    linea_.clear();
    ultima_ = 0;
    campo_ = Campo::Inicio;
    inicio_ = numero_ + 1;
}

void Resumen::Linea(std::string_view linea, long numero) {
    if (linea.ends_with('\r')) linea.remove_suffix(1);
    if (linea.empty()) return;
    if (EsCabeceraDelRegistro(linea)) {
        ++registrosDelArchivo_;
        return;
    }
    auto leido = LeerAsiento(linea);
    if (std::string* motivo = std::get_if<std::string>(&leido)) {
        Anotar(numero, std::move(*motivo));
        return;
    }
    ++registrosDelArchivo_;
    const Asiento& r = std::get<Asiento>(leido);
    const std::string clave = clave_(r.alumno);
    const auto [donde, nuevo] = alumnos_.try_emplace(clave);
    Alumno& alumno = donde->second;
    if (nuevo && !clave.empty()) alumno.nombre = Recortado(r.alumno);
    for (const Codigo c : kErrores)
        if (Admitido(c, r.ventana, r.vectores.pregunta)) posibles_[Indice(c)] = true;
    // Two mistakes named together count once each.
    for (const std::optional<Codigo> codigo : {std::optional(r.codigo.codigo), r.codigo.tambien}) {
        if (!codigo) continue;
        ++veces_[Indice(*codigo)];
        ++alumno.veces[Indice(*codigo)];
    }
    if (!SinIntento(r.codigo.codigo)) {
        ++intentos_;
        ++alumno.intentos;
    }
    if (r.codigo.codigo == Codigo::Acierto) ++alumno.aciertos;
    if (!r.camino.empty()) {
        // The record has read the state: its window names the path.
        const auto leido = Progreso::DeTexto(r.camino);
        const Ventana ventana = std::get<Progreso>(leido).ventana();
        const std::string cual = ventana ? std::string(Nombre(ventana)) : "todas";
        Alumno::Camino& camino = alumno.caminos[cual];
        if (camino.estado.empty() || camino.fecha <= r.fecha) camino = {r.fecha, r.camino};
        hayCaminos_ = true;
    }
}

Resumen::EnCamino Resumen::Camino(const Alumno& alumno) {
    std::vector<std::pair<std::string, Progreso>> caminos;
    for (const auto& [cual, camino] : alumno.caminos)
        if (auto leido = Progreso::DeTexto(camino.estado); std::holds_alternative<Progreso>(leido))
            caminos.emplace_back(camino.fecha, std::get<Progreso>(std::move(leido)));
    EnCamino en;
    Errores pendientes;
    for (const auto& [fecha, progreso] : caminos)
        for (const Pendiente& p : progreso.pendientes()) pendientes.set(Indice(p.codigo));
    for (std::size_t d = 0; d < Destrezas().size(); ++d) {
        const Progreso* ultimo = nullptr;
        const std::string* cuando = nullptr;
        for (const auto& [fecha, progreso] : caminos)
            if (progreso.Incluida(d) && (!cuando || *cuando <= fecha)) {
                ultimo = &progreso;
                cuando = &fecha;
            }
        if (ultimo)
            en.destrezas.push_back(
                {Nombre(Destrezas()[d]), ultimo->destrezas()[d].racha, ultimo->Dominada(d)});
    }
    for (std::size_t c = 0; c < pendientes.size(); ++c)
        if (pendientes[c]) en.pendientes.push_back(static_cast<Codigo>(c));
    return en;
}

void Resumen::Anotar(long numero, std::string motivo) {
    if (ilegibles_.size() < kIlegiblesGuardados)
        ilegibles_.push_back({archivo_, numero, std::move(motivo)});
    else
        ++omitidos_;
}

std::vector<Resumen::Alumno> Resumen::Alumnos() const {
    std::vector<std::pair<std::string, Alumno>> orden;
    for (const auto& [clave, alumno] : alumnos_) orden.emplace_back(Orden(alumno.nombre), alumno);
    std::stable_sort(orden.begin(), orden.end(), [](const auto& a, const auto& b) {
        if (a.second.nombre.empty() != b.second.nombre.empty()) return b.second.nombre.empty();
        return a.first < b.first;
    });
    std::vector<Alumno> alumnos;
    for (auto& [clave, alumno] : orden) alumnos.push_back(std::move(alumno));
    return alumnos;
}

std::string Resumen::Texto(diagram::Traductor t) const {
    using canvas::Printable;
    using diagram::Sustituir;
    const auto trad = [&t](const char* texto, int cuenta = -1) {
        return t("Resumen", texto, cuenta);
    };
    const auto nombre = [&trad](const Alumno& a) {
        return a.nombre.empty() ? trad(QT_TRANSLATE_NOOP("Resumen", "(sin nombre)"))
                                : Printable(a.nombre);
    };
    const auto error = [&t](Codigo c) {
        return t(diagram::kContexto, std::string(NombreCorto(c)).c_str(), -1);
    };
    const int aciertos = Veces(Codigo::Acierto);
    std::string texto =
        Sustituir(trad(QT_TRANSLATE_NOOP("Resumen", "Intentos: %1; aciertos: %2 (%3 %).")),
                  {std::to_string(intentos_), std::to_string(aciertos),
                   Porcentaje(aciertos, intentos_)}) +
        '\n';
    if (const int casi = Veces(Codigo::Casi); casi > 0)
        texto += Sustituir(trad(QT_TRANSLATE_NOOP("Resumen", "Casi: %1 (%2 % de los intentos).")),
                           {std::to_string(casi), Porcentaje(casi, intentos_)}) +
                 '\n';
    const int saltados = Veces(Codigo::Saltado), sinRespuesta = Veces(Codigo::SinRespuesta);
    if (saltados + sinRespuesta > 0)
        texto +=
            Sustituir(trad(QT_TRANSLATE_NOOP("Resumen", "Sin comprobar: %1, %2.")),
                      {trad(QT_TRANSLATE_N_NOOP("Resumen", "%n saltado(s)"), saltados),
                       trad(QT_TRANSLATE_N_NOOP("Resumen", "%n sin respuesta"), sinRespuesta)}) +
            '\n';
    texto += '\n' + trad(QT_TRANSLATE_NOOP("Resumen", "Por alumno:")) + '\n';
    const std::vector<Alumno> alumnos = Alumnos();
    for (const Alumno& a : alumnos) {
        texto += "  " + nombre(a) + ": " +
                 trad(QT_TRANSLATE_N_NOOP("Resumen", "%n intento(s)"), a.intentos) + ", " +
                 trad(QT_TRANSLATE_N_NOOP("Resumen", "%n acierto(s)"), a.aciertos) + " (" +
                 Porcentaje(a.aciertos, a.intentos) + " %)";
        if (const int n = a.veces[Indice(Codigo::Casi)]; n > 0)
            texto += ", " + trad(QT_TRANSLATE_N_NOOP("Resumen", "%n casi"), n);
        if (const int n = a.veces[Indice(Codigo::Saltado)]; n > 0)
            texto += ", " + trad(QT_TRANSLATE_N_NOOP("Resumen", "%n saltado(s)"), n);
        if (const int n = a.veces[Indice(Codigo::SinRespuesta)]; n > 0)
            texto += ", " + trad(QT_TRANSLATE_N_NOOP("Resumen", "%n sin respuesta"), n);
        texto += '\n';
    }
    texto += '\n' + trad(QT_TRANSLATE_NOOP("Resumen", "Errores de la clase:")) + '\n';
    bool algunError = false;
    for (int c = kPrimeroDeLaTabla; c <= kUltimoDeLaTabla; ++c) {
        const Codigo codigo = static_cast<Codigo>(c);
        if (!Listado(codigo)) continue;
        algunError = algunError || Veces(codigo) > 0;
        texto += "  " +
                 Sustituir(trad(QT_TRANSLATE_NOOP("Resumen", "%1: %2 (%3 % de los intentos)")),
                           {error(codigo), std::to_string(Veces(codigo)),
                            Porcentaje(Veces(codigo), intentos_)}) +
                 '\n';
    }
    if (algunError) {
        texto += '\n' + trad(QT_TRANSLATE_NOOP("Resumen", "Alumnos por error:")) + '\n';
        for (int c = kPrimeroDeLaTabla; c <= kUltimoDeLaTabla; ++c) {
            const auto i = static_cast<std::size_t>(c);
            if (veces_[i] == 0) continue;
            texto += "  " + error(static_cast<Codigo>(c)) + ":\n";
            for (const Alumno& a : alumnos)
                if (a.veces[i] > 0)
                    texto += "    " + nombre(a) + ": " +
                             trad(QT_TRANSLATE_N_NOOP("Resumen", "%n vez/veces"), a.veces[i]) +
                             '\n';
        }
    }
    if (hayCaminos_) {
        texto += '\n' + trad(QT_TRANSLATE_NOOP("Resumen", "Camino por alumno:")) + '\n';
        for (const Alumno& a : alumnos) {
            const EnCamino en = Camino(a);
            if (en.destrezas.empty()) continue;
            texto += "  " + nombre(a) + ':';
            for (std::size_t i = 0; i < en.destrezas.size(); ++i) {
                const Destreza& d = en.destrezas[i];
                texto += (i > 0 ? ", " : " ") + NombreVisible(d.nombre, t) + ' ' +
                         std::to_string(std::min(d.racha, kRachaDeDominio)) + '/' +
                         std::to_string(kRachaDeDominio);
                if (d.dominada) texto += ' ' + trad(QT_TRANSLATE_NOOP("Resumen", "dominada"));
            }
            if (!en.pendientes.empty()) {
                std::string lista;
                for (const Codigo c : en.pendientes)
                    lista += (lista.empty() ? "" : ", ") + error(c);
                texto +=
                    "; " + Sustituir(trad(QT_TRANSLATE_NOOP("Resumen", "vuelven: %1")), {lista});
            }
            texto += '\n';
        }
    }
    if (TotalDeIlegibles() > 0) {
        texto += '\n' +
                 trad(QT_TRANSLATE_N_NOOP("Resumen", "Líneas que no se pudieron leer: %n"),
                      static_cast<int>(TotalDeIlegibles())) +
                 '\n';
        for (const Ilegible& i : ilegibles_) texto += "  " + Printable(Donde(i)) + '\n';
        if (omitidos_ > 0)
            texto += "  " +
                     trad(QT_TRANSLATE_N_NOOP("Resumen", "y %n más"), static_cast<int>(omitidos_)) +
                     '\n';
    }
    return texto;
}

std::string Resumen::Csv() const {
    auto fila = [](std::string_view tipo, std::string_view nombre, int veces, int de,
                   std::string_view error = {}) {
        return std::string(tipo) + ',' + CeldaCsv(nombre) + ',' + std::to_string(veces) + ',' +
               std::to_string(de) + ',' + Porcentaje(veces, de) + ',' + std::string(error) + '\n';
    };
    std::string csv = "tipo,nombre,veces,de,porcentaje,error\n";
    csv += fila("clase", "", Veces(Codigo::Acierto), intentos_);
    const std::vector<Alumno> alumnos = Alumnos();
    for (const Alumno& a : alumnos) csv += fila("alumno", a.nombre, a.aciertos, a.intentos);
    for (int c = kPrimeroDeLaTabla; c <= kUltimoDeLaTabla; ++c) {
        const Codigo codigo = static_cast<Codigo>(c);
        if (Listado(codigo)) csv += fila("error", Nombre(codigo), Veces(codigo), intentos_);
    }
    for (int c = kPrimeroDeLaTabla; c <= kUltimoDeLaTabla; ++c) {
        const auto i = static_cast<std::size_t>(c);
        for (const Alumno& a : alumnos)
            if (a.veces[i] > 0)
                csv += fila("alumno-error", a.nombre, a.veces[i], a.intentos,
                            Nombre(static_cast<Codigo>(c)));
    }
    // Near misses over the attempts; exercises left unchecked over the exercises.
    for (const Codigo codigo : {Codigo::Casi, Codigo::Saltado, Codigo::SinRespuesta}) {
        const auto i = Indice(codigo);
        const int ejercicios = intentos_ + Veces(Codigo::Saltado) + Veces(Codigo::SinRespuesta);
        const int de = codigo == Codigo::Casi ? intentos_ : ejercicios;
        if (veces_[i] > 0) csv += fila("resultado", Nombre(codigo), veces_[i], de);
        for (const Alumno& a : alumnos) {
            const int suyos = a.intentos + a.veces[Indice(Codigo::Saltado)] +
                              a.veces[Indice(Codigo::SinRespuesta)];
            if (a.veces[i] > 0)
                csv += fila("alumno-resultado", a.nombre, a.veces[i],
                            codigo == Codigo::Casi ? a.intentos : suyos, Nombre(codigo));
        }
    }
    for (const Alumno& a : hayCaminos_ ? alumnos : std::vector<Alumno>()) {
        const EnCamino en = Camino(a);
        for (const Destreza& d : en.destrezas)
            csv += fila("destreza", a.nombre, std::min(d.racha, kRachaDeDominio), kRachaDeDominio,
                        d.nombre);
        for (const Codigo c : en.pendientes)
            csv += "pendiente," + CeldaCsv(a.nombre) + ",,,," + std::string(Nombre(c)) + '\n';
    }
    for (const Ilegible& i : ilegibles_) csv += "ilegible," + CeldaCsv(Donde(i)) + ",,,,\n";
    if (omitidos_ > 0) csv += "ilegibles-omitidos,," + std::to_string(omitidos_) + ",,,\n";
    return csv;
}

}  // namespace trazalia::practice
