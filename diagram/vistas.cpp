// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/vistas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "diagram/formato.h"
#include "diagram/marco.h"

namespace trazalia::diagram {

namespace {

float F(double v) { return static_cast<float>(v); }

double Lineal(std::uint8_t canal) {
    const double s = canal / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double Luminancia(canvas::Color c) {
    return 0.2126 * Lineal(c.r) + 0.7152 * Lineal(c.g) + 0.0722 * Lineal(c.b);
}

constexpr double kContrasteMinimo = 4.5;

}  // namespace

double Contraste(canvas::Color a, canvas::Color b) {
    const double la = Luminancia(a);
    const double lb = Luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

canvas::Color ColorDeVector(canvas::Color color, const Vistas& vistas) {
    return vistas[Vista::Contraste] && color == kVerde ? kVerdeOscuro : color;
}

void LienzoConVistas::Cls() {
    picture_.Cls();
    const int ancho = ancho_ * Factor();
    if (picture_.DrawWidth() != ancho) picture_.SetDrawWidth(ancho);
    if (!vistas_[Vista::Cuadricula]) return;
    // At the tick marks, thin.
    const float W = picture_.Width();
    const float H = picture_.Height();
    picture_.SetDrawWidth(Factor());
    if (EscaladoDe(vistas_) == Escalado::Fija) {
        // A tenth of any round scale is the same 0.045 of the shorter side: the ticks of 100 are
        // those of every fixed scale.
        const double k = TwipsPorUnidadFija(W, H, kEscalaFija);
        for (int v : MarcasFijas(W, k, kEscalaFija))
            picture_.Line(F(W * 0.5 + v * k), F(H * 0.05), F(W * 0.5 + v * k), F(H * 0.95),
                          kGrisCuadricula);
        for (int v : MarcasFijas(H, k, kEscalaFija))
            picture_.Line(F(W * 0.05), F(H * 0.5 - v * k), F(W * 0.95), F(H * 0.5 - v * k),
                          kGrisCuadricula);
        picture_.SetDrawWidth(ancho);
        return;
    }
    for (int i = 0; i <= 10; ++i) {
        const double x = Marca(W, i);
        picture_.Line(F(x), F(H * 0.05), F(x), F(H * 0.95), kGrisCuadricula);
    }
    for (int i = 0; i <= 10; ++i) {
        const double y = Marca(H, i);
        picture_.Line(F(W * 0.05), F(y), F(W * 0.95), F(y), kGrisCuadricula);
    }
    picture_.SetDrawWidth(ancho);
}

void LienzoConVistas::Line(float x1, float y1, float x2, float y2) {
    picture_.Line(x1, y1, x2, y2);
}

void LienzoConVistas::Line(float x1, float y1, float x2, float y2, canvas::Color color) {
    picture_.Line(x1, y1, x2, y2, Color(color));
}

void LienzoConVistas::Circle(float x, float y, float radius, canvas::Color color, float start,
                             float end) {
    if (!vistas_[Vista::Grueso]) {
        picture_.Circle(x, y, radius, Color(color), start, end);
        return;
    }
    canvas::CheckAngle(start);
    canvas::CheckAngle(end);
    // The middle of the arc is the tip; the larger head keeps it there.
    const double s = std::abs(static_cast<double>(start));
    const double e = std::abs(static_cast<double>(end));
    const double medio = s + (s > e ? e - s + 2 * std::numbers::pi : e - s) / 2;
    const double px = x + radius * std::cos(medio);
    const double py = y - radius * std::sin(medio);
    const double R = 2.0 * radius;
    picture_.Circle(F(px - R * std::cos(medio)), F(py + R * std::sin(medio)), F(R), Color(color),
                    start, end);
}

void LienzoConVistas::DashedLine(float x1, float y1, float x2, float y2, canvas::Color color) {
    picture_.DashedLine(x1, y1, x2, y2, Color(color));
}

void LienzoConVistas::Text(float x, float y, canvas::Anchor anchor, canvas::Color color,
                           std::string_view text) {
    // Only the views write texts, so they are always readable: darker by eighths until they read
    // on the lightest background a view puts behind text.
    canvas::Color c = Color(color);
    while (Contraste(c, kGrisCuadricula) < kContrasteMinimo)
        c = {static_cast<std::uint8_t>(c.r * 7 / 8), static_cast<std::uint8_t>(c.g * 7 / 8),
             static_cast<std::uint8_t>(c.b * 7 / 8)};
    picture_.Text(x, y, anchor, c, text);
}

void LienzoConVistas::SetDrawWidth(int width) {
    ancho_ = width;
    picture_.SetDrawWidth(width * Factor());
}

namespace {

std::string Letra(int vector) { return std::string(1, vector ? char('A' + vector - 1) : 'R'); }

const Trazo* Buscar(const Resultado& dibujo, int vector) {
    for (const Trazo& t : dibujo.trazos)
        if (t.vector == vector && (t.desdeOrigen || vector == 0)) return &t;
    return nullptr;
}

std::string Par(const Trazo& t) { return '(' + Formato(t.x) + ", " + Formato(t.y) + ')'; }

// The vectors with components shown: those drawn from the origin, then the resultant.
std::vector<const Trazo*> ConComponentes(const Resultado& dibujo) {
    std::vector<const Trazo*> trazos;
    for (int k = 1; k <= static_cast<int>(dibujo.vectores.size()); ++k)
        if (const Trazo* t = Buscar(dibujo, k)) trazos.push_back(t);
    if (const Trazo* t = Buscar(dibujo, 0)) trazos.push_back(t);
    return trazos;
}

}  // namespace

std::string Ecuacion(const Resultado& dibujo) {
    std::string texto;
    const Trazo* R = dibujo.resultante ? Buscar(dibujo, 0) : nullptr;
    if (R) {
        texto = "R =";
        for (std::size_t k = 1; k <= dibujo.vectores.size(); ++k)
            texto += (k > 1 ? " + " : " ") + Letra(static_cast<int>(k));
        return texto + " = " + Par(*R) + ";  |R| = " + Formato(dibujo.r) +
               ";  α = " + ConGrados(dibujo.direccion);
    }
    for (const Trazo* t : ConComponentes(dibujo))
        texto += (texto.empty() ? "" : ";  ") + Letra(t->vector) + " = " + Par(*t);
    return texto;
}

std::string Componentes(const Resultado& dibujo) {
    std::string texto;
    for (const Trazo* t : ConComponentes(dibujo)) {
        texto += (texto.empty() ? "" : ";  ") + Letra(t->vector) + "x = " + Formato(t->x) + ";  " +
                 Letra(t->vector) + "y = " + Formato(t->y);
    }
    return texto;
}

namespace {

struct Caja {
    double x0, y0, x1, y1;
    bool Cruza(const Caja& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

struct Segmento {
    Punto p, q;
};

// Advance widths of the picture's face in ems, a little generous: the boxes only keep texts apart.
double Ancho(std::string_view texto) {
    constexpr double kEm = 160;  // 8 points in twips
    double ancho = 0;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(texto[i]);
        if ((c & 0xC0) == 0x80) continue;  // the rest of a UTF-8 sequence
        double em = 0.6;
        if (c >= '0' && c <= '9') em = 0.556;
        if (c == ' ' || c == '.' || c == ',' || c == ';' || c == '|') em = 0.278;
        if (c == '-' || c == '(' || c == ')') em = 0.333;
        if (c == '=' || c == '+') em = 0.584;
        if (c >= 'A' && c <= 'Z') em = 0.722;
        if (c >= 'a' && c <= 'z') em = 0.556;
        ancho += em;
    }
    return ancho * kEm * 1.08;
}
constexpr double kAlto = 190;

// The box of a text of that size placed by its anchor at p.
Caja CajaDe(Punto p, canvas::Anchor anchor, double w, double h) {
    const int i = static_cast<int>(anchor);
    const double x0 = p.x - w * (i % 3) / 2;
    const double y0 = p.y - h * (i / 3) / 2;
    return {x0, y0, x0 + w, y0 + h};
}

// Whether the segment passes through the box (Liang–Barsky clipping).
bool Atraviesa(const Segmento& s, const Caja& c) {
    double t0 = 0;
    double t1 = 1;
    const double dx = s.q.x - s.p.x;
    const double dy = s.q.y - s.p.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {s.p.x - c.x0, c.x1 - s.p.x, s.p.y - c.y0, c.y1 - s.p.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        if (p[i] > 0) t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

struct Candidato {
    Punto en;
    canvas::Anchor anchor;
};

// Places texts one after another where they collide least with what is already there. A text
// never covers another text or a reserved band while the picture has room for it elsewhere.
class Colocador {
public:
    // margen: half the widest stroke, by which a line reaches beyond its centre.
    Colocador(double ancho, double alto, double margen)
        : ancho_(ancho), alto_(alto), margen_(margen) {}

    // A text or a head: a new text keeps clear of it.
    void Ocupar(const Caja& caja) { cajas_.push_back(caja); }
    // A band that no text enters: a line of its own.
    void Reservar(const Caja& caja) { textos_.push_back(caja); }
    void Linea(Punto p, Punto q) { lineas_.push_back({p, q}); }

    // The first candidate of least cost, its box then taken. When every candidate covers a text
    // or leaves the picture, the first free place of a scan over the whole picture instead.
    Candidato Colocar(const std::vector<Candidato>& candidatos, double w) {
        std::pair<const Candidato*, double> mejor = Mejor(candidatos, w);
        std::vector<Candidato> rejilla;
        if (mejor.second >= kCubre) {
            for (double y = kAire; y + kAlto + kAire <= alto_; y += kAlto / 2)
                for (double x = kAire; x + w + kAire <= ancho_; x += kAlto)
                    rejilla.push_back({{x, y}, canvas::Anchor::Nw});
            const auto otro = Mejor(rejilla, w);
            if (otro.first && otro.second < mejor.second) mejor = otro;
        }
        const Candidato elegido = *mejor.first;
        const Caja caja = CajaDe(elegido.en, elegido.anchor, w, kAlto);
        Ocupar(caja);
        textos_.push_back(caja);
        return elegido;
    }

private:
    // Leaving the picture or covering a text cuts it or hides it; covering a head hides part of
    // the picture; a line across a text still lets it be read.
    static constexpr double kFuera = 1e7;
    static constexpr double kCubre = 1e5;
    static constexpr double kCabeza = 1000;
    static constexpr double kCruza = 100;
    static constexpr double kAire = 25;  // between two texts, so that letters do not touch

    std::pair<const Candidato*, double> Mejor(const std::vector<Candidato>& candidatos,
                                              double w) const {
        const Candidato* mejor = nullptr;
        double menor = 0;
        for (const Candidato& c : candidatos) {
            const Caja caja = CajaDe(c.en, c.anchor, w, kAlto);
            double coste = 0;
            if (caja.x0 < 0 || caja.y0 < 0 || caja.x1 > ancho_ || caja.y1 > alto_) coste += kFuera;
            const Caja holgada{caja.x0 - kAire, caja.y0 - kAire, caja.x1 + kAire, caja.y1 + kAire};
            for (const Caja& o : textos_) coste += holgada.Cruza(o) ? kCubre : 0;
            for (const Caja& o : cajas_) coste += holgada.Cruza(o) ? kCabeza : 0;
            const Caja trazo{caja.x0 - margen_, caja.y0 - margen_, caja.x1 + margen_,
                             caja.y1 + margen_};
            for (const Segmento& s : lineas_) coste += Atraviesa(s, trazo) ? kCruza : 0;
            if (!mejor || coste < menor) {
                mejor = &c;
                menor = coste;
            }
        }
        return {mejor, menor};
    }

    double ancho_;
    double alto_;
    double margen_;
    std::vector<Caja> cajas_;
    std::vector<Caja> textos_;
    std::vector<Segmento> lineas_;
};

// The anchor that puts a text on the side of p that v points to.
canvas::Anchor AnchorHacia(double vx, double vy) {
    constexpr double kLado = 0.38;  // beyond about 22° from an axis the text moves to a corner
    const int col = vx > kLado ? 0 : (vx < -kLado ? 2 : 1);
    const int fila = vy > kLado ? 0 : (vy < -kLado ? 2 : 1);
    return static_cast<canvas::Anchor>(fila * 3 + col);
}

// A text whose every point lies at least separacion beyond p along the unit vector v.
Candidato Mas(Punto p, double vx, double vy, double separacion, double w) {
    const canvas::Anchor anchor = AnchorHacia(vx, vy);
    const Caja c = CajaDe({0, 0}, anchor, w, kAlto);
    const double minimo = std::min({c.x0 * vx + c.y0 * vy, c.x1 * vx + c.y0 * vy,
                                    c.x0 * vx + c.y1 * vy, c.x1 * vx + c.y1 * vy});
    const double d = separacion - minimo;
    return {{p.x + d * vx, p.y + d * vy}, anchor};
}

struct Texto {
    Candidato donde;
    canvas::Color color;
    std::string texto;
};

}  // namespace

void DibujarVistas(canvas::Canvas& lienzo, const Resultado& dibujo, const Vistas& vistas) {
    const bool rotulos = vistas[Vista::Rotulos];
    const bool componentes = vistas[Vista::Componentes];
    const bool ecuacion = vistas[Vista::Ecuacion];
    if (!rotulos && !componentes && !ecuacion) return;

    const double W = lienzo.Width();
    const double H = lienzo.Height();
    const Punto O = Origen(lienzo);
    const double factor = vistas[Vista::Grueso] ? 2 : 1;
    const double radio = 60 * factor;            // of an arrowhead
    const double separacion = 30 + 15 * factor;  // beyond half the stroke
    Colocador colocador(W, H, 15 * factor + 10);
    std::vector<Texto> textos;

    // What the diagram already shows: its scale texts, the axes and the vectors with their heads.
    for (const RotuloDeEscala& r : RotulosDeEscala(lienzo, dibujo.Escala, dibujo.escalado))
        colocador.Reservar(CajaDe(r.en, canvas::Anchor::Nw, Ancho(Formato(r.valor)), kAlto));
    colocador.Linea({W * 0.5, H * 0.05}, {W * 0.5, H * 0.95});
    colocador.Linea({W * 0.05, H * 0.5}, {W * 0.95, H * 0.5});
    for (const Trazo& t : dibujo.trazos) {
        colocador.Linea(t.desde, t.hasta);
        const double largo = std::hypot(t.hasta.x - t.desde.x, t.hasta.y - t.desde.y);
        if (largo < 1) continue;
        const Punto c{t.hasta.x - radio * (t.hasta.x - t.desde.x) / largo,
                      t.hasta.y - radio * (t.hasta.y - t.desde.y) / largo};
        colocador.Ocupar({c.x - radio, c.y - radio, c.x + radio, c.y + radio});
    }

    if (ecuacion) {
        const std::string texto = Ecuacion(dibujo);
        // Below the lowest tip the diagram can draw, in the lower left corner.
        const Candidato donde{{60, H - 45}, canvas::Anchor::Sw};
        // The whole width of its line, so that no label sits between its words.
        const Caja caja = CajaDe(donde.en, donde.anchor, Ancho(texto), kAlto);
        colocador.Reservar({0, caja.y0, W, H});
        textos.push_back({donde, lienzo.ForeColor(), texto});
    }

    // The components' dashed lines come before any text is placed, so that texts keep off them.
    if (componentes) {
        const int ancho = lienzo.DrawWidth();
        lienzo.SetDrawWidth(1);
        for (const Trazo* t : ConComponentes(dibujo)) {
            // A tip on an axis needs no dashed line: one would lie on that axis, the other on
            // the vector itself.
            const Punto p = t->hasta;
            if (std::abs(p.y - O.y) < 1 || std::abs(p.x - O.x) < 1) continue;
            lienzo.DashedLine(F(p.x), F(p.y), F(p.x), F(O.y), t->color);
            colocador.Linea(p, {p.x, O.y});
            lienzo.DashedLine(F(p.x), F(p.y), F(O.x), F(p.y), t->color);
            colocador.Linea(p, {O.x, p.y});
        }
        lienzo.SetDrawWidth(ancho);
    }

    if (rotulos) {
        for (const Trazo& t : dibujo.trazos) {
            if (!t.desdeOrigen && t.vector != 0 && dibujo.paso == 0) continue;
            const double dx = t.hasta.x - t.desde.x;
            const double dy = t.hasta.y - t.desde.y;
            const double largo = std::hypot(dx, dy);
            if (largo < 1) continue;
            const std::string letra = Letra(t.vector);
            const double w = Ancho(letra);
            // Along the vector first, then turning away from it on either side, then further out.
            std::vector<Candidato> candidatos;
            for (double lejos : {0.0, 90.0, 180.0, 300.0})
                for (double giro : {0.0, 30.0, -30.0, 60.0, -60.0, 90.0, -90.0, 120.0, -120.0,
                                    150.0, -150.0, 180.0}) {
                    const double g = giro * std::numbers::pi / 180;
                    const double vx = (dx * std::cos(g) - dy * std::sin(g)) / largo;
                    const double vy = (dx * std::sin(g) + dy * std::cos(g)) / largo;
                    candidatos.push_back(Mas(t.hasta, vx, vy, separacion + lejos, w));
                }
            textos.push_back({colocador.Colocar(candidatos, w), t.color, letra});
        }
    }

    if (componentes) {
        // Clear of the tick marks, below the horizontal axis and right of the vertical one.
        const double bajoMarcas = H * 0.02 + 30;
        const double trasMarcas = W * 0.02 + 30;
        for (const Trazo* t : ConComponentes(dibujo)) {
            const Punto p = t->hasta;
            if (std::abs(p.x - O.x) < 1 && std::abs(p.y - O.y) < 1) continue;
            const std::string letra = Letra(t->vector);
            // x on the horizontal axis below it (or above), away from the tip's side first.
            const std::string tx = letra + "x = " + Formato(t->x);
            const double wx = Ancho(tx);
            std::vector<Candidato> cx;
            for (bool abajo : {p.y <= O.y, p.y > O.y})
                for (int fila = 0; fila < 5; ++fila)
                    for (double corrido : {0.0, wx / 2 + 60, -wx / 2 - 60, wx + 120, -wx - 120}) {
                        const double y = abajo ? O.y + bajoMarcas + fila * kAlto
                                               : O.y - separacion - fila * kAlto;
                        cx.push_back(
                            {{p.x + corrido, y}, abajo ? canvas::Anchor::N : canvas::Anchor::S});
                    }
            textos.push_back({colocador.Colocar(cx, wx), t->color, tx});
            // y beside the vertical axis, on the other side from the tip first.
            const std::string ty = letra + "y = " + Formato(t->y);
            const double wy = Ancho(ty);
            std::vector<Candidato> cy;
            for (bool izquierda : {p.x >= O.x, p.x < O.x})
                for (double fuera : {0.0, wy + 60})
                    for (double corrido :
                         {0.0, -kAlto, kAlto, -2 * kAlto, 2 * kAlto, -3 * kAlto, 3 * kAlto}) {
                        const double x =
                            izquierda ? O.x - separacion - fuera : O.x + trasMarcas + fuera;
                        cy.push_back({{x, p.y + corrido},
                                      izquierda ? canvas::Anchor::E : canvas::Anchor::W});
                    }
            textos.push_back({colocador.Colocar(cy, wy), t->color, ty});
        }
    }

    for (const Texto& t : textos)
        lienzo.Text(F(t.donde.en.x), F(t.donde.en.y), t.donde.anchor, t.color, t.texto);
}

}  // namespace trazalia::diagram
