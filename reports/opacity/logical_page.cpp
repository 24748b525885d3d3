#include "reports/opacity/logical_page.h"

#include <algorithm>
#include <cmath>

namespace corvana {

namespace {

using namespace spectral;

int mapped(int logical, int dpi, int origin) {
  return origin + int(std::lround(double(logical) * dpi / kLogicalPerInch));
}

int penWidth(int logical, const LogicalMapping& m) {
  return std::max(1, int(std::lround(logical * m.scale())));
}

Point point(const Point& p, const LogicalMapping& m) { return {m.x(p.x), m.y(p.y)}; }
PointF point(const PointF& p, const LogicalMapping& m) { return {m.x(p.x), m.y(p.y)}; }

}  // namespace

int LogicalMapping::x(int logical) const { return mapped(logical, dpiX, originX); }
int LogicalMapping::y(int logical) const { return mapped(logical, dpiY, originY); }
double LogicalMapping::x(double logical) const {
  return originX + logical * dpiX / kLogicalPerInch;
}
double LogicalMapping::y(double logical) const {
  return originY + logical * dpiY / kLogicalPerInch;
}

Rect LogicalMapping::rect(const Rect& r) const {
  const int left = x(r.x), top = y(r.y);
  return {left, top, x(r.right()) - left, y(r.bottom()) - top};
}

Font deviceFont(const Font& logical, const LogicalMapping& mapping) {
  Font font = logical;
  font.size = logical.size * mapping.scale();
  return font;
}

DrawList toDevice(const DrawList& logical, const LogicalMapping& m) {
  DrawList out(m.rect(logical.update()));
  for (const Primitive& item : logical.items()) {
    if (const auto* l = std::get_if<Line>(&item)) {
      out.line(point(l->from, m), point(l->to, m), l->argb, penWidth(l->width, m), l->style);
    } else if (const auto* p = std::get_if<Polyline>(&item)) {
      std::vector<Point> points;
      for (const Point& q : p->points) points.push_back(point(q, m));
      out.polyline(std::move(points), p->closed, p->argb, penWidth(p->width, m));
    } else if (const auto* f = std::get_if<FrameRect>(&item)) {
      out.frame(m.rect(f->box), f->argb, penWidth(f->width, m));
    } else if (const auto* f = std::get_if<FillRect>(&item)) {
      out.fill(m.rect(f->box), f->argb);
    } else if (const auto* t = std::get_if<TextBox>(&item)) {
      out.text(m.rect(t->box), t->text, t->flags, deviceFont(t->font, m), t->argb, t->readsUpwards);
    } else if (const auto* b = std::get_if<BezierChain>(&item)) {
      BezierChain chain = *b;
      chain.start = point(b->start, m);
      for (PointF& q : chain.points) q = point(q, m);
      chain.width = penWidth(b->width, m);
      out.bezier(std::move(chain));
    } else if (const auto* i = std::get_if<ImagePlacement>(&item)) {
      ImagePlacement placement = *i;
      placement.target = m.rect(i->target);
      out.image(placement);
    }
  }
  return out;
}

TextWidth logicalTextWidth(TextWidth deviceWidth, LogicalMapping mapping) {
  return [deviceWidth = std::move(deviceWidth), mapping](std::string_view text, const Font& font) {
    const int pixels = deviceWidth(text, deviceFont(font, mapping));
    // Rounded up: a box of the logical width holds the text on the device.
    return int(std::ceil(double(pixels) * kLogicalPerInch / mapping.dpiX));
  };
}

}  // namespace corvana
