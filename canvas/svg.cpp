// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/svg.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
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

}  // namespace trazalia::canvas
