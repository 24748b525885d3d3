#include "plots/logical_coordinate.h"

#include <algorithm>
#include <climits>
#include <cstddef>

#include "plots/spectral_spline.h"

namespace corvana::spectral {

namespace {

constexpr int kPlotLeft = LogicalCoordinate2::kLeftMargin + LogicalCoordinate2::kYLabelGap;
constexpr int kPlotBottomGap = LogicalCoordinate2::kBottomMargin + LogicalCoordinate2::kXLabelGap;
const Font kLabelFont{FontFace::UserInterface, 8, FontUnit::Points};

Rect offset(Rect r, const Rect& area) { return {r.x + area.x, r.y + area.y, r.width, r.height}; }
Point shifted(Point p, const Rect& area) { return {p.x + area.x, p.y + area.y}; }

}  // namespace

std::uint32_t curveColour(bool isCurrentStandard, bool isCurrentSample) {
  if (isCurrentStandard) return kStandardGreen;
  return isCurrentSample ? kSampleBlue : kOtherSampleGrey;
}

void LogicalCoordinate2::drawVerticalCaption(DrawList&, const Rect&) const {}
void LogicalCoordinate2::drawHorizontalCaption(DrawList&, const Rect&) const {}
SeriesPoint LogicalCoordinate2::getPoint(int, int) const { return {}; }
int LogicalCoordinate2::pointCount(int) const { return 0; }
std::uint32_t LogicalCoordinate2::seriesColor(int) const { return kSampleBlue; }

void LogicalCoordinate2::setAxes(Axis x, Axis y) {
  x_ = x;
  y_ = y;
}

void LogicalCoordinate2::setTicks(std::vector<Tick> x, std::vector<Tick> y) {
  xTicks_ = std::move(x);
  yTicks_ = std::move(y);
  recomputeScales();
}

void LogicalCoordinate2::setArea(Rect area) {
  area_ = area;
  recomputeScales();
}

void LogicalCoordinate2::recomputeScales() {
  // An axis without steps keeps the scale it had.
  const float xSum = stepSum(xTicks_), ySum = stepSum(yTicks_);
  if (xSum != 0)
    pixelsPerX_ = float((area_.width - kRightMargin - kLeftMargin) - kYLabelGap) / xSum;
  if (ySum != 0)
    pixelsPerY_ = float((area_.height - kBottomMargin - kTopMargin) - kXLabelGap) / ySum;
}

Point LogicalCoordinate2::areaPixel(float x, float y) const {
  Point p;
  if (x_.step != 0) p.x = int((x - x_.minimum) * pixelsPerX_ / x_.step + float(kPlotLeft));
  if (y_.step != 0)
    p.y = int(float(std::uint16_t(area_.height - kPlotBottomGap)) -
              (y - y_.minimum) * pixelsPerY_ / y_.step);
  return p;
}

Point LogicalCoordinate2::pixel(float x, float y) const { return shifted(areaPixel(x, y), area_); }

void LogicalCoordinate2::draw(DrawList& out) const {
  const Rect visible = intersection(out.update(), area_);
  if (visible.isEmpty()) return;
  out.fill(visible, background);
  DrawList inside(visible);
  if (showsMessage()) {
    inside.text(area_, message, AlignHCenter | AlignVCenter, kLabelFont, textColour);
  } else {
    const Rect left = offset({0, 0, kLeftMargin, area_.height}, area_);
    if (isVisible(left, visible)) drawVerticalCaption(inside, left);
    const Rect bottom = offset({kPlotLeft, area_.height - kBottomMargin,
                                area_.width - kPlotLeft - kRightMargin, kBottomMargin},
                               area_);
    if (isVisible(bottom, visible)) drawHorizontalCaption(inside, bottom);
    drawGrid(inside, visible);
    drawCurves(inside, visible);
  }
  out.append(std::move(inside));
}

void LogicalCoordinate2::drawGrid(DrawList& out, const Rect&) const {
  const int w = area_.width, h = area_.height;
  float x = float(kPlotLeft);
  for (std::size_t i = 0; i < xTicks_.size(); ++i) {
    x += pixelsPerX_ * xTicks_[i].fraction;
    const int px = i + 1 == xTicks_.size() ? w - kRightMargin : int(x);
    out.line(shifted({px, kTopMargin}, area_), shifted({px, h - 41}, area_), textColour);
    out.text(offset({px - 50, h - 40, 100, 15}, area_), formatInt(xTicks_[i].value), AlignHCenter,
             kLabelFont, textColour);
  }
  float y = float(h - kPlotBottomGap);
  for (std::size_t i = 0; i < yTicks_.size(); ++i) {
    y -= pixelsPerY_ * yTicks_[i].fraction;
    const int py = i + 1 == yTicks_.size() ? kTopMargin : int(y);
    const bool first = i == 0;
    out.line(shifted({kPlotLeft, py}, area_), shifted({first ? w - 15 : w - 16, py}, area_),
             textColour);
    out.text(offset({-60, first ? py - 14 : py - 8, 100, 16}, area_), formatInt(yTicks_[i].value),
             AlignVCenter, kLabelFont, textColour);
  }
}

void LogicalCoordinate2::drawCurves(DrawList& out, const Rect& visible) const {
  const int series = seriesCount();
  // The other samples first, so that their grey curves never hide the curves
  // the operator compares: the standard, then the current sample on top.
  const int currentSeries = currentSample >= 0 && currentSample + (standardSeries ? 1 : 0) < series
                                ? currentSample + (standardSeries ? 1 : 0)
                                : -1;
  std::vector<int> order;
  order.reserve(std::size_t(std::max(series, 0)));
  for (int s = 0; s < series; ++s)
    if (!(standardSeries && s == 0) && s != currentSeries) order.push_back(s);
  if (standardSeries && series > 0) order.push_back(0);
  if (currentSeries >= 0) order.push_back(currentSeries);
  std::vector<Point> points;
  for (const int s : order) {
    points.clear();
    const int n = pointCount(s);
    for (int i = 0; i < n; ++i) {
      const SeriesPoint p = getPoint(s, i);
      if (p.valid) points.push_back(pixel(p.x, p.y));
    }
    if (points.size() < 2) continue;
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const Point& p : points) {
      left = std::min(left, p.x), right = std::max(right, p.x);
      top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    }
    if (!isVisible({left, top, right - left + 1, bottom - top + 1}, visible)) continue;
    const bool isStandard = standardSeries && s == 0;
    const int sample = s - (standardSeries ? 1 : 0);
    BezierChain chain = cardinalSpline(points, 0.5);
    chain.argb = curveColour(isStandard, !isStandard && sample == currentSample);
    out.bezier(std::move(chain));
  }
}

}  // namespace corvana::spectral
