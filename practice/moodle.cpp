// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/moodle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "canvas/numeros.h"
#include "canvas/picture.h"
#include "canvas/svg.h"
#include "practice/dibujo.h"
#include "practice/generador.h"
#include "practice/respuesta.h"
#include "practice/veredicto.h"

namespace trazalia::practice {
namespace {

using diagram::kContexto;
using diagram::Sustituir;

// The pictures are SVG: vectors stay crisp on a projector at any size, and no pixels are needed,
// so the bank is written by plain C++ that runs the same in the browser. At 1.5 CSS pixels per
// logical pixel a method window's picture is 700 × 600, whole pixels as HTML's sizes are.
constexpr double kEscalaDeImagen = 1.5;
constexpr int kAnchoDeImagen = 700;
constexpr int kAltoDeImagen = 600;

// Moodle's question and category names are columns of 255 characters (question_categories.name,
// question.name); format.php's clean_question_name shortens a longer name, which would cut off
// the number that tells the questions apart.
constexpr std::size_t kLargoDeNombre = 255;

// The category path's words, Spanish as the command line spells them: a method's clave(), marked
// where the method is, or every method that adds; each level in the order of Nivel.
constexpr const char* kAmbos = QT_TRANSLATE_NOOP("Trazalia", "ambos");
constexpr std::array<const char*, 3> kPalabrasDeNivel{
    QT_TRANSLATE_NOOP("Trazalia", "facil"),
    QT_TRANSLATE_NOOP("Trazalia", "medio"),
    QT_TRANSLATE_NOOP("Trazalia", "dificil"),
};

// The length of the UTF-8 sequence at the start of b, or 0 where it is none: no overlong form,
// no surrogate, nothing past U+10FFFF.
std::size_t Secuencia(std::string_view b) {
    const auto c = static_cast<unsigned char>(b[0]);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char min = 0x80, max = 0xBF;  // the second byte's range
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) min = 0xA0;
        if (c == 0xED) max = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) min = 0x90;
        if (c == 0xF4) max = 0x8F;
    } else {
        return 0;
    }
    if (b.size() < n) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto d = static_cast<unsigned char>(b[k]);
        if (d < (k == 1 ? min : 0x80) || d > (k == 1 ? max : 0xBF)) return 0;
    }
    return n;
}

std::size_t Caracteres(std::string_view s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// A title as a name Moodle keeps as it is: on one line, every character one XML 1.0 allows (a
// control character becomes a space; a byte that is no UTF-8, and U+FFFE and U+FFFF, the
// replacement character), "<" as "＜" since PARAM_TEXT's strip_tags would take it for a tag and
// drop what follows, and no spaces at either end, which Moodle trims.
std::string Titulo(std::string_view texto) {
    std::string s;
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t n = Secuencia(texto.substr(i));
        const std::string_view c = texto.substr(i, std::max<std::size_t>(n, 1));
        i += c.size();
        if (n == 0 || c == "\xEF\xBF\xBE" || c == "\xEF\xBF\xBF")
            s += "\xEF\xBF\xBD";
        else if (c == "<")
            s += "\xEF\xBC\x9C";
        else if (n == 1 && (static_cast<unsigned char>(c[0]) < 0x20 || c[0] == 0x7f))
            s += ' ';
        else
            s += c;
    }
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string::npos) return {};
    return s.substr(inicio, s.find_last_not_of(' ') - inicio + 1);
}

// At most n characters, whole ones: what is cut is told by an ellipsis.
std::string Acortado(const std::string& texto, std::size_t n) {
    if (Caracteres(texto) <= n) return texto;
    std::string s;
    for (std::size_t i = 0, k = 0; i < texto.size() && k + 1 < n; ++k) {
        const std::size_t largo =
            std::max<std::size_t>(Secuencia(std::string_view(texto).substr(i)), 1);
        s += texto.substr(i, largo);
        i += largo;
    }
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s + "\xE2\x80\xA6";
}

// A category's name in Moodle's path, as format.php's assemble_category_path writes it: "/" is a
// separator and "//" a slash, so a name's slashes are doubled, and a space (which
// split_category_path trims) keeps one at either end from joining the separator.
std::string EnLaRuta(std::string_view nombre) {
    std::string s;
    for (const char c : nombre) s += c == '/' ? std::string("//") : std::string(1, c);
    if (!s.empty() && s.front() == '/') s.insert(s.begin(), ' ');
    if (!s.empty() && s.back() == '/') s += ' ';
    return s;
}

// Text in a CDATA section, which "]]>" would end: it is split there into two sections.
std::string Cdata(std::string_view texto) {
    std::string s = "<![CDATA[";
    for (std::size_t i = 0;;) {
        const std::size_t fin = texto.find("]]>", i);
        if (fin == std::string_view::npos) {
            s += texto.substr(i);
            break;
        }
        s += texto.substr(i, fin + 2 - i);
        s += "]]><![CDATA[";
        i = fin + 2;
    }
    return s + "]]>";
}

// HTML text in a Cloze question's prose: a brace could open or close a blank.
std::string Prosa(std::string_view texto) {
    std::string s;
    for (const char c : canvas::EscaparXml(texto)) {
        if (c == '{')
            s += "&#123;";
        else if (c == '}')
            s += "&#125;";
        else
            s += c;
    }
    return s;
}

// A feedback inside a blank. Moodle's Cloze reader ends it at a "~" or "}" not after a
// backslash, turns back only "\}" and "\#", then decodes HTML entities once, and keeps the result
// as HTML: so the text is made HTML, then its "&" encoded once more for that decoding, its braces
// and "#" written with a backslash, and "~", "\", "/" and '"' as character references.
std::string Comentario(std::string_view texto) {
    std::string s;
    for (const char c : canvas::EscaparXml(texto)) {
        switch (c) {
            case '&':
                s += "&amp;";
                break;
            case '}':
                s += "\\}";
                break;
            case '#':
                s += "\\#";
                break;
            case '~':
                s += "&#126;";
                break;
            case '\\':
                s += "&#92;";
                break;
            case '/':
                s += "&#47;";
                break;
            default:
                s += c;
        }
    }
    return s;
}

std::string Base64(std::string_view bytes) {
    static constexpr char kAlfabeto[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string s;
    s.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < 3; ++k)
            v = v << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0U);
        for (std::size_t k = 0; k < 4; ++k) s += k <= n ? kAlfabeto[v >> (18 - 6 * k) & 63] : '=';
    }
    return s;
}

// One answer for a value, as written and as Moodle reads it back. Its number keeps the point
// whatever the language: Moodle reads a tolerance as PHP reads a number, and "3,07" would be 3.
struct Alternativa {
    int porcentaje = 0;
    std::string texto;  // the number as written; "*" for anything
    double valor = 0;
    double tolerancia = 0;
    std::string comentario;  // plain text
    std::optional<Codigo> error;
};

// A number as an answer writes it: at most two decimals, as a guess is shown.
Alternativa Escrita(int porcentaje, double valor, double tolerancia, std::string comentario,
                    std::optional<Codigo> error = std::nullopt) {
    Alternativa a{porcentaje, NumeroDelIntento(valor), 0, 0, std::move(comentario), error};
    a.valor = *canvas::LeerReal(a.texto);
    a.tolerancia = *canvas::LeerReal(NumeroDelIntento(tolerancia));
    return a;
}

// Whether Moodle grades x with this answer: question/type/numerical/question.php,
// qtype_numerical_answer::within_tolerance, a nominal tolerance widened by 10^-precision (PHP's
// precision is 14) of the largest of the tolerance and the answer, both bounds included.
bool Contiene(const Alternativa& a, double x) {
    constexpr double kEpsilon = 1e-14;
    const double t =
        a.tolerancia + kEpsilon * std::max({std::abs(a.tolerancia), std::abs(a.valor), kEpsilon});
    return a.valor - t <= x && x <= a.valor + t;
}

// A direction in [0, 360) as written.
double EnUnaVuelta(double grados) {
    double d = std::fmod(grados, 360.0);
    if (d < 0) d += 360;
    return *canvas::LeerReal(NumeroDelIntento(d)) >= 360 ? 0 : d;
}

// The answers for one value in Moodle's order: the first whose range holds a response grades it
// (qtype_numerical_question::get_matching_answer).
class Valor {
public:
    // A value an earlier answer already holds, as written, is left out: typed as the answer
    // shows it, Moodle would grade it with that earlier one.
    void Agregar(Alternativa a) {
        if (!Ocupado(a.valor)) alternativas_.push_back(std::move(a));
    }

    // The near misses' band around the answer: after every answer above, which keep their own
    // feedback within it, so it is added whatever they hold.
    void AgregarBanda(Alternativa a) { alternativas_.push_back(std::move(a)); }

    // A direction as a student types it, within a turn, and the same across the wrap where its
    // tolerance reaches 0° or 360°. A mistake whose value within the turn another answer holds is
    // left out with its copy: a copy alone would answer only what nobody types.
    void AgregarDireccion(int porcentaje, double grados, const std::string& comentario,
                          std::optional<Codigo> error, double tolerancia = kToleranciaGrados,
                          bool banda = false) {
        Alternativa a = Escrita(porcentaje, EnUnaVuelta(grados), tolerancia, comentario, error);
        if (!banda && Ocupado(a.valor)) return;
        const double otra = a.valor - a.tolerancia < 0     ? a.valor + 360
                            : a.valor + a.tolerancia > 360 ? a.valor - 360
                                                           : a.valor;
        alternativas_.push_back(a);
        if (otra == a.valor) return;
        Alternativa b = Escrita(porcentaje, otra, tolerancia, comentario, error);
        banda ? AgregarBanda(std::move(b)) : Agregar(std::move(b));
    }

    void AgregarResto(std::string comentario) {
        alternativas_.push_back({0, "*", 0, 0, std::move(comentario), std::nullopt});
    }

    const std::vector<Alternativa>& alternativas() const { return alternativas_; }

    // The mistakes it names, each once, in the order of Codigo.
    std::vector<Codigo> Errores() const {
        std::vector<Codigo> errores;
        for (const Codigo c : kErrores)
            if (std::any_of(alternativas_.begin(), alternativas_.end(),
                            [c](const Alternativa& a) { return a.error == c; }))
                errores.push_back(c);
        return errores;
    }

    // Cloze's numerical blank: {1:NUMERICAL:%100%61.44:3.07#feedback~…~%0%*#hint}.
    std::string Hueco() const {
        std::string s = "{1:NUMERICAL:";
        for (std::size_t i = 0; i < alternativas_.size(); ++i) {
            const Alternativa& a = alternativas_[i];
            if (i > 0) s += '~';
            s += '%' + std::to_string(a.porcentaje) + '%' + a.texto;
            if (a.texto != "*") s += ':' + NumeroDelIntento(a.tolerancia);
            s += '#' + Comentario(a.comentario);
        }
        return s + '}';
    }

    // A numerical question's answers, its feedback as HTML.
    std::string Respuestas() const {
        std::string s;
        for (const Alternativa& a : alternativas_)
            s += "<answer fraction=\"" + std::to_string(a.porcentaje) + "\"><text>" + a.texto +
                 "</text><feedback format=\"html\"><text>" +
                 Cdata(canvas::EscaparXml(a.comentario)) + "</text></feedback><tolerance>" +
                 (a.texto == "*" ? std::string("0") : NumeroDelIntento(a.tolerancia)) +
                 "</tolerance></answer>\n";
        return s;
    }

private:
    bool Ocupado(double valor) const {
        return std::any_of(alternativas_.begin(), alternativas_.end(),
                           [valor](const Alternativa& a) { return Contiene(a, valor); });
    }

    std::vector<Alternativa> alternativas_;
};

// The language of the bank: its texts and its decimal separator.
class Idioma {
public:
    explicit Idioma(diagram::Traductor t) : t_(t) {
        const std::string s = t(kContexto, kSeparadorDecimal);
        separador_ = s == "." ? '.' : ',';
    }

    std::string operator()(const char* texto) const { return t_(kContexto, texto); }
    std::string operator()(std::string_view texto) const {
        return t_(kContexto, std::string(texto).c_str());
    }
    diagram::Traductor traductor() const { return t_; }

    // A number of the program's, which keeps the point, with the language's separator.
    std::string Numero(std::string numero) const {
        std::replace(numero.begin(), numero.end(), '.', separador_);
        return numero;
    }

private:
    diagram::Traductor t_;
    char separador_;
};

std::string Svg(Ventana ventana, const Ejercicio& vectores, Trazado trazado) {
    canvas::Picture Picture1(kAnchoDePicture1, kAltoDePicture1);
    const diagram::Resultado dibujo =
        Dibujar(ventana, vectores, Picture1, trazado, diagram::Escalado::Fija);
    // The solution of an exercise that asks for the equilibrant shows it as practice does.
    if (vectores.pregunta == Pregunta::Equilibrante) DibujarEquilibrante(Picture1, dibujo);
    return canvas::SvgCompacto(Picture1, kEscalaDeImagen);
}

// alt: its description, as HTML.
std::string Imagen(const std::string& nombre, const std::string& alt) {
    return std::string("<p><img src=\"@@PLUGINFILE@@/") + nombre + "\" width=\"" +
           std::to_string(kAnchoDeImagen) + "\" height=\"" + std::to_string(kAltoDeImagen) +
           "\" alt=\"" + alt + "\"></p>";
}

std::string Archivo(const std::string& nombre, std::string_view contenido) {
    return std::string("<file name=\"") + nombre + "\" path=\"/\" encoding=\"base64\">" +
           Base64(contenido) + "</file>";
}

// What one exercise asks: its two values' answers, its texts and its pictures.
struct Ejercicio1 {
    Valor r;
    Valor alfa;
    std::string enunciado;     // HTML, before the values
    std::string general;       // HTML: the solution
    std::string construccion;  // the first hint
    std::string imagen;        // the vectors' picture, SVG
    std::string solucion;      // the construction's picture, SVG
    std::string nombreDeImagen;
    std::string nombreDeSolucion;
};

// The second hint: the mistakes these values' answers name, or how to measure where there is none.
std::string SegundaPista(const Idioma& trad, const std::vector<Codigo>& errores, Ventana ventana) {
    if (errores.empty()) return trad(Pista(Codigo::Casi, ventana));
    std::string lista;
    for (const Codigo c : errores) lista += (lista.empty() ? "" : ", ") + trad(NombreCorto(c));
    return Sustituir(trad(QT_TRANSLATE_NOOP(
                         "Trazalia", "Compruebe que no cometió alguno de estos errores: %1.")),
                     {lista});
}

// What an exercise that asks for the equilibrant adds to the method's instruction.
constexpr const char* kPideLaEquilibrante = QT_TRANSLATE_NOOP(
    "Trazalia",
    "Dé después la equilibrante E = −R, el vector que anula la suma: su módulo y su dirección.");

Ejercicio1 Componer(const EjercicioDeHoja& e, int n, const Idioma& trad, bool prosaDeCloze) {
    // The mistakes are computed from the window's answer, the values asked for are the question's.
    const Respuesta deLaVentana = RespuestaDe(e.ventana, e.vectores);
    const Respuesta respuesta = RespuestaALaPregunta(deLaVentana, e.vectores.pregunta);
    const bool equilibrante = e.vectores.pregunta == Pregunta::Equilibrante;
    const auto html = [prosaDeCloze](std::string_view texto) {
        return prosaDeCloze ? Prosa(texto) : canvas::EscaparXml(texto);
    };
    Ejercicio1 x;
    const std::string acierto = trad(Frase(Codigo::Acierto, e.vectores.pregunta));
    x.r.Agregar(
        Escrita(100, *canvas::LeerReal(respuesta.lecturaR), Tolerancia(respuesta.r), acierto));
    x.alfa.AgregarDireccion(100, *canvas::LeerReal(respuesta.lecturaDireccion), acierto,
                            std::nullopt);
    for (const Codigo codigo : kErrores)
        for (const Objetivo& o : Objetivos(codigo, e.ventana, e.vectores, deLaVentana)) {
            if (o.r) x.r.Agregar(Escrita(0, *o.r, Tolerancia(*o.r), trad(Frase(codigo)), codigo));
            if (o.direccion) x.alfa.AgregarDireccion(0, *o.direccion, trad(Frase(codigo)), codigo);
        }
    const std::string medir = trad(Pista(Codigo::Casi, e.ventana));
    x.r.AgregarBanda(Escrita(
        0, *canvas::LeerReal(respuesta.lecturaR), kBandaDeCasi * Tolerancia(respuesta.r),
        trad(QT_TRANSLATE_NOOP(
            "Trazalia", "Casi: su módulo está cerca del correcto, pero fuera de la tolerancia.")) +
            ' ' + medir));
    x.alfa.AgregarDireccion(
        0, *canvas::LeerReal(respuesta.lecturaDireccion),
        trad(QT_TRANSLATE_NOOP("Trazalia",
                               "Casi: su dirección está cerca de la correcta, pero fuera de la "
                               "tolerancia.")) +
            ' ' + medir,
        std::nullopt, kBandaDeCasi * kToleranciaGrados, true);
    x.construccion = trad(Pista(Codigo::Otro, e.ventana));
    x.r.AgregarResto(x.construccion);
    x.alfa.AgregarResto(x.construccion);

    const std::string numero = std::to_string(n);
    x.nombreDeImagen = "ejercicio-" + numero + ".svg";
    x.nombreDeSolucion = "solucion-" + numero + ".svg";
    const char* instruccion = e.ventana->instruccionDeBanco();
    // Moodle refuses a response with a unit, or with the language pack's thousands separator
    // (qtype_numerical_question::is_complete_response): the student is told what to type.
    const std::string escriba = Sustituir(
        trad(QT_TRANSLATE_NOOP(
            "Trazalia", "Escriba solo el número, sin «°», con coma decimal; por ejemplo: %1.")),
        {trad.Numero("12.5")});
    x.enunciado =
        "<p>" + html(Enunciado(e.ventana, e.vectores, trad.traductor())) + "</p><p>" +
        html(trad(instruccion)) + "</p>" +
        (equilibrante ? "<p>" + html(trad(kPideLaEquilibrante)) + "</p>" : std::string()) +
        Imagen(x.nombreDeImagen,
               html(trad(QT_TRANSLATE_NOOP("Trazalia",
                                           "Los vectores dados, dibujados desde el origen a la "
                                           "misma escala en ambos ejes.")))) +
        "<p>" + html(escriba) + "</p>";
    x.general =
        "<p>" +
        canvas::EscaparXml(
            Sustituir(trad(QT_TRANSLATE_NOOP("Trazalia", "Solución: r = %1; α = %2°.")),
                      {trad.Numero(respuesta.lecturaR), trad.Numero(respuesta.lecturaDireccion)})) +
        "</p>" +
        Imagen(
            x.nombreDeSolucion,
            canvas::EscaparXml(trad(
                equilibrante
                    ? QT_TRANSLATE_NOOP("Trazalia",
                                        "La construcción de la resultante; la equilibrante es su "
                                        "opuesta.")
                    : QT_TRANSLATE_NOOP("Trazalia", "La construcción de la resultante."))));
    x.imagen = Svg(e.ventana, e.vectores, Trazado::Vectores);
    x.solucion = Svg(e.ventana, e.vectores, Trazado::Construccion);
    return x;
}

constexpr const char* kModulo = QT_TRANSLATE_NOOP("Trazalia", "Módulo de R:");
constexpr const char* kDireccion =
    QT_TRANSLATE_NOOP("Trazalia", "Dirección de R, en grados desde el semieje x positivo:");

// The blanks' labels for what the exercise asks: R, Form4's c, or the equilibrant E.
const char* ModuloPedido(const EjercicioDeHoja& e) {
    return e.vectores.pregunta == Pregunta::Equilibrante
               ? QT_TRANSLATE_NOOP("Trazalia", "Módulo de E:")
           : e.ventana->letraDeResultante() == "c" ? QT_TRANSLATE_NOOP("Trazalia", "Módulo de c:")
                                                   : kModulo;
}
const char* DireccionPedida(const EjercicioDeHoja& e) {
    return e.vectores.pregunta == Pregunta::Equilibrante
               ? QT_TRANSLATE_NOOP("Trazalia",
                                   "Dirección de E, en grados desde el semieje x positivo:")
           : e.ventana->letraDeResultante() == "c"
               ? QT_TRANSLATE_NOOP("Trazalia",
                                   "Dirección de c, en grados desde el semieje x positivo:")
               : kDireccion;
}

std::string Pistas(const std::string& primera, const std::string& segunda, bool partes) {
    // In a Cloze question, each try after the first also says how many blanks are right.
    const std::string cuenta = partes ? "<shownumcorrect/>" : "";
    return "<hint format=\"html\"><text>" + Cdata(canvas::EscaparXml(primera)) + "</text>" +
           cuenta + "</hint>\n<hint format=\"html\"><text>" + Cdata(canvas::EscaparXml(segunda)) +
           "</text>" + cuenta + "</hint>\n";
}

std::string Pregunta(const char* tipo, const std::string& nombre, const std::string& texto,
                     const Ejercicio1& x, const std::string& resto) {
    return std::string("<question type=\"") + tipo + "\">\n<name><text>" + Cdata(nombre) +
           "</text></name>\n<questiontext format=\"html\"><text>" + Cdata(texto) + "</text>" +
           Archivo(x.nombreDeImagen, x.imagen) +
           "</questiontext>\n<generalfeedback format=\"html\"><text>" + Cdata(x.general) +
           "</text>" + Archivo(x.nombreDeSolucion, x.solucion) +
           "</generalfeedback>\n<defaultgrade>1</defaultgrade>\n<penalty>0.3333333</penalty>\n"
           "<hidden>0</hidden>\n" +
           resto + "</question>\n";
}

std::string Cloze(const EjercicioDeHoja& e, const std::string& nombre, const Ejercicio1& x,
                  const Idioma& trad) {
    std::vector<Codigo> errores = x.r.Errores();
    for (const Codigo c : x.alfa.Errores())
        if (std::find(errores.begin(), errores.end(), c) == errores.end()) errores.push_back(c);
    std::sort(errores.begin(), errores.end());
    const std::string texto = x.enunciado + "<p>" + Prosa(trad(ModuloPedido(e))) + ' ' +
                              x.r.Hueco() + "</p><p>" + Prosa(trad(DireccionPedida(e))) + ' ' +
                              x.alfa.Hueco() + " °</p>";
    return Pregunta("cloze", nombre, texto, x,
                    Pistas(x.construccion, SegundaPista(trad, errores, e.ventana), true));
}

std::string Numerica(const EjercicioDeHoja& e, const std::string& nombre, const Ejercicio1& x,
                     const Valor& valor, const char* rotulo, const Idioma& trad) {
    const std::string texto = x.enunciado + "<p>" + canvas::EscaparXml(trad(rotulo)) + "</p>";
    // No units: a response with one is refused, and the number alone graded.
    return Pregunta(
        "numerical", nombre, texto, x,
        valor.Respuestas() +
            "<unitgradingtype>0</unitgradingtype>\n<unitpenalty>0.1</unitpenalty>\n"
            "<showunits>3</showunits>\n<unitsleft>0</unitsleft>\n" +
            Pistas(x.construccion, SegundaPista(trad, valor.Errores(), e.ventana), false));
}

}  // namespace

std::string_view Nombre(FormatoDeMoodle formato) {
    return formato == FormatoDeMoodle::Cloze ? "cloze" : "numerico";
}

std::optional<FormatoDeMoodle> FormatoDeNombre(std::string_view nombre) {
    if (nombre == "cloze") return FormatoDeMoodle::Cloze;
    if (nombre == "numerico" || nombre == "numérico") return FormatoDeMoodle::Numerico;
    return std::nullopt;
}

std::string NombreDeParte(std::string_view ruta, std::size_t parte, std::size_t partes) {
    if (partes <= 1) return std::string(ruta);
    const std::size_t barra = ruta.rfind('/');
    const std::size_t punto = ruta.rfind('.');
    const std::size_t antes = punto == std::string_view::npos ||
                                      (barra != std::string_view::npos && punto < barra) ||
                                      punto == (barra == std::string_view::npos ? 0 : barra + 1)
                                  ? ruta.size()
                                  : punto;
    return std::string(ruta.substr(0, antes)) + '-' + std::to_string(parte) +
           std::string(ruta.substr(antes));
}

std::vector<std::string> BancoDeMoodle(const OpcionesDeHoja& opciones, FormatoDeMoodle formato,
                                       diagram::Traductor t, std::size_t limite) {
    if (opciones.ejercicios < 1 || opciones.ejercicios > OpcionesDeHoja::kMaximoDeEjercicios)
        throw std::invalid_argument("número de ejercicios fuera de rango");
    const Idioma trad(t);
    // An empty title would name a category with nothing, and every question with a number.
    const std::string dado = Titulo(opciones.titulo.value_or(""));
    const std::string titulo = dado.empty() ? Titulo(trad(kTituloDeHoja)) : dado;

    // format.php's create_category_path skips a category named "top" below the top one, and
    // the questions would land in Trazalia's.
    std::string categoria = "$course$/top/Trazalia/";
    if (!dado.empty()) {
        const std::string nombre = Acortado(dado, kLargoDeNombre);
        categoria += EnLaRuta(nombre == "top" ? "Top" : nombre);
    } else {
        categoria += EnLaRuta(Titulo(trad(opciones.metodo ? opciones.metodo->clave() : kAmbos))) +
                     '/' +
                     EnLaRuta(Titulo(trad(kPalabrasDeNivel[static_cast<std::size_t>(opciones.nivel)])));
    }
    const std::string cabecera =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n<question type=\"category\">"
        "<category><text>" +
        Cdata(categoria) + "</text></category></question>\n";
    const std::string pie = "</quiz>\n";

    // Every name within Moodle's length whole: the title shortened alike in all of them, so that
    // the exercise's number and the seed, which tell them apart, stay.
    const std::vector<const char*> plantillas =
        formato == FormatoDeMoodle::Cloze
            ? std::vector<const char*>{QT_TRANSLATE_NOOP("Trazalia", "%1 %2 (semilla %3)")}
            : std::vector<const char*>{QT_TRANSLATE_NOOP("Trazalia", "%1 %2: r (semilla %3)"),
                                       QT_TRANSLATE_NOOP("Trazalia", "%1 %2: α (semilla %3)")};
    const std::string semilla = std::to_string(opciones.semilla);
    std::size_t resto = 0;
    for (const char* p : plantillas)
        resto = std::max(resto, Caracteres(Sustituir(
                                    trad(p), {"", std::to_string(opciones.ejercicios), semilla})));
    const std::string enElNombre =
        Acortado(titulo, resto < kLargoDeNombre ? kLargoDeNombre - resto : 1);
    const auto nombre = [&](std::size_t plantilla, int n) {
        return Titulo(
            Sustituir(trad(plantillas[plantilla]), {enElNombre, std::to_string(n), semilla}));
    };

    std::vector<EjercicioDeHoja> ejercicios =
        EjerciciosDeHoja(opciones.semilla, opciones.nivel, opciones.metodo, opciones.ejercicios);
    for (EjercicioDeHoja& e : ejercicios) e.vectores.pregunta = opciones.pregunta;
    std::vector<std::string> archivos;
    std::string archivo = cabecera;
    bool vacio = true;
    for (std::size_t i = 0; i < ejercicios.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const EjercicioDeHoja& e = ejercicios[i];
        const Ejercicio1 x = Componer(e, n, trad, formato == FormatoDeMoodle::Cloze);
        const std::string preguntas =
            formato == FormatoDeMoodle::Cloze
                ? Cloze(e, nombre(0, n), x, trad)
                : Numerica(e, nombre(0, n), x, x.r, ModuloPedido(e), trad) +
                      Numerica(e, nombre(1, n), x, x.alfa, DireccionPedida(e), trad);
        if (!vacio && archivo.size() + preguntas.size() + pie.size() > limite) {
            archivos.push_back(archivo + pie);
            archivo = cabecera;
        }
        archivo += preguntas;
        vacio = false;
    }
    archivos.push_back(archivo + pie);
    return archivos;
}

}  // namespace trazalia::practice
