#include "plots/plot_primitives.h"

#include <algorithm>
#include <cmath>

namespace corvana {

namespace {

PlotBox lineBounds(const LinePrimitive& line) {
  // Half the pen on every side, and at least one pixel for a hairline.
  const double pad = std::max(line.penWidth, 1.0) / 2;
  const double left = std::min(line.from.x, line.to.x), right = std::max(line.from.x, line.to.x);
  const double top = std::min(line.from.y, line.to.y), bottom = std::max(line.from.y, line.to.y);
  return {left - pad, top - pad, right - left + 2 * pad, bottom - top + 2 * pad};
}

PlotBox outlineBounds(const RectPrimitive& rect) {
  const double pad = std::max(rect.penWidth, 1.0) / 2;
  return {rect.box.x - pad, rect.box.y - pad, rect.box.width + 2 * pad, rect.box.height + 2 * pad};
}

PlotBox polygonBounds(const GradientPolygonPrimitive& polygon) {
  if (polygon.points.empty()) return {};
  double left = polygon.points[0].x, right = left, top = polygon.points[0].y, bottom = top;
  for (const PlotPoint& p : polygon.points) {
    left = std::min(left, p.x), right = std::max(right, p.x);
    top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  }
  return {left, top, right - left, bottom - top};
}

}  // namespace

PlotBox boundsOf(const PlotPrimitive& primitive) {
  struct Visitor {
    PlotBox operator()(const LinePrimitive& p) const { return lineBounds(p); }
    PlotBox operator()(const RectPrimitive& p) const { return outlineBounds(p); }
    PlotBox operator()(const FilledRectPrimitive& p) const { return p.box; }
    PlotBox operator()(const FilledEllipsePrimitive& p) const { return p.box; }
    PlotBox operator()(const TextPrimitive& p) const { return p.box; }
    PlotBox operator()(const GradientPolygonPrimitive& p) const { return polygonBounds(p); }
  };
  return std::visit(Visitor{}, primitive);
}

bool intersects(const PlotBox& a, const PlotBox& b) {
  if (!(a.width > 0 && a.height > 0 && b.width > 0 && b.height > 0)) return false;
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

bool needsPainting(const PlotPrimitive& primitive, const PlotBox& update) {
  return intersects(boundsOf(primitive), update);
}

std::string withoutLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\n') out += c;
  return out;
}

}  // namespace corvana
