// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/svg.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>

#include "canvas/numeros.h"

namespace trazalia::canvas {
namespace {

// Every number of the document: the shortest text of the single-precision value the operations
// carry, so that a coordinate reads back as the display list holds it.
std::string N(double valor) { return Corto(static_cast<float>(valor)); }

// A point the document computes (on an arc) to a hundredth of a twip, far below a device pixel,
// without the noise of the sine and the cosine; never "-0".
std::string Calculado(double valor) { return N(std::round(valor * 100) / 100 + 0.0); }

std::string Hex(Color c) {
    static constexpr char kDigitos[] = "0123456789abcdef";
    std::string s = "#";
    for (const std::uint8_t v : {c.r, c.g, c.b}) {
        s += kDigitos[v >> 4];
        s += kDigitos[v & 15];
    }
    return s;
}

// A text's size in twips: a point is 1/72 inch, a twip 1/1440.
constexpr double kTwipsPorPunto = 20;
// The picture's own text, as the replay's print font.
constexpr double kPuntosDelTexto = 8;

class Escritor {
public:
    Escritor(std::string& out, Color fore) : out_(out), fore_(fore) {}

    void operator()(const LineOp& op) const {
        Linea(op.from, op.to, op.color.value_or(fore_), std::max(op.width, 1) * kTwipsPerPixel,
              op.dashed);
    }

    void operator()(const StrokeOp& op) const { Linea(op.from, op.to, op.color, op.width, false); }

    void operator()(const CircleOp& op) const {
        const double start = std::abs(static_cast<double>(op.start));
        const double end = std::abs(static_cast<double>(op.end));
        Arco(op.centre, op.radius, op.color, std::max(op.width, 1) * kTwipsPerPixel, start,
             start > end ? end - start + 2 * std::numbers::pi : end - start, op.start < 0,
             op.end < 0);
    }

    void operator()(const ArcOp& op) const {
        const double span = static_cast<double>(op.end) - op.start;
        Arco(op.centre, op.radius, op.color, op.width, op.start,
             span < 0 ? span + 2 * std::numbers::pi : span, false, false);
    }

    void operator()(const PrintOp& op) const {
        Texto(op.at, Anchor::Nw, fore_, kPuntosDelTexto, false, op.text);
    }

    void operator()(const TextOp& op) const {
        Texto(op.at, op.anchor, op.color, kPuntosDelTexto, false, op.text);
    }

    void operator()(const LabelOp& op) const {
        Texto(op.at, op.anchor, op.color, op.style.points, op.style.bold, op.text);
    }

private:
    // width in twips; a width of 0 is the thinnest line the device draws, as Qt's.
    void Trazo(Color color, double width) const {
        out_ += std::string(" fill=\"none\" stroke=\"") + Hex(color) + '"';
        if (width > 0)
            out_ += std::string(" stroke-width=\"") + N(width) + '"';
        else
            out_ += " stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"";
    }

    void Linea(Point a, Point b, Color color, double width, bool dashed) const {
        if (!dashed && a == b) {
            // A segment without length shows its round caps: a dot.
            out_ += std::string("<circle cx=\"") + N(a.x) + "\" cy=\"" + N(a.y) + "\" r=\"" +
                    N(width / 2) + "\" fill=\"" + Hex(color) + "\"/>\n";
            return;
        }
        out_ += std::string("<line x1=\"") + N(a.x) + "\" y1=\"" + N(a.y) + "\" x2=\"" + N(b.x) +
                "\" y2=\"" + N(b.y) + '"';
        Trazo(color, width);
        // Qt's dash pattern: four line widths drawn, two left, with flat caps.
        if (dashed)
            out_ += std::string(" stroke-dasharray=\"") + N(4 * width) + ' ' + N(2 * width) + '"';
        else
            out_ += " stroke-linecap=\"round\"";
        out_ += "/>\n";
    }

    // From start, span counter-clockwise on screen (radians), with a radius from the centre to
    // either end. Two half arcs, so that a whole turn is drawn too.
    void Arco(Point c, float radius, Color color, double width, double start, double span,
              bool fromCentre, bool toCentre) const {
        const auto punto = [&](double a) {
            return Calculado(c.x + radius * std::cos(a)) + ' ' +
                   Calculado(c.y - radius * std::sin(a));
        };
        const std::string r = N(radius);
        std::string d = fromCentre ? std::string("M") + N(c.x) + ' ' + N(c.y) + " L" : "M";
        d += punto(start);
        for (const double a : {start + span / 2, start + span})
            d += std::string(" A") + r + ' ' + r + " 0 0 0 " + punto(a);
        if (toCentre) d += std::string(" L") + N(c.x) + ' ' + N(c.y);
        out_ += std::string("<path d=\"") + d + '"';
        Trazo(color, width);
        out_ += " stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
    }

    void Texto(Point at, Anchor anchor, Color color, double points, bool bold,
               std::string_view text) const {
        // Columns and rows of the compass, as the replay's alignment flags.
        static constexpr std::array<const char*, 3> kHorizontal{"start", "middle", "end"};
        static constexpr std::array<const char*, 3> kVertical{"text-before-edge", "central",
                                                              "text-after-edge"};
        const auto i = static_cast<std::size_t>(anchor);
        out_ += std::string("<text x=\"") + N(at.x) + "\" y=\"" + N(at.y) + "\" font-size=\"" +
                N(points * kTwipsPorPunto) + "\" fill=\"" + Hex(color) + '"';
        if (i % 3 != 0) out_ += std::string(" text-anchor=\"") + kHorizontal[i % 3] + '"';
        out_ += std::string(" dominant-baseline=\"") + kVertical[i / 3] + '"';
        if (bold) out_ += " font-weight=\"bold\"";
        out_ += '>' + EscaparXml(text) + "</text>\n";
    }

    std::string& out_;
    Color fore_;
};

// "#000" where each byte's two digits are alike.
std::string Color3(Color c) {
    const std::string h = Hex(c);
    if (h[1] == h[2] && h[3] == h[4] && h[5] == h[6]) return std::string{'#', h[1], h[3], h[5]};
    return h;
}

// The compact form's writer: strokes of one style gather in one path, texts of one style in one
// group, in the order they are drawn, so that what overlaps still overlaps the same way. What
// most strokes share (no fill, round caps and joins, the commonest width) the document's root
// gives them all, and texts and dots their fill.
class Compacto {
public:
    Compacto(std::string& out, Color fore, double ancho) : out_(out), fore_(fore), ancho_(ancho) {}
    ~Compacto() { Cerrar(); }
    Compacto(const Compacto&) = delete;
    Compacto& operator=(const Compacto&) = delete;

    void operator()(const LineOp& op) {
        Segmento(op.from, op.to,
                 {op.color.value_or(fore_), std::max(op.width, 1) * kTwipsPerPixel, op.dashed});
    }

    void operator()(const StrokeOp& op) { Segmento(op.from, op.to, {op.color, op.width, false}); }

    void operator()(const CircleOp& op) {
        const double start = std::abs(static_cast<double>(op.start));
        const double end = std::abs(static_cast<double>(op.end));
        Arco(op.centre, op.radius, {op.color, std::max(op.width, 1) * kTwipsPerPixel, false}, start,
             start > end ? end - start + 2 * std::numbers::pi : end - start, op.start < 0,
             op.end < 0);
    }

    void operator()(const ArcOp& op) {
        const double span = static_cast<double>(op.end) - op.start;
        Arco(op.centre, op.radius, {op.color, op.width, false}, op.start,
             span < 0 ? span + 2 * std::numbers::pi : span, false, false);
    }

    void operator()(const PrintOp& op) {
        Texto(op.at, {kPuntosDelTexto, fore_, Anchor::Nw, false}, op.text);
    }

    void operator()(const TextOp& op) {
        Texto(op.at, {kPuntosDelTexto, op.color, op.anchor, false}, op.text);
    }

    void operator()(const LabelOp& op) {
        Texto(op.at, {op.style.points, op.color, op.anchor, op.style.bold}, op.text);
    }

    // Ends the open path or group.
    void Cerrar() {
        CerrarTrazo();
        CerrarGrupo();
    }

private:
    struct Trazo {
        Color color;
        double ancho;  // twips; 0 is the device's thinnest line
        bool discontinuo;
        friend bool operator==(const Trazo&, const Trazo&) = default;
    };
    struct Letra {
        double puntos;
        Color color;
        Anchor anchor;
        bool negrita;
        friend bool operator==(const Letra&, const Letra&) = default;
    };

    static long Twips(double v) { return std::lround(v); }

    // A number of the path, with the separator it needs: none after a letter or before a minus.
    void Numero(long n) {
        const std::string s = std::to_string(n);
        if (!d_.empty() && d_.back() >= '0' && d_.back() <= '9' && s[0] != '-') d_ += ' ';
        d_ += s;
    }

    void Mover(long x, long y) {
        if (d_.empty()) {
            d_ = 'M';
            Numero(x);
            Numero(y);
        } else {
            d_ += 'm';
            Numero(x - x_);
            Numero(y - y_);
        }
        x_ = x;
        y_ = y;
    }

    void Hasta(long x, long y) {
        if (y == y_) {
            d_ += 'h';
            Numero(x - x_);
        } else if (x == x_) {
            d_ += 'v';
            Numero(y - y_);
        } else {
            d_ += 'l';
            Numero(x - x_);
            Numero(y - y_);
        }
        x_ = x;
        y_ = y;
    }

    void Estilo(const Trazo& trazo) {
        CerrarGrupo();
        if (trazo_ && *trazo_ == trazo) return;
        CerrarTrazo();
        trazo_ = trazo;
    }

    void Segmento(Point a, Point b, const Trazo& trazo) {
        if (!trazo.discontinuo && a == b) {
            // A segment without length shows its round caps: a dot.
            Cerrar();
            out_ += "<circle cx=\"" + std::to_string(Twips(a.x)) + "\" cy=\"" +
                    std::to_string(Twips(a.y)) + "\" r=\"" + N(trazo.ancho / 2) + "\" fill=\"" +
                    Color3(trazo.color) + "\"/>";
            return;
        }
        Estilo(trazo);
        const long x1 = Twips(a.x), y1 = Twips(a.y);
        // A dash pattern starts again with each subpath, as it does with each line.
        if (trazo.discontinuo || d_.empty() || x1 != x_ || y1 != y_) Mover(x1, y1);
        Hasta(Twips(b.x), Twips(b.y));
    }

    void Arco(Point c, float radius, const Trazo& trazo, double start, double span, bool fromCentre,
              bool toCentre) {
        Estilo(trazo);
        const auto x = [&](double a) { return Twips(c.x + radius * std::cos(a)); };
        const auto y = [&](double a) { return Twips(c.y - radius * std::sin(a)); };
        if (fromCentre) {
            Mover(Twips(c.x), Twips(c.y));
            Hasta(x(start), y(start));
        } else if (d_.empty() || x(start) != x_ || y(start) != y_) {
            Mover(x(start), y(start));
        }
        const std::string r = N(radius);
        for (const double a : {start + span / 2, start + span}) {
            d_ += 'a' + r + ' ' + r + " 0 0 0";
            const long xa = x(a), ya = y(a);
            Numero(xa - x_);
            Numero(ya - y_);
            x_ = xa;
            y_ = ya;
        }
        if (toCentre) Hasta(Twips(c.x), Twips(c.y));
    }

    void CerrarTrazo() {
        if (!trazo_) return;
        out_ += "<path d=\"" + d_ + "\" stroke=\"" + Color3(trazo_->color) + '"';
        if (trazo_->ancho <= 0)
            out_ += " stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"";
        else if (trazo_->ancho != ancho_)
            out_ += " stroke-width=\"" + N(trazo_->ancho) + '"';
        // Qt's dash pattern: four line widths drawn, two left, with flat caps.
        if (trazo_->discontinuo)
            out_ += " stroke-dasharray=\"" + N(4 * trazo_->ancho) + ' ' + N(2 * trazo_->ancho) +
                    "\" stroke-linecap=\"butt\"";
        out_ += "/>";
        trazo_.reset();
        d_.clear();
    }

    void Texto(Point at, const Letra& letra, std::string_view text) {
        CerrarTrazo();
        if (!letra_ || !(*letra_ == letra)) {
            CerrarGrupo();
            // Columns and rows of the compass, as the replay's alignment flags.
            static constexpr std::array<const char*, 3> kHorizontal{"start", "middle", "end"};
            static constexpr std::array<const char*, 3> kVertical{"text-before-edge", "central",
                                                                  "text-after-edge"};
            const auto i = static_cast<std::size_t>(letra.anchor);
            out_ += "<g font-size=\"" + N(letra.puntos * kTwipsPorPunto) + "\" fill=\"" +
                    Color3(letra.color) + '"';
            if (i % 3 != 0) out_ += std::string(" text-anchor=\"") + kHorizontal[i % 3] + '"';
            out_ += std::string(" dominant-baseline=\"") + kVertical[i / 3] + '"';
            if (letra.negrita) out_ += " font-weight=\"bold\"";
            out_ += '>';
            letra_ = letra;
        }
        const std::string escapado = EscaparXml(text);
        // Without xml:space, spaces at either end or side by side would be collapsed.
        const bool espacios =
            escapado.find_first_of("\t\n\r") != std::string::npos ||
            escapado.find("  ") != std::string::npos ||
            (!escapado.empty() && (escapado.front() == ' ' || escapado.back() == ' '));
        out_ += "<text x=\"" + std::to_string(Twips(at.x)) + "\" y=\"" +
                std::to_string(Twips(at.y)) + '"' + (espacios ? " xml:space=\"preserve\"" : "") +
                '>' + escapado + "</text>";
    }

    void CerrarGrupo() {
        if (!letra_) return;
        out_ += "</g>";
        letra_.reset();
    }

    std::string& out_;
    Color fore_;
    double ancho_;  // the root's stroke width
    std::optional<Trazo> trazo_;
    std::string d_;
    long x_ = 0, y_ = 0;  // the pen, in whole twips
    std::optional<Letra> letra_;
};

}  // namespace

std::string EscaparXml(std::string_view texto) {
    std::string s;
    s.reserve(texto.size());
    for (const char c : texto) {
        switch (c) {
            case '&':
                s += "&amp;";
                break;
            case '<':
                s += "&lt;";
                break;
            case '>':
                s += "&gt;";
                break;
            case '"':
                s += "&quot;";
                break;
            default:
                s += static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r'
                         ? ' '
                         : c;
        }
    }
    return s;
}

std::string Svg(const Picture& picture, double escala) {
    const double w = picture.Width();
    const double h = picture.Height();
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           N(w / kTwipsPerPixel * escala) + "\" height=\"" + N(h / kTwipsPerPixel * escala) +
           "\" viewBox=\"0 0 " + N(w) + ' ' + N(h) + "\" font-family=\"" + kFontFamilyName +
           ", sans-serif\" xml:space=\"preserve\">\n";
    out += std::string("<rect width=\"") + N(w) + "\" height=\"" + N(h) + "\" fill=\"" +
           Hex(picture.BackColor()) + "\"/>\n";
    const Escritor escritor(out, picture.ForeColor());
    for (const Op& op : picture.ops()) std::visit(escritor, op);
    out += "</svg>\n";
    return out;
}

std::string SvgCompacto(const Picture& picture, double escala) {
    const double w = picture.Width();
    const double h = picture.Height();
    // The commonest width of the window's lines, as they are drawn: in twips.
    std::map<double, int> anchos;
    for (const Op& op : picture.ops()) {
        if (const auto* l = std::get_if<LineOp>(&op))
            ++anchos[std::max(l->width, 1) * kTwipsPerPixel];
        if (const auto* c = std::get_if<CircleOp>(&op))
            ++anchos[std::max(c->width, 1) * kTwipsPerPixel];
    }
    double ancho = kTwipsPerPixel;
    int veces = 0;
    for (const auto& [a, n] : anchos)
        if (n > veces) std::tie(ancho, veces) = std::pair(a, n);
    std::string out =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + N(w / kTwipsPerPixel * escala) +
        "\" height=\"" + N(h / kTwipsPerPixel * escala) + "\" viewBox=\"0 0 " + N(w) + ' ' + N(h) +
        "\" font-family=\"" + kFontFamilyName + ", sans-serif\" fill=\"none\" stroke-width=\"" +
        N(ancho) + "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"><rect width=\"" + N(w) +
        "\" height=\"" + N(h) + "\" fill=\"" + Color3(picture.BackColor()) + "\"/>";
    {
        Compacto escritor(out, picture.ForeColor(), ancho);
        for (const Op& op : picture.ops()) std::visit(escritor, op);
    }
    out += "</svg>\n";
    return out;
}

}  // namespace trazalia::canvas
