#include "plots/tick_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvana::spectral {
namespace {

struct TickCase {
  const char* what;
  float first, last, step;
  bool snap;
  std::vector<Tick> ticks;
};

class TickListTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(TickListTest, TicksAndFractions) {
  const TickCase& c = GetParam();
  EXPECT_EQ(tickList(c.first, c.last, c.step, c.snap), c.ticks) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Axes, TickListTest,
    ::testing::Values(
        TickCase{"wavelength axis",
                 400,
                 700,
                 50,
                 true,
                 {{400, 0}, {450, 1}, {500, 1}, {550, 1}, {600, 1}, {650, 1}, {700, 1}}},
        TickCase{"reflectance labels",
                 0,
                 100,
                 20,
                 false,
                 {{0, 0}, {20, 1}, {40, 1}, {60, 1}, {80, 1}, {100, 1}}},
        TickCase{"zero step", 0, 100, 0, true, {}},
        TickCase{"snap to the next multiple",
                 5,
                 100,
                 20,
                 true,
                 {{5, 0}, {20, 0.75f}, {40, 1}, {60, 1}, {80, 1}, {100, 1}}},
        TickCase{"no snap: steps count from the start, the end closes",
                 5,
                 100,
                 20,
                 false,
                 {{5, 0}, {25, 1}, {45, 1}, {65, 1}, {85, 1}, {100, 0.75f}}},
        TickCase{"end that is no multiple",
                 0,
                 90,
                 20,
                 true,
                 {{0, 0}, {20, 1}, {40, 1}, {60, 1}, {80, 1}, {90, 0.5f}}},
        TickCase{"negative start snaps upwards",
                 -30,
                 50,
                 20,
                 true,
                 {{-30, 0}, {-20, 0.5f}, {0, 1}, {20, 1}, {40, 1}, {50, 0.5f}}},
        TickCase{"no multiple before the end", 5, 15, 20, true, {{5, 0}, {15, 0.5f}}},
        TickCase{"one point", 400, 400, 50, true, {{400, 0}}},
        // 5 x 0.2f lands a hair above 1.0: still the end, no extra tick.
        TickCase{"decimal axis in fifths",
                 0,
                 1.0f,
                 0.2f,
                 true,
                 {{0, 0}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {1, 1}}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(TickListSum, IsTheAxisLengthInSteps) {
  EXPECT_FLOAT_EQ(stepSum(tickList(400, 700, 50, true)), 6.0f);
  EXPECT_FLOAT_EQ(stepSum(tickList(5, 100, 20, true)), 4.75f);
  EXPECT_FLOAT_EQ(stepSum(tickList(5, 100, 20, false)), 4.75f);
  EXPECT_FLOAT_EQ(stepSum(tickList(400, 400, 50, true)), 0.0f);
}

}  // namespace
}  // namespace corvana::spectral
