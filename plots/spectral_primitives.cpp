#include "plots/spectral_primitives.h"

#include <algorithm>
#include <cstdio>

namespace corvana::spectral {

Rect intersection(const Rect& a, const Rect& b) {
  const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
  const int right = std::min(a.right(), b.right()), bottom = std::min(a.bottom(), b.bottom());
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

bool isVisible(const Rect& box, const Rect& update) { return !intersection(box, update).isEmpty(); }

namespace {

// A line of width 1 still covers one pixel column or row.
Rect boxOf(Point a, Point b) {
  const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  return {left, top, std::max(a.x, b.x) - left + 1, std::max(a.y, b.y) - top + 1};
}

}  // namespace

void DrawList::line(Point from, Point to, std::uint32_t argb, int width, int style) {
  if (isVisible(boxOf(from, to), update_)) items_.push_back(Line{from, to, argb, width, style});
}

void DrawList::polyline(std::vector<Point> points, bool closed, std::uint32_t argb, int width) {
  if (points.empty()) return;
  Rect box = boxOf(points.front(), points.front());
  for (const Point& p : points) {
    const Rect b = boxOf(p, p);
    const int left = std::min(box.x, b.x), top = std::min(box.y, b.y);
    box = {left, top, std::max(box.right(), b.right()) - left,
           std::max(box.bottom(), b.bottom()) - top};
  }
  if (isVisible(box, update_)) items_.push_back(Polyline{std::move(points), closed, argb, width});
}

void DrawList::frame(Rect box, std::uint32_t argb, int width) {
  // The frame's right and bottom edges lie on the box's last pixel.
  if (isVisible({box.x, box.y, box.width + 1, box.height + 1}, update_))
    items_.push_back(FrameRect{box, argb, width});
}

void DrawList::fill(Rect box, std::uint32_t argb) {
  if (isVisible(box, update_)) items_.push_back(FillRect{box, argb});
}

void DrawList::text(Rect box, std::string text, unsigned flags, Font font, std::uint32_t argb,
                    bool readsUpwards) {
  if (isVisible(box, update_))
    items_.push_back(TextBox{box, std::move(text), flags, font, argb, readsUpwards});
}

void DrawList::image(ImagePlacement placement) {
  if (isVisible(placement.target, update_)) items_.push_back(placement);
}

void DrawList::append(DrawList&& other) {
  items_.insert(items_.end(), std::make_move_iterator(other.items_.begin()),
                std::make_move_iterator(other.items_.end()));
  other.items_.clear();
}

std::string formatInt(int value) { return std::to_string(value); }

std::string formatDecimals(double value, int precision) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
  return buffer;
}

std::string formatWide6(double value, int precision) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%6.*f", precision, value);
  return buffer;
}

}  // namespace corvana::spectral
