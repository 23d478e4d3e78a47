// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace trazalia::canvas {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};

// Coordinates are twips (1/1440 inch); a logical pixel of 1/96 inch is 15 of them.
inline constexpr double kTwipsPerPixel = 15;

// The program's face, for printed text and for the windows' captions.
inline constexpr char kFontFamilyName[] = "Liberation Sans";

// Angles reach the drawing area in single precision, so the accepted limit is 2π rounded to
// single precision as well: a value normalised to [0, 2π) in double may round up to it.
inline constexpr float kFullTurn = 6.2831855F;

// Thrown by Circle for an angle outside −2π…2π. Nothing is drawn.
class AngleOutOfRange : public std::domain_error {
public:
    explicit AngleOutOfRange(float angle);
    float angle() const { return angle_; }

private:
    float angle_;
};

// Where a placed text sits relative to its point, as on a compass: Nw puts the text's top-left
// corner there, S the middle of its bottom edge, C its centre.
enum class Anchor { Nw, N, Ne, W, C, E, Sw, S, Se };

// A text's own face, for pages printed to measure: its size in points, its weight, and the widest
// it may be drawn in twips (0 for no limit). Only the replay knows the font's widths, so it cuts a
// longer text short with an ellipsis.
struct TextStyle {
    float points = 8;
    bool bold = false;
    float width = 0;
    friend constexpr bool operator==(TextStyle, TextStyle) = default;
};

// Throws AngleOutOfRange unless -kFullTurn <= angle <= kFullTurn (NaN is refused too).
void CheckAngle(float angle);

// The drawing area that diagrams draw on. Coordinates are twips, origin at the top-left corner,
// y downward. Lines without a colour use the foreground colour.
//
// Current point: Cls leaves it at (0, 0), Line at its end point, Circle at its centre; Print
// starts its text there and leaves it where it was.
//
// Circle runs counter-clockwise on screen from |start| to |end| (radians). A start greater than
// the end passes through angle 0. A negative angle adds a radius line from the centre to that end
// of the arc; zero counts as positive.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void Cls() = 0;
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, Color color) = 0;
    // Throws AngleOutOfRange for an angle outside −2π…2π, before anything is drawn.
    virtual void Circle(float x, float y, float radius, Color color, float start, float end) = 0;
    virtual void Print(std::string_view text) = 0;
    // A dashed line of that colour; it leaves the current point at its end, as Line does.
    virtual void DashedLine(float x1, float y1, float x2, float y2, Color color) = 0;
    // Text of that colour placed by its anchor at (x, y); the current point stays where it was.
    virtual void Text(float x, float y, Anchor anchor, Color color, std::string_view text) = 0;

    // Pages printed to measure give widths in twips, not in DrawWidth's pixels, and text its own
    // face. Stroke moves the current point as Line does, Arc as Circle does; Label leaves it.
    virtual void Stroke(float x1, float y1, float x2, float y2, Color color, float width) = 0;
    // Counter-clockwise from start to end, one turn at most: an end below the start passes
    // through angle 0. A negative angle is only an angle (no radius line). Throws
    // AngleOutOfRange as Circle does.
    virtual void Arc(float x, float y, float radius, Color color, float start, float end,
                     float width) = 0;
    virtual void Label(float x, float y, Anchor anchor, Color color, TextStyle style,
                       std::string_view text) = 0;

    // A drawing area keeps its size. The diagrams read it for nearly every point they place,
    // so it is read without a virtual call.
    float Width() const { return width_; }
    float Height() const { return height_; }

    virtual int DrawWidth() const = 0;
    virtual void SetDrawWidth(int width) = 0;
    virtual Color ForeColor() const = 0;

protected:
    Canvas(float width, float height) : width_(width), height_(height) {}
    Canvas(const Canvas&) = default;
    Canvas& operator=(const Canvas&) = default;

private:
    float width_;
    float height_;
};

// A drawing area that draws nothing: the cost of the diagram logic alone.
class NullCanvas final : public Canvas {
public:
    NullCanvas(float width, float height) : Canvas(width, height) {}

    void Cls() override {}
    void Line(float, float, float, float) override {}
    void Line(float, float, float, float, Color) override {}
    void Circle(float, float, float, Color, float start, float end) override {
        CheckAngle(start);
        CheckAngle(end);
    }
    void Print(std::string_view) override {}
    void DashedLine(float, float, float, float, Color) override {}
    void Text(float, float, Anchor, Color, std::string_view) override {}
    void Stroke(float, float, float, float, Color, float) override {}
    void Arc(float, float, float, Color, float start, float end, float) override {
        CheckAngle(start);
        CheckAngle(end);
    }
    void Label(float, float, Anchor, Color, TextStyle, std::string_view) override {}
    int DrawWidth() const override { return drawWidth_; }
    void SetDrawWidth(int width) override { drawWidth_ = width; }
    Color ForeColor() const override { return kBlack; }

private:
    int drawWidth_ = 1;
};

}  // namespace trazalia::canvas
