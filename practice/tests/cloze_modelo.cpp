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

std::optional<double> Valor(std::string_view s) {
    std::string t(s);
    std::replace(t.begin(), t.end(), ',', '.');
    return canvas::LeerReal(t);
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
                a.fraccion = 0.01 * *Valor(s.substr(i + 1, j - i - 1));
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
        // NUMERICAL_ALTERNATIVE_REGEX: ^(NUMBER)(:NUMBER)?$ gives the value and the tolerance;
        // anything else stays text, and a numerical blank accepts only "*" so
        // (qtype_multianswer_validate_question).
        const auto n = Numero(respuesta);
        if (n && *n == respuesta.size()) {
            a.valor = *Valor(respuesta);
        } else if (n && respuesta[*n] == ':' && Numero(respuesta.substr(*n + 1)) &&
                   *n + 1 + *Numero(respuesta.substr(*n + 1)) == respuesta.size()) {
            a.valor = *Valor(respuesta.substr(0, *n));
            // qtype_numerical_answer keeps the tolerance's absolute value.
            a.tolerancia = std::abs(*Valor(respuesta.substr(*n + 1)));
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

}  // namespace

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

const AlternativaCloze* Calificar(const HuecoCloze& hueco, double respuesta) {
    // question/type/numerical/question.php: get_matching_answer takes the first answer whose
    // within_tolerance holds; "*" holds anything. A nominal tolerance is widened by
    // 10^-precision · max(1, |answer|), PHP's precision being 14, and both bounds are included.
    for (const AlternativaCloze& a : hueco.alternativas) {
        if (a.cualquiera) return &a;
        const double margen = a.tolerancia + 1e-14 * std::max(1.0, std::abs(a.valor));
        if (a.valor - margen <= respuesta && respuesta <= a.valor + margen) return &a;
    }
    return nullptr;
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
        // The writer's references are ASCII; others stay as written.
        if (codigo < 0 || codigo > 0x7f) {
            s += html[i];
            continue;
        }
        s += static_cast<char>(codigo);
        i = fin;
    }
    return s;
}

}  // namespace trazalia::pruebas
