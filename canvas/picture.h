// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "canvas/canvas.h"

namespace trazalia::canvas {

struct Point {
    float x = 0;
    float y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// One drawing operation as it was handed to the drawing area. Each keeps the line width in force
// when it was drawn; a line without a colour keeps no colour and is replayed in the foreground.
struct LineOp {
    Point from;
    Point to;
    std::optional<Color> color;
    int width = 1;
    bool dashed = false;
};

struct CircleOp {
    Point centre;
    float radius = 0;
    Color color;
    float start = 0;
    float end = 0;
    int width = 1;
};

struct PrintOp {
    Point at;
    std::string text;
};

// Text placed by an anchor point in its own colour.
struct TextOp {
    Point at;
    Anchor anchor = Anchor::Nw;
    Color color;
    std::string text;
};

// A line whose width is its own, in twips, whatever DrawWidth is.
struct StrokeOp {
    Point from;
    Point to;
    Color color;
    float width = 0;
};

// An arc counter-clockwise from start to end (an end below the start adds a turn), its width in
// twips.
struct ArcOp {
    Point centre;
    float radius = 0;
    Color color;
    float start = 0;
    float end = 0;
    float width = 0;
};

// Text placed by an anchor point in a face of its own.
struct LabelOp {
    Point at;
    Anchor anchor = Anchor::Nw;
    Color color;
    TextStyle style;
    std::string text;
};

using Op = std::variant<LineOp, CircleOp, PrintOp, TextOp, StrokeOp, ArcOp, LabelOp>;

// Told of every operation a Picture accepts, in order (the trace, a widget that must repaint).
class PictureListener {
public:
    virtual ~PictureListener() = default;
    virtual void Cleared() = 0;
    virtual void DrawWidthSet(int width) = 0;
    virtual void Drawn(const Op& op) = 0;
};

class Picture;

// A listener's place in a picture: it is told until the handle goes. Move-only; it must not
// outlive its picture.
class ListenerHandle {
public:
    ListenerHandle() = default;
    ListenerHandle(ListenerHandle&& other) noexcept;
    ListenerHandle& operator=(ListenerHandle&& other) noexcept;
    ~ListenerHandle();

private:
    friend class Picture;
    ListenerHandle(Picture* picture, PictureListener* listener)
        : picture_(picture), listener_(listener) {}
    void Reset();

    Picture* picture_ = nullptr;
    PictureListener* listener_ = nullptr;
};

// The drawing area as a display list: the operations since the last Cls, the current point, the
// line width and the foreground colour. Whatever shows it replays the list, so the picture
// survives covering and hiding and is crisp at any resolution.
class Picture final : public Canvas {
public:
    Picture(float width, float height, Color fore = kBlack, Color back = kWhite);
    // Handles point at it: it stays where it was made.
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, Color color) override;
    void Circle(float x, float y, float radius, Color color, float start, float end) override;
    void Print(std::string_view text) override;
    void DashedLine(float x1, float y1, float x2, float y2, Color color) override;
    void Text(float x, float y, Anchor anchor, Color color, std::string_view text) override;
    void Stroke(float x1, float y1, float x2, float y2, Color color, float width) override;
    void Arc(float x, float y, float radius, Color color, float start, float end,
             float width) override;
    void Label(float x, float y, Anchor anchor, Color color, TextStyle style,
               std::string_view text) override;

    int DrawWidth() const override { return drawWidth_; }
    void SetDrawWidth(int width) override;
    Color ForeColor() const override { return fore_; }
    Color BackColor() const { return back_; }

    Point currentPoint() const { return current_; }
    const std::vector<Op>& ops() const { return ops_; }

    // Listeners are told in the order they were added, until their handle goes.
    [[nodiscard]] ListenerHandle AddListener(PictureListener* listener);

private:
    friend class ListenerHandle;
    // Builds the operation in its place in the list: no variant is moved or destroyed.
    template <class T>
    void Add(T&& op);

    Color fore_;
    Color back_;
    int drawWidth_ = 1;
    Point current_;
    std::vector<Op> ops_;
    std::vector<PictureListener*> listeners_;
};

}  // namespace trazalia::canvas
