#include "plots/plot_primitives.h"

#include <gtest/gtest.h>

namespace corvana {
namespace {

struct IntersectCase {
  const char* what;
  PlotBox a, b;
  bool expected;
};

TEST(PlotPrimitives, BoxesIntersectOnlyWhenTheyShareArea) {
  const IntersectCase cases[] = {
      {"overlap", {0, 0, 10, 10}, {5, 5, 10, 10}, true},
      {"contained", {0, 0, 100, 100}, {40, 40, 1, 1}, true},
      {"touching right edge", {0, 0, 10, 10}, {10, 0, 10, 10}, false},
      {"touching bottom edge", {0, 0, 10, 10}, {0, 10, 10, 10}, false},
      {"apart", {0, 0, 10, 10}, {30, 30, 5, 5}, false},
      {"zero width", {5, 0, 0, 10}, {0, 0, 10, 10}, false},
      {"negative height", {0, 0, 10, -5}, {0, -5, 10, 10}, false},
  };
  for (const IntersectCase& c : cases) {
    EXPECT_EQ(intersects(c.a, c.b), c.expected) << c.what;
    EXPECT_EQ(intersects(c.b, c.a), c.expected) << c.what << " (swapped)";
  }
}

// A horizontal hairline has no height of its own; its pen gives it one, so
// an update rectangle just above or below it still repaints it.
TEST(PlotPrimitives, LinesCountTheirPen) {
  LinePrimitive hairline{{10, 20}, {50, 20}, 0xFF000000, 1, true};
  EXPECT_EQ(boundsOf(hairline), (PlotBox{9.5, 19.5, 41, 1}));
  EXPECT_TRUE(needsPainting(hairline, {0, 19.6, 100, 0.2}));
  EXPECT_FALSE(needsPainting(hairline, {0, 21, 100, 5}));
  LinePrimitive thick{{50, 60}, {10, 20}, 0xFF000000, 4, true};
  EXPECT_EQ(boundsOf(thick), (PlotBox{8, 18, 44, 44}));
}

TEST(PlotPrimitives, UpdateRectangleSkipsWhatLiesOutside) {
  const PlotBox update{100, 100, 50, 50};
  const PlotPrimitive inside = TextPrimitive{{120, 120, 10, 10}, "x"};
  const PlotPrimitive outside = FilledRectPrimitive{{0, 0, 100, 100}, 0xFF000000};
  const PlotPrimitive outline = RectPrimitive{{0, 0, 100, 100}, 0xFF000000, 2};  // pen reaches 101
  GradientPolygonPrimitive polygon;
  polygon.points = {{0, 0}, {90, 0}, {200, 120}};
  polygon.colors = {0xFF000000, 0xFF000000, 0xFF000000};
  EXPECT_TRUE(needsPainting(inside, update));
  EXPECT_FALSE(needsPainting(outside, update));
  EXPECT_TRUE(needsPainting(outline, update));
  EXPECT_EQ(boundsOf(polygon), (PlotBox{0, 0, 200, 120}));
  EXPECT_TRUE(needsPainting(polygon, update));
  EXPECT_FALSE(needsPainting(GradientPolygonPrimitive{}, update));
}

TEST(PlotPrimitives, SingleLineTextLosesLineBreaks) {
  EXPECT_EQ(withoutLineBreaks("a\nb\n\nc\n"), "abc");
  EXPECT_EQ(withoutLineBreaks("\xE6\xA0\x87\n\xE6\xA0\xB7"), "\xE6\xA0\x87\xE6\xA0\xB7");
}

}  // namespace
}  // namespace corvana
