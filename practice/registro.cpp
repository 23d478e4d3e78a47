// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/registro.h"

#include <array>
#include <charconv>
#include <optional>
#include <utility>
#include <vector>

#include "canvas/error_reason.h"
#include "canvas/numeros.h"
#include "diagram/formato.h"
#include "practice/camino.h"

namespace trazalia::practice {

namespace {

constexpr std::size_t kCampos = 18;
// A record written before exercises had coefficients and a question ends at veredicto.
constexpr std::size_t kCamposAntiguos = 15;
// An entry on a path carries its state as one field more; the others keep 18, as readers of 18
// expect them.
constexpr std::size_t kCamposDeCamino = 19;
constexpr std::array<std::string_view, kCamposDeCamino> kNombres{
    "fecha", "alumno",  "ventana", "nivel", "m1",        "d1", "m2", "d2",       "m3",    "d3",
    "tu_r",  "tu_alfa", "r",       "alfa",  "veredicto", "k1", "k2", "pregunta", "camino"};
constexpr std::size_t kCoeficientes = 2;

}  // namespace

namespace {

// A spreadsheet takes a cell that starts with one of these for a formula.
bool PareceFormula(std::string_view texto) {
    return !texto.empty() &&
           std::string_view("=+-@\t\r").find(texto.front()) != std::string_view::npos;
}

// C0 controls, DEL and the C1 controls (C2 80 to C2 9F in UTF-8) as spaces.
std::string SinControles(std::string_view texto) {
    std::string limpio;
    limpio.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const auto c = static_cast<unsigned char>(texto[i]);
        if (c == 0xC2 && i + 1 < texto.size() && static_cast<unsigned char>(texto[i + 1]) < 0xA0 &&
            static_cast<unsigned char>(texto[i + 1]) >= 0x80) {
            limpio += ' ';
            ++i;
        } else {
            limpio += c < 0x20 || c == 0x7F ? ' ' : texto[i];
        }
    }
    return limpio;
}

}  // namespace

namespace {

// The character that starts texto and its length in bytes; a byte that starts none is itself.
std::pair<char32_t, std::size_t> Caracter(std::string_view texto) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(texto[i]); };
    const std::size_t n = b(0) >= 0xF0 ? 4 : b(0) >= 0xE0 ? 3 : b(0) >= 0xC0 ? 2 : 1;
    if (n > texto.size()) return {b(0), 1};
    char32_t c = n == 1 ? b(0) : b(0) & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return {b(0), 1};
        c = (c << 6) | (b(i) & 0x3F);
    }
    return {c, n};
}

// Unicode's white space (ASCII's space, the no-break and the wide ones) and the byte-order mark.
bool EsEspacio(char32_t c) {
    return c == ' ' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// The marks that turn a text's direction, or hide between letters.
bool EsInvisible(char32_t c) {
    return (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2069);
}

}  // namespace

std::string NombreLimpio(std::string_view nombre) {
    std::string limpio;
    limpio.reserve(nombre.size());
    for (std::size_t i = 0; i < nombre.size(); ++i) {
        const auto c = static_cast<unsigned char>(nombre[i]);
        const bool c1 = c == 0xC2 && i + 1 < nombre.size() &&
                        static_cast<unsigned char>(nombre[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(nombre[i + 1]) < 0xA0;
        if (c1) {
            // U+0085 ends a line; the other C1 controls are nothing to read.
            if (static_cast<unsigned char>(nombre[i + 1]) == 0x85) limpio += ' ';
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            if (c >= '\t' && c <= '\r') limpio += ' ';
        } else {
            limpio += nombre[i];
        }
    }
    std::string_view t = limpio;
    while (!t.empty() && EsEspacio(Caracter(t).first)) t.remove_prefix(Caracter(t).second);
    while (!t.empty()) {
        std::size_t ultimo = t.size() - 1;
        while (ultimo > 0 && (static_cast<unsigned char>(t[ultimo]) & 0xC0) == 0x80) --ultimo;
        if (!EsEspacio(Caracter(t.substr(ultimo)).first)) break;
        t.remove_suffix(t.size() - ultimo);
    }
    return std::string(t);
}

std::string NombreDeResultados(std::string_view alumno, std::string_view fecha) {
    constexpr std::size_t kMaximo = 64;
    const std::string limpio = NombreLimpio(alumno);
    std::string nombre;
    bool raya = false;
    const auto poner = [&](std::string_view s) {
        if (raya && !nombre.empty()) nombre += '_';
        raya = false;
        nombre += s;
    };
    for (std::size_t i = 0; i < limpio.size();) {
        // A whole character at a time, so that a cut never splits one.
        const auto [c, n] = Caracter(std::string_view(limpio).substr(i));
        const bool separa =
            EsEspacio(c) || EsInvisible(c) ||
            std::u32string_view(U"/\\:*?\"<>|").find(c) != std::u32string_view::npos ||
            (c == '.' && nombre.empty());
        if (!separa) {
            if (nombre.size() + n + (raya && !nombre.empty() ? 1 : 0) > kMaximo) break;
            poner(std::string_view(limpio).substr(i, n));
        }
        raya = raya || separa;
        i += n;
    }
    while (!nombre.empty() && (nombre.back() == '.' || nombre.back() == '_')) nombre.pop_back();
    if (nombre.empty()) nombre = "practica";
    return nombre + '-' + std::string(fecha) + ".csv";
}

std::string CeldaCsv(std::string_view texto) {
    const std::string limpio = SinControles(texto);
    return CampoCsv(PareceFormula(limpio) ? '\'' + limpio : limpio);
}

std::string CampoCsv(std::string_view texto) {
    std::string campo;
    for (char c : texto) {
        if (c == '"') campo += '"';
        campo += c == '\n' || c == '\r' ? ' ' : c;
    }
    if (campo.size() == texto.size() && texto.find(',') == std::string_view::npos) return campo;
    return '"' + campo + '"';
}

namespace {

// The shortest decimal that reads back as the same number.
std::string Decimal(double valor) { return canvas::Fijo(valor); }

// The fields of a CSV line, or nothing when its quotes are unbalanced or misplaced.
std::optional<std::vector<std::string>> Campos(std::string_view linea) {
    std::vector<std::string> campos(1);
    std::size_t i = 0;
    while (i < linea.size()) {
        std::string& campo = campos.back();
        if (linea[i] == '"' && campo.empty()) {
            // A quoted field ends at a quote that is not doubled.
            for (++i;; ++i) {
                if (i >= linea.size()) return std::nullopt;
                if (linea[i] != '"') {
                    campo += linea[i];
                } else if (i + 1 < linea.size() && linea[i + 1] == '"') {
                    campo += '"';
                    ++i;
                } else {
                    break;
                }
            }
            ++i;
            if (i < linea.size() && linea[i] != ',') return std::nullopt;
        } else if (linea[i] == '"') {
            return std::nullopt;
        } else if (linea[i] != ',') {
            campo += linea[i++];
            continue;
        }
        if (i < linea.size()) campos.emplace_back();
        ++i;
    }
    return campos;
}

bool Digitos(std::string_view s, std::size_t desde, std::size_t cuantos) {
    if (s.size() < desde + cuantos) return false;
    for (std::size_t i = desde; i < desde + cuantos; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

// AAAA-MM-DDTHH:MM, then :SS, a fraction and a zone (Z or ±HH:MM) if any.
bool EsFecha(std::string_view f) {
    if (!Digitos(f, 0, 4) || f.size() < 16 || f[4] != '-' || !Digitos(f, 5, 2) || f[7] != '-' ||
        !Digitos(f, 8, 2) || f[10] != 'T' || !Digitos(f, 11, 2) || f[13] != ':' ||
        !Digitos(f, 14, 2))
        return false;
    std::size_t i = 16;
    if (i < f.size() && f[i] == ':') {
        if (!Digitos(f, i + 1, 2)) return false;
        i += 3;
        if (i < f.size() && f[i] == '.') {
            if (!Digitos(f, ++i, 1)) return false;
            while (Digitos(f, i, 1)) ++i;
        }
    }
    if (i == f.size()) return true;
    if (f.substr(i) == "Z") return true;
    return f.size() == i + 6 && (f[i] == '+' || f[i] == '-') && Digitos(f, i + 1, 2) &&
           f[i + 3] == ':' && Digitos(f, i + 4, 2);
}

std::optional<int> Entero(std::string_view s, int maximo) {
    int valor = 0;
    const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), valor);
    if (s.empty() || ec != std::errc() || fin != s.data() + s.size() || valor < 0 || valor > maximo)
        return std::nullopt;
    return valor;
}

std::optional<double> Real(std::string_view s) { return canvas::LeerReal(s); }

}  // namespace

bool SinIntento(Codigo codigo) {
    return codigo == Codigo::Saltado || codigo == Codigo::SinRespuesta;
}

Asiento AsientoDe(std::string_view fecha, std::string_view alumno, Ventana ventana, Nivel nivel,
                  const Ejercicio& vectores, Intento intento, const Veredicto& veredicto) {
    return {std::string(fecha),
            std::string(alumno),
            ventana,
            nivel,
            vectores,
            intento,
            veredicto.respuesta.lecturaR,
            veredicto.respuesta.lecturaDireccion,
            veredicto.clasificacion()};
}

Asiento AsientoSinVeredicto(std::string_view fecha, std::string_view alumno, Ventana ventana,
                            Nivel nivel, const Ejercicio& vectores, Codigo codigo) {
    const Respuesta respuesta = RespuestaDe(ventana, vectores);
    return {std::string(fecha), std::string(alumno),        ventana, nivel, vectores, std::nullopt,
            respuesta.lecturaR, respuesta.lecturaDireccion, codigo};
}

namespace {

std::string Cabecera(std::size_t campos) {
    std::string texto;
    for (std::size_t i = 0; i < campos; ++i) {
        if (!texto.empty()) texto += ',';
        texto += kNombres[i];
    }
    return texto;
}

}  // namespace

std::string_view CabeceraDelRegistro() {
    static const std::string cabecera = Cabecera(kCampos);
    return cabecera;
}

bool EsCabeceraDelRegistro(std::string_view linea) {
    static const std::string antigua = Cabecera(kCamposAntiguos);
    static const std::string deCamino = Cabecera(kCamposDeCamino);
    return linea == CabeceraDelRegistro() || linea == antigua || linea == deCamino;
}

std::string LineaDeAsiento(const Asiento& registro) {
    std::string linea = CampoCsv(registro.fecha) + ',' + CeldaCsv(registro.alumno) + ',' +
                        std::string(Nombre(registro.ventana)) + ',' +
                        std::string(Nombre(registro.nivel));
    for (std::size_t k = 0; k < 3; ++k) {
        if (k < registro.vectores.size())
            linea += ',' + std::to_string(registro.vectores[k].m) + ',' +
                     std::to_string(registro.vectores[k].d);
        else
            linea += ",,";
    }
    if (registro.intento)
        linea += ',' + Decimal(registro.intento->r) + ',' + Decimal(registro.intento->direccion);
    else
        linea += ",,";
    linea +=
        ',' + CampoCsv(registro.r) + ',' + CampoCsv(registro.alfa) + ',' + Nombre(registro.codigo);
    const std::vector<int>& k = registro.vectores.coeficientes;
    for (std::size_t i = 0; i < kCoeficientes; ++i)
        linea += ',' + (i < k.size() ? Coeficiente(k[i]) : std::string());
    linea += ',' + std::string(Nombre(registro.vectores.pregunta));
    if (!registro.camino.empty()) linea += ',' + CampoCsv(registro.camino);
    return linea;
}

std::variant<Asiento, std::string> LeerAsiento(std::string_view linea) {
    if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    const auto campos = Campos(linea);
    if (!campos) return std::string("comillas mal cerradas");
    const std::vector<std::string>& c = *campos;
    if (c.size() != kCampos && c.size() != kCamposAntiguos && c.size() != kCamposDeCamino)
        return "se esperaban " + std::to_string(kCampos) + " campos y hay " +
               std::to_string(c.size());
    auto invalido = [&](std::size_t i) {
        return "campo " + std::string(kNombres[i]) + " no válido: " + canvas::Quoted(c[i]);
    };
    Asiento r;
    if (!EsFecha(c[0])) return invalido(0);
    r.fecha = c[0];
    r.alumno = c[1];
    if (r.alumno.starts_with('\'') && PareceFormula(std::string_view(r.alumno).substr(1)))
        r.alumno.erase(0, 1);
    const auto ventana = VentanaDeNombre(c[2]);
    if (!ventana) return invalido(2);
    r.ventana = *ventana;
    const auto nivel = NivelDeNombre(c[3]);
    if (!nivel) return invalido(3);
    r.nivel = *nivel;
    for (std::size_t k = 0; k < 3; ++k) {
        const std::size_t i = 4 + 2 * k;
        if (static_cast<int>(k) >= NumeroDeVectores(r.ventana)) {
            if (!c[i].empty()) return invalido(i);
            if (!c[i + 1].empty()) return invalido(i + 1);
            continue;
        }
        const auto m = Entero(c[i], 100);
        if (!m) return invalido(i);
        const auto d = Entero(c[i + 1], 360);
        if (!d) return invalido(i + 1);
        r.vectores.push_back({*m, *d});
    }
    const auto codigo = ClasificacionDeNombre(c[14]);
    if (!codigo) return invalido(14);
    r.codigo = *codigo;
    // An exercise left or revealed without a guess has none.
    if (SinIntento(r.codigo.codigo)) {
        for (const std::size_t i : {10, 11})
            if (!c[i].empty()) return invalido(i);
    } else {
        const auto tuR = Real(c[10]);
        if (!tuR) return invalido(10);
        const auto tuAlfa = Real(c[11]);
        if (!tuAlfa) return invalido(11);
        r.intento = Intento{*tuR, *tuAlfa};
    }
    if (!Real(c[12])) return invalido(12);
    r.r = c[12];
    if (c[13] != diagram::kIndefinido && !Real(c[13])) return invalido(13);
    r.alfa = c[13];
    const int coeficientes = r.ventana->coeficientes();
    if (c.size() == kCamposAntiguos) {
        if (coeficientes > 0)
            return "se esperaban " + std::to_string(kCampos) + " campos y hay " +
                   std::to_string(c.size());
        return r;
    }
    for (std::size_t i = 0; i < kCoeficientes; ++i) {
        const std::size_t campo = 15 + i;
        if (static_cast<int>(i) >= coeficientes) {
            if (!c[campo].empty()) return invalido(campo);
            continue;
        }
        const auto k = CoeficienteDeTexto(c[campo]);
        if (!k) return invalido(campo);
        r.vectores.coeficientes.push_back(*k);
    }
    const auto pregunta = PreguntaDeNombre(c[17]);
    if (!pregunta) return invalido(17);
    r.vectores.pregunta = *pregunta;
    if (c.size() == kCamposDeCamino && !c[18].empty()) {
        if (!std::holds_alternative<Progreso>(Progreso::DeTexto(c[18]))) return invalido(18);
        r.camino = c[18];
    }
    return r;
}

}  // namespace trazalia::practice
