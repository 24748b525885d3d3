#include "plots/logical_coordinate.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/plots/spectral_test_support.h"

namespace corvana::spectral {
namespace {

using testing::itemsOf;
using testing::textsNamed;

// The wavelength/reflectance axes with series given as point lists; records
// which caption strips it was asked to fill.
class TableModel : public LogicalCoordinate2 {
 public:
  TableModel() {
    setAxes({400, 700, 50}, {0, 1.0f, 0.2f});
    setTicks(tickList(400, 700, 50, true), tickList(0, 100, 20, true));
  }
  std::vector<std::vector<SeriesPoint>> series;
  mutable std::vector<Rect> verticalCaptions, horizontalCaptions;

  void drawVerticalCaption(DrawList&, const Rect& r) const override {
    verticalCaptions.push_back(r);
  }
  void drawHorizontalCaption(DrawList&, const Rect& r) const override {
    horizontalCaptions.push_back(r);
  }
  int seriesCount() const override { return int(series.size()); }
  int pointCount(int s) const override { return int(series[std::size_t(s)].size()); }
  SeriesPoint getPoint(int s, int i) const override {
    return series[std::size_t(s)][std::size_t(i)];
  }
};

std::vector<SeriesPoint> flat(float y, int n = 31) {
  std::vector<SeriesPoint> points;
  for (int i = 0; i < n; ++i) points.push_back({float(400 + 10 * i), y, true});
  return points;
}

TEST(LogicalCoordinateBase, DrawsNothingOfItsOwnButTheFrameworkAroundSeries) {
  LogicalCoordinate2 base;
  EXPECT_FALSE(base.showsMessage());
  EXPECT_EQ(base.seriesCount(), 0);
  EXPECT_EQ(base.pointCount(0), 0);
  EXPECT_FALSE(base.getPoint(0, 0).valid);
  EXPECT_EQ(base.seriesColor(0), 0xFF0000FFu);
}

TEST(LogicalCoordinateScales, FollowTheAreaAndKeepTheOldScaleForAZeroSum) {
  TableModel model;
  model.setArea({0, 0, 355, 250});
  EXPECT_FLOAT_EQ(model.pixelsPerXStep(), 50.0f);  // (355 - 55) / 6
  EXPECT_FLOAT_EQ(model.pixelsPerYStep(), 40.0f);  // (250 - 50) / 5
  model.setArea({7, 9, 655, 300});
  EXPECT_FLOAT_EQ(model.pixelsPerXStep(), 100.0f);
  EXPECT_FLOAT_EQ(model.pixelsPerYStep(), 50.0f);

  // A single x tick sums to zero steps: x keeps 100, y still follows.
  model.setTicks({{400, 0}}, tickList(0, 100, 20, true));
  model.setArea({0, 0, 355, 250});
  EXPECT_FLOAT_EQ(model.pixelsPerXStep(), 100.0f);
  EXPECT_FLOAT_EQ(model.pixelsPerYStep(), 40.0f);
}

struct PixelCase {
  float x, y;
  Point pixel;
};

TEST(LogicalCoordinatePixels, AreaPixelsOffsetByTheOrigin) {
  TableModel model;
  model.setArea({100, 20, 355, 250});  // 50 px per 50 nm, 40 px per 0.2
  const PixelCase cases[] = {
      {400, 0, {140, 230}},     // x 0 + 40, y (250 - 40) - 0
      {700, 1.0f, {440, 30}},   // x 300 + 40, y 210 - 200
      {450, 0.5f, {190, 130}},  // x 50 + 40, y 210 - 100
      {425, 0.1f, {165, 210}},  // x 25 + 40, y 210 - 20
      {380, 0, {120, 230}},     // left of the axis: no clamping
  };
  for (const PixelCase& c : cases) EXPECT_EQ(model.pixel(c.x, c.y), c.pixel) << c.x << "," << c.y;
}

TEST(LogicalCoordinatePixels, AZeroStepGivesZeroOnThatAxis) {
  TableModel model;
  model.setArea({100, 20, 355, 250});
  model.setAxes({400, 700, 0}, {0, 1.0f, 0.2f});
  EXPECT_EQ(model.pixel(550, 0.5f), (Point{100, 130}));
  model.setAxes({400, 700, 50}, {0, 1.0f, 0});
  EXPECT_EQ(model.pixel(550, 0.5f), (Point{290, 20}));  // x 150 + 40
}

TEST(LogicalCoordinateGrid, TicksLinesAndLabelBoxes) {
  TableModel model;
  model.setArea({0, 0, 358, 250});  // 50.5 px per x step, 40 per y step
  DrawList out({0, 0, 358, 250});
  model.draw(out);

  std::vector<int> vertical, horizontalEnds;
  std::vector<int> horizontalY;
  for (const Line& l : itemsOf<Line>(out)) {
    if (l.from.x == l.to.x) {
      vertical.push_back(l.from.x);
      EXPECT_EQ(l.from.y, 10);
      EXPECT_EQ(l.to.y, 209);
    } else {
      horizontalY.push_back(l.from.y);
      EXPECT_EQ(l.from.x, 40);
      horizontalEnds.push_back(l.to.x);
    }
  }
  // 40 + 50.5 k cut to whole pixels, the last one at width - 15.
  EXPECT_EQ(vertical, (std::vector<int>{40, 90, 141, 191, 242, 292, 343}));
  EXPECT_EQ(horizontalY, (std::vector<int>{210, 170, 130, 90, 50, 10}));
  EXPECT_EQ(horizontalEnds, (std::vector<int>{343, 342, 342, 342, 342, 342}));

  const auto label450 = textsNamed(out, "450");
  ASSERT_EQ(label450.size(), 1u);
  EXPECT_EQ(label450[0].box, (Rect{40, 210, 100, 15}));
  EXPECT_EQ(label450[0].flags, unsigned(AlignHCenter));  // bottom by default
  // The first y label sits higher so it clears the x labels.
  const auto label0 = textsNamed(out, "0");
  ASSERT_EQ(label0.size(), 1u);
  EXPECT_EQ(label0[0].box, (Rect{-60, 196, 100, 16}));
  const auto label20 = textsNamed(out, "20");
  ASSERT_EQ(label20.size(), 1u);
  EXPECT_EQ(label20[0].box, (Rect{-60, 162, 100, 16}));
  EXPECT_EQ(label20[0].flags, unsigned(AlignVCenter));  // right by default
  EXPECT_EQ(textsNamed(out, "100").size(), 1u);
}

TEST(LogicalCoordinateGrid, OnlyWhatMeetsTheVisiblePartIsDrawn) {
  TableModel model;
  model.setArea({0, 0, 358, 250});
  DrawList out({0, 0, 100, 150});
  model.draw(out);
  std::vector<int> vertical;
  for (const Line& l : itemsOf<Line>(out))
    if (l.from.x == l.to.x) vertical.push_back(l.from.x);
  EXPECT_EQ(vertical, (std::vector<int>{40, 90}));
  EXPECT_EQ(textsNamed(out, "450").size(), 0u);  // its box starts at y 210
  EXPECT_EQ(textsNamed(out, "0").size(), 0u);
  EXPECT_EQ(textsNamed(out, "60").size(), 1u);
  const auto fills = itemsOf<FillRect>(out);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].box, (Rect{0, 0, 100, 150}));
  EXPECT_EQ(fills[0].argb, kPlotBackground);
}

TEST(LogicalCoordinateCaptions, AskedForOnlyWhenTheirStripIsVisible) {
  TableModel model;
  model.setArea({10, 20, 358, 250});
  DrawList whole({0, 0, 400, 300});
  model.draw(whole);
  EXPECT_EQ(model.verticalCaptions, (std::vector<Rect>{{10, 20, 15, 250}}));
  EXPECT_EQ(model.horizontalCaptions, (std::vector<Rect>{{50, 245, 303, 25}}));

  model.verticalCaptions.clear();
  model.horizontalCaptions.clear();
  DrawList middle({100, 30, 50, 50});
  model.draw(middle);
  EXPECT_TRUE(model.verticalCaptions.empty());
  EXPECT_TRUE(model.horizontalCaptions.empty());
}

TEST(LogicalCoordinateCurves, NeedTwoValidPointsInsideTheVisiblePart) {
  TableModel model;
  model.setArea({0, 0, 355, 250});
  std::vector<SeriesPoint> onePoint = flat(0.5f);
  for (std::size_t i = 1; i < onePoint.size(); ++i) onePoint[i].valid = false;
  std::vector<SeriesPoint> gaps = flat(0.5f);
  for (std::size_t i = 0; i < gaps.size(); i += 2) gaps[i].valid = false;
  model.series = {flat(0.5f), onePoint, std::vector<SeriesPoint>(31), gaps};

  DrawList out({0, 0, 355, 250});
  model.draw(out);
  const auto curves = itemsOf<BezierChain>(out);
  ASSERT_EQ(curves.size(), 2u);
  EXPECT_EQ(curves[0].points.size(), 3u * 30);
  EXPECT_EQ(curves[0].start, (PointF{40, 110}));
  // Every other point: 410, 430, ..., 690 nm.
  EXPECT_EQ(curves[1].points.size(), 3u * 14);
  EXPECT_EQ(curves[1].start, (PointF{50, 110}));

  // A curve that lies wholly outside the update rectangle is left out.
  DrawList corner({0, 0, 30, 30});
  model.draw(corner);
  EXPECT_TRUE(itemsOf<BezierChain>(corner).empty());
}

struct ColourCase {
  bool standardSeries;
  int currentSample;
  std::vector<std::uint32_t> colours;
};

// In drawing order: the other samples, then the standard, the current sample last.
TEST(LogicalCoordinateCurves, ColourOfTheRecordAndDrawingOrder) {
  const std::uint32_t G = kStandardGreen, B = kSampleBlue, Y = kOtherSampleGrey;
  const ColourCase cases[] = {
      {true, 1, {Y, G, B}},   // standard, sample 0, current sample 1
      {true, 0, {Y, G, B}},   // current sample 0 is series 1
      {true, -1, {Y, Y, G}},  // no current sample
      {true, 5, {Y, Y, G}},   // a current sample beyond the series is none
      {false, 0, {Y, Y, B}},  // no standard: the first sample is the current one
      {false, 2, {Y, Y, B}}, {false, -1, {Y, Y, Y}},  // never green without a standard
  };
  for (const ColourCase& c : cases) {
    TableModel model;
    model.setArea({0, 0, 355, 250});
    model.series = {flat(0.2f), flat(0.4f), flat(0.6f)};
    model.standardSeries = c.standardSeries;
    model.currentSample = c.currentSample;
    DrawList out({0, 0, 355, 250});
    model.draw(out);
    std::vector<std::uint32_t> colours;
    for (const BezierChain& b : itemsOf<BezierChain>(out)) colours.push_back(b.argb);
    EXPECT_EQ(colours, c.colours) << c.standardSeries << " " << c.currentSample;
  }
}

class MessageModel : public TableModel {
 public:
  bool showsMessage() const override { return true; }
};

TEST(LogicalCoordinateMessage, ReplacesThePlot) {
  MessageModel model;
  model.message = "No data";
  model.series = {flat(0.5f)};
  model.setArea({0, 0, 355, 250});
  DrawList out({0, 0, 355, 250});
  model.draw(out);
  EXPECT_TRUE(itemsOf<BezierChain>(out).empty());
  EXPECT_TRUE(itemsOf<Line>(out).empty());
  EXPECT_TRUE(model.verticalCaptions.empty());
  const auto texts = itemsOf<TextBox>(out);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "No data");
  EXPECT_EQ(texts[0].font.size, 8);
}

}  // namespace
}  // namespace corvana::spectral
