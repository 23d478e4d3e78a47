// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "canvas/canvas.h"
#include "canvas/picture.h"
#include "diagram/colores.h"
#include "diagram/resultado.h"

namespace trazalia::diagram {

// What a user may add to the picture; each is off until chosen.
// EscalaFija changes how the picture maps units to twips (Escalado::Fija); the window's diagram
// reads it before it draws.
enum class Vista { Cuadricula, Rotulos, Componentes, Ecuacion, Grueso, Contraste, EscalaFija };
inline constexpr std::size_t kNumeroDeVistas = 7;

class Vistas {
public:
    bool operator[](Vista v) const { return activas_[static_cast<std::size_t>(v)]; }
    void Poner(Vista v, bool activa) { activas_[static_cast<std::size_t>(v)] = activa; }
    friend bool operator==(const Vistas&, const Vistas&) = default;

private:
    std::array<bool, kNumeroDeVistas> activas_{};
};

// The grid's light grey: light enough that every text colour keeps its contrast where a text
// crosses a grid line.
inline constexpr canvas::Color kGrisCuadricula{240, 240, 240};

// Contrast ratio of two colours by their relative luminance, from 1 to 21.
double Contraste(canvas::Color a, canvas::Color b);

// A vector's colour as the views show it, in the picture and on the window's captions: with high
// contrast the pure green becomes kVerdeOscuro.
canvas::Color ColorDeVector(canvas::Color color, const Vistas& vistas);

// The scaling the views ask for.
inline Escalado EscaladoDe(const Vistas& vistas) {
    return vistas[Vista::EscalaFija] ? Escalado::Fija : Escalado::Adaptativa;
}

// The drawing area as the views change it, in front of the window's picture. With every view off
// it passes each operation on unchanged. Otherwise a Cls is followed by the grid (at the ticks of
// the scaling the views ask for, under everything
// the diagram then draws); with a bold stroke every width is doubled and every arrowhead twice as
// large about the same tip; with high contrast the pure green becomes kVerdeOscuro and each text
// is darkened until it reaches 4.5:1 on the grid's grey.
class LienzoConVistas final : public canvas::Canvas {
public:
    // A display list underneath: each operation passes on without a second virtual call.
    explicit LienzoConVistas(canvas::Picture& picture)
        : Canvas(picture.Width(), picture.Height()), picture_(picture) {}

    // Takes effect from the next Cls.
    void PonerVistas(const Vistas& vistas) { vistas_ = vistas; }
    const Vistas& vistas() const { return vistas_; }

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, canvas::Color color) override;
    void Circle(float x, float y, float radius, canvas::Color color, float start,
                float end) override;
    void Print(std::string_view text) override { picture_.Print(text); }
    void DashedLine(float x1, float y1, float x2, float y2, canvas::Color color) override;
    void Text(float x, float y, canvas::Anchor anchor, canvas::Color color,
              std::string_view text) override;
    // Pages printed to measure have no views.
    void Stroke(float x1, float y1, float x2, float y2, canvas::Color color, float width) override {
        picture_.Stroke(x1, y1, x2, y2, color, width);
    }
    void Arc(float x, float y, float radius, canvas::Color color, float start, float end,
             float width) override {
        picture_.Arc(x, y, radius, color, start, end, width);
    }
    void Label(float x, float y, canvas::Anchor anchor, canvas::Color color,
               canvas::TextStyle style, std::string_view text) override {
        picture_.Label(x, y, anchor, color, style, text);
    }

    // The width the diagram asked for; the picture draws it doubled with a bold stroke.
    int DrawWidth() const override { return ancho_; }
    void SetDrawWidth(int width) override;
    canvas::Color ForeColor() const override { return picture_.ForeColor(); }

private:
    int Factor() const { return vistas_[Vista::Grueso] ? 2 : 1; }
    canvas::Color Color(canvas::Color color) const { return ColorDeVector(color, vistas_); }

    canvas::Picture& picture_;
    Vistas vistas_;
    int ancho_ = 1;
};

// The sum as one line: "R = A + B = (70.00, 52.00);  |R| = 87.18;  α = 36.59°" where the
// picture shows the resultant, otherwise each vector's components: "A = (70.00, 52.00);  B = …".
std::string Ecuacion(const Resultado& dibujo);
// "Ax = 70.00" and the like, for each vector drawn from the origin and the resultant.
std::string Componentes(const Resultado& dibujo);

// Draws the views that add to a finished picture: the labels, the components and the equation,
// placed clear of the diagram's texts, heads and lines where there is room.
void DibujarVistas(canvas::Canvas& lienzo, const Resultado& dibujo, const Vistas& vistas);

}  // namespace trazalia::diagram
