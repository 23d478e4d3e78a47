// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/tests/cloze_modelo.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "canvas/numeros.h"

namespace trazalia::pruebas {
namespace {

bool Digito(char c) { return c >= '0' && c <= '9'; }

// question/type/multianswer/questiontype.php, NUMBER_REGEX:
//   -?(([0-9]+[.,]?[0-9]*|[.,][0-9]+)([eE][-+]?[0-9]+)?)
// The number's length from the start of s, or nothing. Exponents are refused (stricter).
std::optional<std::size_t> Numero(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') ++i;
    const std::size_t enteros = i;
    while (i < s.size() && Digito(s[i])) ++i;
    if (i > enteros) {
        if (i < s.size() && (s[i] == '.' || s[i] == ',')) ++i;
        while (i < s.size() && Digito(s[i])) ++i;
        return i;
    }
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        const std::size_t d = ++i;
        while (i < s.size() && Digito(s[i])) ++i;
        if (i > d) return i;
    }
    return std::nullopt;
}

// [+-]?(\d+(\.\d*)?|\.\d+) at the start of s, as apply_units matches it: its length, or 0.
std::size_t NumeroConPunto(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t enteros = i;
    while (i < s.size() && Digito(s[i])) ++i;
    const bool conEnteros = i > enteros;
    if (i < s.size() && s[i] == '.') {
        const std::size_t d = ++i;
        while (i < s.size() && Digito(s[i])) ++i;
        if (!conEnteros && i == d) return 0;
    } else if (!conEnteros) {
        return 0;
    }
    return i;
}

double Leido(std::string_view numero) {
    std::string t(numero);
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    if (!t.empty() && t.back() == '.') t.pop_back();
    return *canvas::LeerReal(t.empty() || t == "-" ? "0" : t);
}

// A numerical answer as qtype_numerical::save_question_options stores it: through apply_units,
// which takes a comma for a point.
double ValorDeRespuesta(std::string_view s) {
    std::string t(s);
    if (std::count(t.begin(), t.end(), ',') == 1 && t.find('.') == std::string::npos)
        std::replace(t.begin(), t.end(), ',', '.');
    return Leido(t.substr(0, NumeroConPunto(t)));
}

// A tolerance as PHP takes a string for a number: its numeric start, and 0 without one, so that
// "3,07" is 3.
double ValorDePhp(std::string_view s) {
    const std::size_t n = NumeroConPunto(s);
    return n == 0 ? 0 : Leido(s.substr(0, n));
}

// One blank from its opening brace: ANSWER_REGEX =
//   \{([0-9]*):(TYPE):(ALTERNATIVE(~ALTERNATIVE)*)\}
// ALTERNATIVE = (=|%(-?[0-9]+)%)?(.+?(?<!\\|&|&amp;)(?=[~#}]|$))(#(.*?(?<!\\)(?=[~}]|$)))?
// The length of the blank, or nothing where it is none.
std::optional<std::size_t> Hueco(std::string_view s, HuecoCloze& hueco, std::string& error) {
    std::size_t i = 1;
    while (i < s.size() && Digito(s[i])) ++i;
    if (i >= s.size() || s[i] != ':') return std::nullopt;
    const std::size_t dos = s.find(':', i + 1);
    if (dos == std::string_view::npos) return std::nullopt;
    hueco.tipo = s.substr(i + 1, dos - i - 1);
    // Only the numerical types are modelled; the writer asks for no other.
    if (hueco.tipo != "NUMERICAL" && hueco.tipo != "NM") return std::nullopt;
    i = dos + 1;
    for (;;) {
        AlternativaCloze a;
        // Weights: "=" is 100 %, %n% is n %, none is 0 (qtype_multianswer_extract_question).
        if (i < s.size() && s[i] == '=') {
            a.fraccion = 1;
            ++i;
        } else if (i < s.size() && s[i] == '%') {
            std::size_t j = i + 1;
            if (j < s.size() && s[j] == '-') ++j;
            const std::size_t d = j;
            while (j < s.size() && Digito(s[j])) ++j;
            if (j > d && j < s.size() && s[j] == '%') {
                a.fraccion = 0.01 * Leido(s.substr(i + 1, j - i - 1));
                i = j + 1;
            }
        }
        // The answer: at least one character, up to the first ~ # } not after \ & or &amp;.
        std::size_t j = i + 1;
        while (j < s.size() && !((s[j] == '~' || s[j] == '#' || s[j] == '}') && s[j - 1] != '\\' &&
                                 s[j - 1] != '&' && !(j >= 5 && s.substr(j - 5, 5) == "&amp;")))
            ++j;
        if (j >= s.size()) return std::nullopt;
        const std::string_view respuesta = s.substr(i, j - i);
        // The feedback: up to the first ~ or } not after a backslash; then decoded, and only
        // \} and \# turned back.
        if (s[j] == '#') {
            std::size_t k = j + 1;
            while (k < s.size() && !((s[k] == '~' || s[k] == '}') && s[k - 1] != '\\')) ++k;
            if (k >= s.size()) return std::nullopt;
            std::string c = DecodificarEntidades(s.substr(j + 1, k - j - 1));
            for (const std::string_view e : {"\\}", "\\#"})
                for (auto p = c.find(e); p != std::string::npos; p = c.find(e, p + 1))
                    c.erase(p, 1);
            a.comentario = c;
            j = k;
        }
        // NUMERICAL_ALTERNATIVE_REGEX: ^(NUMBER)(:NUMBER)?$ gives the value and the tolerance,
        // each kept as written; anything else stays text, and a numerical blank accepts only
        // "*" so (qtype_multianswer_validate_question).
        const auto n = Numero(respuesta);
        if (n && *n == respuesta.size()) {
            a.valor = ValorDeRespuesta(respuesta);
        } else if (n && respuesta[*n] == ':' && Numero(respuesta.substr(*n + 1)) &&
                   *n + 1 + *Numero(respuesta.substr(*n + 1)) == respuesta.size()) {
            a.valor = ValorDeRespuesta(respuesta.substr(0, *n));
            // qtype_numerical_answer keeps the tolerance's absolute value.
            a.tolerancia = std::abs(ValorDePhp(respuesta.substr(*n + 1)));
        } else if (respuesta == "*") {
            a.cualquiera = true;
        } else {
            error = "respuesta no numérica «" + std::string(respuesta) + "»";
            return std::nullopt;
        }
        hueco.alternativas.push_back(a);
        if (s[j] == '}') return j + 1;
        i = j + 1;
    }
}

bool SoloEspacios(std::string_view s) {
    return s.find_first_not_of(" \t\n\r\v", 0) == std::string_view::npos;
}

// PHP's strip_tags on plain text: from a "<" not followed by white space to the next ">", or to
// the end, goes.
std::string SinEtiquetas(std::string_view s) {
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '<' && i + 1 < s.size() && !SoloEspacios(s.substr(i + 1, 1))) {
            const std::size_t fin = s.find('>', i);
            if (fin == std::string_view::npos) break;
            i = fin;
            continue;
        }
        r += s[i];
    }
    return r;
}

void AgregarUtf8(std::string& s, unsigned long c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | c >> 6);
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | c >> 12);
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | c >> 18);
        s += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The first n characters of UTF-8 text.
std::string Primeros(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; i < s.size(); ++i)
        if ((s[i] & 0xC0) != 0x80 && k++ == n) break;
    return std::string(s.substr(0, i));
}

// lib/moodlelib.php's shorten_text on text without tags or entities: the text up to ideal
// characters less the ending's, cut back after the last space or point (or before a character of
// three bytes or more), then "...".
std::string Acortar(std::string_view texto, std::size_t ideal) {
    if (Caracteres(texto) <= ideal) return std::string(texto);
    const std::size_t izquierda = ideal - 3;
    std::size_t corte = izquierda;
    for (; corte > 0; --corte) {
        const std::string c =
            Primeros(Primeros(texto, corte + 1).substr(Primeros(texto, corte).size()), 1);
        if (c == "." || c == " " || c.size() > 2) {
            ++corte;
            break;
        }
    }
    if (corte == 0 || corte > izquierda) corte = izquierda;
    return Primeros(texto, corte) + "...";
}

}  // namespace

std::optional<Nodo> LeerComoMoodle(std::string_view documento) {
    // handle_characterdata keeps a piece when it is "0" or holds something but white space, and
    // the file is read 4096 bytes at a time.
    return LeerXml(
        documento, [](std::string_view pieza) { return pieza == "0" || !SoloEspacios(pieza); },
        4096);
}

std::string Recortado(std::string_view texto) {
    constexpr std::string_view kBlancos(" \t\n\r\v\0", 6);
    const auto inicio = texto.find_first_not_of(kBlancos);
    if (inicio == std::string_view::npos) return {};
    return std::string(texto.substr(inicio, texto.find_last_not_of(kBlancos) - inicio + 1));
}

std::size_t Caracteres(std::string_view texto) {
    return static_cast<std::size_t>(
        std::count_if(texto.begin(), texto.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::vector<std::string> CategoriasDeLaRuta(std::string_view ruta) {
    // preg_split('~(?<!/)/(?!/)~'): a slash with none on either side separates.
    std::vector<std::string> nombres;
    std::string actual;
    for (std::size_t i = 0; i < ruta.size(); ++i) {
        const bool sola = ruta[i] == '/' && (i == 0 || ruta[i - 1] != '/') &&
                          (i + 1 == ruta.size() || ruta[i + 1] != '/');
        if (!sola) {
            actual += ruta[i];
            continue;
        }
        nombres.push_back(actual);
        actual.clear();
    }
    nombres.push_back(actual);
    for (std::string& n : nombres) {
        std::string unidas;  // str_replace('//', '/'), left to right
        for (std::size_t i = 0; i < n.size(); ++i) {
            unidas += n[i];
            if (n[i] == '/' && i + 1 < n.size() && n[i + 1] == '/') ++i;
        }
        n = SinEtiquetas(Recortado(unidas));
    }
    const std::string& primero = nombres[0];
    if (primero.size() > 2 && primero.front() == '$' && primero.back() == '$' &&
        std::all_of(primero.begin() + 1, primero.end() - 1,
                    [](char c) { return c >= 'a' && c <= 'z'; }))
        nombres.erase(nombres.begin());
    // Since Moodle 3.5 every category lies below the context's "top".
    if (nombres.empty() || nombres[0] != "top" || nombres.size() < 3)
        nombres.insert(nombres.begin(), "top");
    std::vector<std::string> hechas;
    for (std::size_t k = 1; k < nombres.size(); ++k) {
        // A category named "top" that does not exist is skipped, not made.
        if (nombres[k] == "top") continue;
        hechas.push_back(nombres[k]);
    }
    return hechas;
}

std::string NombreQueGuarda(std::string_view nombre) {
    std::string n = Recortado(SinEtiquetas(nombre));
    for (std::size_t recorte = 251; Caracteres(n) > 255 && recorte > 0; recorte -= 10)
        n = Acortar(n, recorte);
    return n;
}

std::variant<std::vector<HuecoCloze>, std::string> LeerCloze(std::string_view texto) {
    std::vector<HuecoCloze> huecos;
    for (std::size_t i = texto.find('{'); i != std::string_view::npos; i = texto.find('{', i)) {
        HuecoCloze hueco;
        std::string error;
        const auto largo = Hueco(texto.substr(i), hueco, error);
        if (!error.empty()) return error;
        if (!largo) {
            ++i;
            continue;
        }
        // A blank without an answer worth 100 % is refused (fractionsnomax).
        if (std::none_of(hueco.alternativas.begin(), hueco.alternativas.end(),
                         [](const AlternativaCloze& a) { return a.fraccion == 1; }))
            return "un hueco sin respuesta del 100 %";
        huecos.push_back(std::move(hueco));
        i += *largo;
    }
    return huecos;
}

std::variant<HuecoCloze, std::string> LeerNumerica(const Nodo& pregunta) {
    HuecoCloze hueco;
    hueco.tipo = "numerical";
    for (const Nodo* r : pregunta.Hijos("answer")) {
        AlternativaCloze a;
        // import_answer: the fraction attribute in percent; the text and the tolerance trimmed.
        a.fraccion = ValorDePhp(r->Atributo("fraction")) / 100;
        const Nodo* texto = r->Hijo("text");
        const std::string respuesta = texto ? Recortado(texto->texto) : "";
        if (respuesta == "*") {
            a.cualquiera = true;
        } else if (const auto n = Numero(respuesta); n && *n == respuesta.size()) {
            a.valor = ValorDeRespuesta(respuesta);
        } else {
            return "respuesta no numérica «" + respuesta + "»";
        }
        const Nodo* tolerancia = r->Hijo("tolerance");
        a.tolerancia = std::abs(ValorDePhp(tolerancia ? Recortado(tolerancia->texto) : "0"));
        const Nodo* comentario = r->Hijo("feedback");
        if (comentario && comentario->Hijo("text"))
            a.comentario = Recortado(comentario->Hijo("text")->texto);
        hueco.alternativas.push_back(a);
    }
    if (std::none_of(hueco.alternativas.begin(), hueco.alternativas.end(),
                     [](const AlternativaCloze& a) { return a.fraccion == 1; }))
        return "una pregunta sin respuesta del 100 %";
    return hueco;
}

const AlternativaCloze* Calificar(const HuecoCloze& hueco, double respuesta) {
    // question/type/numerical/question.php: get_matching_answer takes the first answer whose
    // within_tolerance holds; "*" holds anything. A nominal tolerance is widened by
    // 10^-precision times the largest of the tolerance, the answer and that epsilon, PHP's
    // precision being 14, and both bounds are included.
    constexpr double kEpsilon = 1e-14;
    for (const AlternativaCloze& a : hueco.alternativas) {
        if (a.cualquiera) return &a;
        const double t = a.tolerancia +
                         kEpsilon * std::max({std::abs(a.tolerancia), std::abs(a.valor), kEpsilon});
        if (a.valor - t <= respuesta && respuesta <= a.valor + t) return &a;
    }
    return nullptr;
}

Respuesta Responder(std::string_view texto, Paquete paquete) {
    // PARAM_RAW_TRIMMED, then apply_units: spaces out; a point, or more than one comma, makes
    // commas thousands separators, else a comma is the point; the number at the start, the unit
    // what follows it. Exponents are left out (the writer asks for none).
    std::string t;
    for (const char c : Recortado(texto))
        if (c != ' ') t += c;
    if (t.find('.') != std::string::npos || std::count(t.begin(), t.end(), ',') > 1)
        t.erase(std::remove(t.begin(), t.end(), ','), t.end());
    else
        std::replace(t.begin(), t.end(), ',', '.');
    Respuesta r;
    const std::size_t n = NumeroConPunto(t);
    if (n == 0) return r;
    r.valor = Leido(t.substr(0, n));
    // is_complete_response: no unit (the question shows none), and no thousands separator of
    // the pack in what was typed.
    r.completa = n == t.size() && Recortado(texto).find(paquete.miles) == std::string::npos;
    return r;
}

std::string DecodificarEntidades(std::string_view html) {
    std::string s;
    for (std::size_t i = 0; i < html.size(); ++i) {
        const std::size_t fin = html[i] == '&' ? html.find(';', i) : std::string_view::npos;
        if (fin == std::string_view::npos) {
            s += html[i];
            continue;
        }
        const std::string_view nombre = html.substr(i + 1, fin - i - 1);
        long codigo = -1;
        if (nombre == "amp") codigo = '&';
        if (nombre == "lt") codigo = '<';
        if (nombre == "gt") codigo = '>';
        if (nombre == "quot") codigo = '"';
        if (nombre == "apos") codigo = '\'';
        if (nombre.size() > 1 && nombre[0] == '#') {
            const bool hex = nombre[1] == 'x' || nombre[1] == 'X';
            codigo = std::stol(std::string(nombre.substr(hex ? 2 : 1)), nullptr, hex ? 16 : 10);
        }
        if (codigo < 0) {
            s += html[i];
            continue;
        }
        AgregarUtf8(s, static_cast<unsigned long>(codigo));
        i = fin;
    }
    return s;
}

std::string TextoVisible(std::string_view html) {
    std::string s;
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] != '<') {
            s += html[i];
            continue;
        }
        const std::size_t fin = html.find('>', i);
        if (fin == std::string_view::npos) break;
        const std::string_view etiqueta = html.substr(i, fin - i);
        if (const std::size_t alt = etiqueta.find(" alt=\""); alt != std::string_view::npos) {
            const std::size_t desde = alt + 6;
            s += ' ' + std::string(etiqueta.substr(desde, etiqueta.find('"', desde) - desde)) + ' ';
        }
        s += ' ';
        i = fin;
    }
    return DecodificarEntidades(s);
}

}  // namespace trazalia::pruebas
