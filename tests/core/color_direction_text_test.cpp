#include "core/color_direction_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvana {
namespace {

TEST(ColorDirection, Texts) {
  struct Case {
    float dL, da, db, a, b;
    const char* text;
  } cases[] = {
      {-0.6f, 0.1f, 0.3f, 5.0f, 12.0f, "Y+, L--"},    {0.0f, 0.26f, 0.0f, -3.0f, 0.0f, "G-"},
      {0.0f, 0.25f, 0.0f, -3.0f, 0.0f, ""},           {0.0f, 0.6f, 0.0f, 2.0f, 0.0f, "R++"},
      {0.0f, 0.5f, 0.0f, 2.0f, 0.0f, "R+"},           {0.0f, -0.6f, 0.0f, 2.0f, 0.0f, "R--"},
      {0.0f, -0.5f, 0.0f, 2.0f, 0.0f, "R-"},          {0.0f, 0.6f, 0.0f, -2.0f, 0.0f, "G--"},
      {0.0f, -0.6f, 0.0f, -2.0f, 0.0f, "G++"},        {0.0f, -0.3f, 0.0f, -2.0f, 0.0f, "G+"},
      {0.0f, 0.3f, 0.0f, 0.0f, 0.0f, "R+"},           {0.0f, -0.6f, 0.0f, 0.0f, 0.0f, "G++"},
      {0.0f, 0.0f, -0.3f, 0.0f, 0.0f, "B+"},          {0.0f, 0.0f, 0.7f, 0.0f, -4.0f, "B--"},
      {0.0f, 0.0f, -0.7f, 0.0f, -4.0f, "B++"},        {0.0f, 0.0f, -0.4f, 0.0f, 4.0f, "Y-"},
      {0.3f, -0.3f, 0.6f, 1.0f, 1.0f, "R-, Y++, L+"}, {-0.3f, 0.0f, 0.0f, 1.0f, 1.0f, "L-"},
      {0.51f, 0.0f, 0.0f, 1.0f, 1.0f, "L++"},         {NAN, NAN, NAN, 1.0f, 1.0f, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(colorDirectionText(c.dL, c.da, c.db, c.a, c.b), c.text)
        << c.dL << " " << c.da << " " << c.db << " / " << c.a << " " << c.b;
}

}  // namespace
}  // namespace corvana
