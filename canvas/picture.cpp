#include "canvas/picture.h"

#include <algorithm>
#include <utility>

namespace trazalia::canvas {

Picture::Picture(float width, float height, Color fore, Color back)
    : width_(width), height_(height), fore_(fore), back_(back) {}

void Picture::Cls() {
    ops_.clear();
    current_ = {};
    for (auto* l : listeners_) l->Cleared();
}

void Picture::Line(float x1, float y1, float x2, float y2) {
    current_ = {x2, y2};
    Add(LineOp{{x1, y1}, {x2, y2}, std::nullopt, drawWidth_});
}

void Picture::Line(float x1, float y1, float x2, float y2, Color color) {
    current_ = {x2, y2};
    Add(LineOp{{x1, y1}, {x2, y2}, color, drawWidth_});
}

void Picture::Circle(float x, float y, float radius, Color color, float start, float end) {
    CheckAngle(start);
    CheckAngle(end);
    current_ = {x, y};
    Add(CircleOp{{x, y}, radius, color, start, end, drawWidth_});
}

void Picture::Print(std::string_view text) { Add(PrintOp{current_, std::string(text)}); }

void Picture::DashedLine(float x1, float y1, float x2, float y2, Color color) {
    current_ = {x2, y2};
    Add(LineOp{{x1, y1}, {x2, y2}, color, drawWidth_, true});
}

void Picture::Text(float x, float y, Anchor anchor, Color color, std::string_view text) {
    Add(TextOp{{x, y}, anchor, color, std::string(text)});
}

void Picture::SetDrawWidth(int width) {
    drawWidth_ = width;
    for (auto* l : listeners_) l->DrawWidthSet(width);
}

void Picture::Add(Op op) {
    ops_.push_back(std::move(op));
    for (auto* l : listeners_) l->Drawn(ops_.back());
}

}  // namespace trazalia::canvas

namespace trazalia::canvas {

void Picture::AddListener(PictureListener* listener) { listeners_.push_back(listener); }

void Picture::RemoveListener(PictureListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

}  // namespace trazalia::canvas
