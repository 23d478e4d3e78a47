// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/moodle.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "canvas/numeros.h"
#include "canvas/picture.h"
#include "canvas/svg.h"
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

constexpr char kCategoria[] = "$course$/top/Trazalia/";

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

// A title on one line, as XML takes it: a control character becomes a space, and a byte that is
// no UTF-8 the replacement character, so that a title given on the command line never makes the
// file unreadable.
std::string EnUnaLinea(std::string_view texto) {
    std::string s;
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t n = Secuencia(texto.substr(i));
        if (n == 0) {
            s += "\xEF\xBF\xBD";
            ++i;
        } else if (n == 1) {
            const auto c = static_cast<unsigned char>(texto[i++]);
            s += c < 0x20 || c == 0x7f ? ' ' : static_cast<char>(c);
        } else {
            s += texto.substr(i, n);
            i += n;
        }
    }
    return s;
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

// HTML in a CDATA section. Every text in it is escaped, its ">" too, so no "]]>" ends it early.
std::string Cdata(std::string_view html) {
    return std::string("<![CDATA[") + std::string(html) + "]]>";
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

// One answer of a blank, as written and as Moodle reads it back.
struct Alternativa {
    int porcentaje = 0;
    std::string texto;  // the number as written
    double valor = 0;
    double tolerancia = 0;
    std::string comentario;  // plain text
    double exacto = 0;       // the value before it was written
};

// A number as the blank writes it: at most two decimals, as a guess is shown.
Alternativa Escrita(int porcentaje, double valor, double tolerancia, std::string comentario) {
    Alternativa a{porcentaje, NumeroDelIntento(valor), 0, 0, std::move(comentario), valor};
    a.valor = *canvas::LeerReal(a.texto);
    a.tolerancia = *canvas::LeerReal(NumeroDelIntento(tolerancia));
    return a;
}

// A direction in [0, 360) as written.
double EnUnaVuelta(double grados) {
    double d = std::fmod(grados, 360.0);
    if (d < 0) d += 360;
    return *canvas::LeerReal(NumeroDelIntento(d)) >= 360 ? 0 : d;
}

// The answers of one blank in Moodle's order: the first that holds a response grades it.
class Hueco {
public:
    // A value an earlier answer already holds is left out: Moodle would give that answer for it.
    // The value as computed, not as written, is the one a student who made the mistake gives.
    void Agregar(Alternativa a) {
        for (const Alternativa& antes : alternativas_)
            if (std::abs(a.exacto - antes.valor) <= antes.tolerancia) return;
        alternativas_.push_back(std::move(a));
    }

    // The near misses' band around the answer: after every answer above, which keep their own
    // feedback within it, so it is added whatever they hold.
    void AgregarBanda(Alternativa a) { alternativas_.push_back(std::move(a)); }

    // A direction, and the same across the wrap where its tolerance reaches 0° or 360°.
    void AgregarDireccion(int porcentaje, double grados, const std::string& comentario,
                          double tolerancia = kToleranciaGrados, bool banda = false) {
        Alternativa a = Escrita(porcentaje, EnUnaVuelta(grados), tolerancia, comentario);
        const double otra = a.valor - a.tolerancia < 0     ? a.exacto + 360
                            : a.valor + a.tolerancia > 360 ? a.exacto - 360
                                                           : a.exacto;
        const auto agregar = [&](Alternativa b) {
            banda ? AgregarBanda(std::move(b)) : Agregar(std::move(b));
        };
        agregar(a);
        if (otra != a.exacto) agregar(Escrita(porcentaje, otra, tolerancia, comentario));
    }

    std::string Texto(const std::string& pista) const {
        std::string s = "{1:NUMERICAL:";
        for (const Alternativa& a : alternativas_)
            s += '%' + std::to_string(a.porcentaje) + '%' + a.texto + ':' +
                 NumeroDelIntento(a.tolerancia) + '#' + Comentario(a.comentario) + '~';
        return s + "%0%*#" + Comentario(pista) + '}';
    }

private:
    std::vector<Alternativa> alternativas_;
};

std::string Svg(Ventana ventana, const Ejercicio& vectores, Trazado trazado) {
    canvas::Picture Picture1(kAnchoDePicture1, kAltoDePicture1);
    Dibujar(ventana, vectores, Picture1, trazado, diagram::Escalado::Fija);
    return canvas::Svg(Picture1, kEscalaDeImagen);
}

std::string Imagen(const std::string& nombre, const std::string& alt) {
    return std::string("<p><img src=\"@@PLUGINFILE@@/") + nombre + "\" width=\"" +
           std::to_string(kAnchoDeImagen) + "\" height=\"" + std::to_string(kAltoDeImagen) +
           "\" alt=\"" + Prosa(alt) + "\"></p>";
}

std::string Archivo(const std::string& nombre, std::string_view contenido) {
    return std::string("<file name=\"") + nombre + "\" path=\"/\" encoding=\"base64\">" +
           Base64(contenido) + "</file>";
}

std::string Pregunta(const EjercicioDeHoja& e, const std::string& nombre, int n,
                     diagram::Traductor t) {
    const auto tr = [&t](const char* texto) { return t(kContexto, texto); };
    const auto frase = [&tr](std::string_view texto) { return tr(std::string(texto).c_str()); };
    const Respuesta respuesta = RespuestaDe(e.ventana, e.vectores);

    Hueco r;
    r.Agregar(Escrita(100, *canvas::LeerReal(respuesta.lecturaR), Tolerancia(respuesta.r),
                      frase(Frase(Codigo::Acierto))));
    Hueco alfa;
    alfa.AgregarDireccion(100, *canvas::LeerReal(respuesta.lecturaDireccion),
                          frase(Frase(Codigo::Acierto)));
    for (const Codigo codigo : kErrores)
        for (const Objetivo& o : Objetivos(codigo, e.ventana, e.vectores, respuesta)) {
            if (o.r) r.Agregar(Escrita(0, *o.r, Tolerancia(*o.r), frase(Frase(codigo))));
            if (o.direccion) alfa.AgregarDireccion(0, *o.direccion, frase(Frase(codigo)));
        }
    const std::string medir = frase(Pista(Codigo::Casi, e.ventana));
    r.AgregarBanda(Escrita(
        0, *canvas::LeerReal(respuesta.lecturaR), kBandaDeCasi * Tolerancia(respuesta.r),
        tr(QT_TRANSLATE_NOOP(
            "Trazalia", "Casi: su módulo está cerca del correcto, pero fuera de la tolerancia.")) +
            ' ' + medir));
    alfa.AgregarDireccion(
        0, *canvas::LeerReal(respuesta.lecturaDireccion),
        tr(QT_TRANSLATE_NOOP("Trazalia",
                             "Casi: su dirección está cerca de la correcta, pero fuera de la "
                             "tolerancia.")) +
            ' ' + medir,
        kBandaDeCasi * kToleranciaGrados, true);
    const std::string pista = frase(Pista(Codigo::Otro, e.ventana));

    const std::string numero = std::to_string(n);
    const std::string ejercicio = std::string("ejercicio-") + numero + ".svg";
    const std::string solucion = std::string("solucion-") + numero + ".svg";
    const char* instruccion =
        e.ventana == Ventana::Form2
            ? QT_TRANSLATE_NOOP("Trazalia",
                                "Halle la resultante R = A + B por el método del paralelogramo.")
            : QT_TRANSLATE_NOOP("Trazalia",
                                "Halle la resultante R = A + B + C por el método del polígono.");
    const std::string texto =
        std::string("<p>") + Prosa(Enunciado(e.vectores, t)) + "</p><p>" + Prosa(tr(instruccion)) +
        "</p>" +
        Imagen(ejercicio, tr(QT_TRANSLATE_NOOP("Trazalia",
                                               "Los vectores dados, dibujados desde el origen a "
                                               "la misma escala en ambos ejes."))) +
        "<p>" + Prosa(tr(QT_TRANSLATE_NOOP("Trazalia", "Módulo de R:"))) + ' ' + r.Texto(pista) +
        "</p><p>" +
        Prosa(tr(QT_TRANSLATE_NOOP("Trazalia",
                                   "Dirección de R, en grados desde el semieje x positivo:"))) +
        ' ' + alfa.Texto(pista) + " °</p>";
    const std::string general =
        "<p>" +
        canvas::EscaparXml(
            Sustituir(tr(QT_TRANSLATE_NOOP("Trazalia", "Solución: r = %1, α = %2°.")),
                      {respuesta.lecturaR, respuesta.lecturaDireccion})) +
        "</p>" +
        Imagen(solucion, tr(QT_TRANSLATE_NOOP("Trazalia", "La construcción de la resultante.")));

    return std::string("  <question type=\"cloze\">\n    <name><text>") +
           canvas::EscaparXml(nombre) +
           "</text></name>\n    <questiontext format=\"html\">\n      <text>" + Cdata(texto) +
           "</text>\n      " + Archivo(ejercicio, Svg(e.ventana, e.vectores, Trazado::Vectores)) +
           "\n    </questiontext>\n    <generalfeedback format=\"html\">\n      <text>" +
           Cdata(general) + "</text>\n      " +
           Archivo(solucion, Svg(e.ventana, e.vectores, Trazado::Construccion)) +
           "\n    </generalfeedback>\n    <penalty>0.3333333</penalty>\n    "
           "<hidden>0</hidden>\n  </question>\n";
}

// A category's name in Moodle's path, where "/" separates categories and "//" is a slash.
std::string EnLaRuta(std::string_view nombre) {
    std::string s;
    for (const char c : nombre) s += c == '/' ? std::string("//") : std::string(1, c);
    return s;
}

}  // namespace

std::string BancoDeMoodle(const OpcionesDeHoja& opciones, diagram::Traductor t) {
    if (opciones.ejercicios < 1 || opciones.ejercicios > OpcionesDeHoja::kMaximoDeEjercicios)
        throw std::invalid_argument("número de ejercicios fuera de rango");
    const std::string titulo = EnUnaLinea(opciones.titulo.value_or(t(kContexto, kTituloDeHoja)));
    const std::string categoria =
        kCategoria + (opciones.titulo ? EnLaRuta(titulo)
                                      : std::string(Nombre(opciones.metodo)) + '/' +
                                            std::string(Nombre(opciones.nivel)));
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n"
        "  <question type=\"category\">\n    <category><text>" +
        canvas::EscaparXml(categoria) + "</text></category>\n  </question>\n";
    const std::vector<EjercicioDeHoja> ejercicios =
        EjerciciosDeHoja(opciones.semilla, opciones.nivel, opciones.metodo, opciones.ejercicios);
    const std::string plantilla = t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "%1 %2 (semilla %3)"));
    for (std::size_t i = 0; i < ejercicios.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        xml += Pregunta(
            ejercicios[i],
            Sustituir(plantilla, {titulo, std::to_string(n), std::to_string(opciones.semilla)}), n,
            t);
    }
    return xml + "</quiz>\n";
}

}  // namespace trazalia::practice
