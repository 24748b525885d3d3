#pragma once
// The plot model: maps logical values to pixels of an area inside its window
// and draws frame, grid, tick labels and curves as primitives. Subclasses fix
// the axes and supply captions and series.
#include <cstdint>
#include <string>
#include <vector>

#include "plots/spectral_primitives.h"
#include "plots/tick_list.h"

namespace corvana::spectral {

struct Axis {
  float minimum = 0, maximum = 0, step = 0;
};

struct SeriesPoint {
  float x = 0, y = 0;
  bool valid = false;
};

constexpr std::uint32_t kPlotBackground = 0xFFC0C0C0;
constexpr std::uint32_t kPlotText = 0xFF000000;
constexpr std::uint32_t kStandardGreen = 0xFF008055;
constexpr std::uint32_t kSampleBlue = 0xFF0000FF;
constexpr std::uint32_t kOtherSampleGrey = 0xFF808080;
constexpr std::uint32_t kDifferenceMagenta = 0xFFFF00FF;

// The colour of a record's curve: the current standard green, the current
// sample blue, every other sample grey.
std::uint32_t curveColour(bool isCurrentStandard, bool isCurrentSample);

class LogicalCoordinate2 {
 public:
  static constexpr int kLeftMargin = 15, kTopMargin = 10, kRightMargin = 15, kBottomMargin = 25;
  static constexpr int kYLabelGap = 25;  // left of the plot
  static constexpr int kXLabelGap = 15;  // below the plot

  LogicalCoordinate2() = default;
  virtual ~LogicalCoordinate2() = default;

  // Slot order of the original model.
  virtual void drawVerticalCaption(DrawList& out, const Rect& strip) const;
  virtual void drawHorizontalCaption(DrawList& out, const Rect& strip) const;
  virtual bool showsMessage() const { return false; }
  virtual SeriesPoint getPoint(int series, int index) const;
  virtual int seriesCount() const { return 0; }
  virtual int pointCount(int series) const;
  virtual std::uint32_t seriesColor(int series) const;

  void setAxes(Axis x, Axis y);
  void setTicks(std::vector<Tick> x, std::vector<Tick> y);
  const Axis& xAxis() const { return x_; }
  const Axis& yAxis() const { return y_; }
  const std::vector<Tick>& xTicks() const { return xTicks_; }
  const std::vector<Tick>& yTicks() const { return yTicks_; }

  // The area inside the owning window; the scales follow every change.
  void setArea(Rect area);
  const Rect& area() const { return area_; }
  float pixelsPerXStep() const { return pixelsPerX_; }
  float pixelsPerYStep() const { return pixelsPerY_; }

  // Window pixel of a logical point.
  Point pixel(float x, float y) const;
  // The same inside the area, before the offset by its origin.
  Point areaPixel(float x, float y) const;

  // Set before every paint: which series' records get the green and blue
  // curves. The standard, when shown, is series 0; samples follow in order.
  int currentSample = -1;
  bool standardSeries = false;
  // Shown instead of the plot when showsMessage() says so.
  std::string message;

  // Everything of the plot inside the update rectangle of `out`.
  void draw(DrawList& out) const;

 protected:
  std::uint32_t background = kPlotBackground;
  std::uint32_t textColour = kPlotText;

 private:
  void recomputeScales();
  void drawGrid(DrawList& out, const Rect& visible) const;
  void drawCurves(DrawList& out, const Rect& visible) const;

  Axis x_, y_;
  std::vector<Tick> xTicks_, yTicks_;
  Rect area_;
  float pixelsPerX_ = 0, pixelsPerY_ = 0;
};

}  // namespace corvana::spectral
