// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/picture.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

namespace trazalia::canvas {

template <class T>
void Picture::Add(T&& op) {
    const Op& added = ops_.emplace_back(std::in_place_type<std::decay_t<T>>, std::forward<T>(op));
    for (auto* l : listeners_) l->Drawn(added);
}

Picture::Picture(float width, float height, Color fore, Color back)
    : Canvas(width, height), fore_(fore), back_(back) {}

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

void Picture::Stroke(float x1, float y1, float x2, float y2, Color color, float width) {
    current_ = {x2, y2};
    Add(StrokeOp{{x1, y1}, {x2, y2}, color, width});
}

void Picture::Arc(float x, float y, float radius, Color color, float start, float end,
                  float width) {
    CheckAngle(start);
    CheckAngle(end);
    current_ = {x, y};
    Add(ArcOp{{x, y}, radius, color, start, end, width});
}

void Picture::Label(float x, float y, Anchor anchor, Color color, TextStyle style,
                    std::string_view text) {
    Add(LabelOp{{x, y}, anchor, color, style, std::string(text)});
}

void Picture::SetDrawWidth(int width) {
    drawWidth_ = width;
    for (auto* l : listeners_) l->DrawWidthSet(width);
}

}  // namespace trazalia::canvas

namespace trazalia::canvas {

ListenerHandle Picture::AddListener(PictureListener* listener) {
    listeners_.push_back(listener);
    return ListenerHandle(this, listener);
}

ListenerHandle::ListenerHandle(ListenerHandle&& other) noexcept
    : picture_(std::exchange(other.picture_, nullptr)),
      listener_(std::exchange(other.listener_, nullptr)) {}

ListenerHandle& ListenerHandle::operator=(ListenerHandle&& other) noexcept {
    if (this != &other) {
        Reset();
        picture_ = std::exchange(other.picture_, nullptr);
        listener_ = std::exchange(other.listener_, nullptr);
    }
    return *this;
}

ListenerHandle::~ListenerHandle() { Reset(); }

void ListenerHandle::Reset() {
    if (!picture_) return;
    auto& l = picture_->listeners_;
    // The last added first: a listener added twice goes one place at a time.
    const auto at = std::find(l.rbegin(), l.rend(), listener_);
    if (at != l.rend()) l.erase(std::next(at).base());
    picture_ = nullptr;
    listener_ = nullptr;
}

}  // namespace trazalia::canvas
