#include "plots/spectral_primitives.h"

#include <gtest/gtest.h>

#include "tests/plots/spectral_test_support.h"

namespace corvana::spectral {
namespace {

using testing::itemsOf;

struct OverlapCase {
  Rect box, update;
  bool visible;
  Rect common;
};

TEST(UpdateRectangle, OnlyABoxThatSharesPixelsIsDrawn) {
  const OverlapCase cases[] = {
      {{0, 0, 10, 10}, {5, 5, 10, 10}, true, {5, 5, 5, 5}},
      {{0, 0, 10, 10}, {10, 0, 5, 5}, false, {}},  // touching edges share no pixel
      {{0, 0, 10, 10}, {0, 10, 5, 5}, false, {}},
      {{2, 2, 3, 3}, {0, 0, 10, 10}, true, {2, 2, 3, 3}},
      {{-60, 196, 100, 16}, {0, 0, 50, 250}, true, {0, 196, 40, 16}},
      {{0, 0, 0, 10}, {0, 0, 10, 10}, false, {}},  // an empty box is never drawn
  };
  for (const OverlapCase& c : cases) {
    EXPECT_EQ(isVisible(c.box, c.update), c.visible) << c.box.x << "," << c.box.y;
    EXPECT_EQ(intersection(c.box, c.update), c.common) << c.box.x << "," << c.box.y;
  }
}

TEST(UpdateRectangle, DrawListDropsWhatMissesIt) {
  DrawList list({0, 0, 100, 100});
  list.line({10, 10}, {10, 90}, 0xFF000000);    // inside
  list.line({150, 10}, {150, 90}, 0xFF000000);  // right of it
  list.line({99, 50}, {200, 50}, 0xFF000000);   // starts on its last column
  list.fill({100, 0, 20, 20}, 0xFF000000);      // beside it
  list.text({-50, 0, 51, 10}, "x", AlignLeft, {}, 0xFF000000);
  list.frame({100, 100, 10, 10}, 0xFF000000);  // frame edge on pixel 100: outside
  EXPECT_EQ(itemsOf<Line>(list).size(), 2u);
  EXPECT_EQ(itemsOf<FillRect>(list).size(), 0u);
  EXPECT_EQ(itemsOf<TextBox>(list).size(), 1u);
  EXPECT_EQ(itemsOf<FrameRect>(list).size(), 0u);
}

TEST(DeviceColour, BgrBecomesOpaqueArgb) {
  EXPECT_EQ(argbFromBgr(0x000000FF), 0xFFFF0000u);  // red
  EXPECT_EQ(argbFromBgr(0x00FF0000), 0xFF0000FFu);  // blue
  EXPECT_EQ(argbFromBgr(0x00808080), 0xFF808080u);
  EXPECT_EQ(argbFromBgr(0x00123456), 0xFF563412u);
}

TEST(NumberTexts, PrintfWidths) {
  EXPECT_EQ(formatWide6(6.25, 3), " 6.250");
  EXPECT_EQ(formatWide6(-6.25, 3), "-6.250");
  EXPECT_EQ(formatWide6(6.25, 0), "     6");
  EXPECT_EQ(formatWide6(100, 4), "100.0000");
  EXPECT_EQ(formatDecimals(20, 0), "20");
  EXPECT_EQ(formatInt(-20), "-20");
}

}  // namespace
}  // namespace corvana::spectral
