#include "plots/spectral_strip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace corvana::spectral {
namespace {

// HSV hue in degrees, 0 red, 120 green, 240 blue.
double hueOf(Rgb c) {
  const double r = c.r, g = c.g, b = c.b;
  const double top = std::max({r, g, b}), span = top - std::min({r, g, b});
  if (span == 0) return -1;
  double h;
  if (top == r)
    h = 60 * std::fmod((g - b) / span + 6, 6);
  else if (top == g)
    h = 60 * ((b - r) / span + 2);
  else
    h = 60 * ((r - g) / span + 4);
  return h;
}

Rgb columnAt(const std::vector<std::vector<Rgb>>& rows, double nm) {
  const int column = std::clamp(int(spectrumColumnOf(nm)), 0, kSpectrumWidth - 1);
  return rows[0][std::size_t(column)];
}

TEST(SpectrumStrip, SizeAndRows) {
  const auto rows = spectrumStripRows();
  ASSERT_EQ(rows.size(), std::size_t(kSpectrumHeight));
  EXPECT_EQ(kSpectrumWidth, 402);
  EXPECT_EQ(kSpectrumHeight, 35);
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), std::size_t(kSpectrumWidth));
    EXPECT_EQ(row, rows[0]);  // the colour changes only across
  }
}

TEST(SpectrumStrip, VioletAtTheLeftRedAtTheRight) {
  const auto rows = spectrumStripRows();
  const Rgb left = rows[0].front(), right = rows[0].back();
  // Violet: blue strongest, some red, hardly any green.
  EXPECT_EQ(left.b, 255);
  EXPECT_GT(left.r, left.g);
  EXPECT_GT(left.r, 60);
  // Red: full red, the others far below it.
  EXPECT_EQ(right.r, 255);
  EXPECT_LT(right.g, 60);
  EXPECT_LT(right.b, 60);
}

TEST(SpectrumStrip, ColoursInSpectralOrder) {
  const auto rows = spectrumStripRows();
  struct Band {
    double nm;
    const char* name;
    double hueLow, hueHigh;
  };
  const Band bands[] = {
      {405, "violet", 250, 300}, {460, "blue", 215, 250}, {490, "cyan", 165, 205},
      {525, "green", 95, 145},   {575, "yellow", 45, 75}, {600, "orange", 15, 45},
      {680, "red", 0, 12},
  };
  double previous = 360;
  for (const Band& band : bands) {
    const double hue = hueOf(columnAt(rows, band.nm));
    EXPECT_GE(hue, band.hueLow) << band.name;
    EXPECT_LE(hue, band.hueHigh) << band.name;
    EXPECT_LT(hue, previous) << band.name;
    previous = hue;
  }
}

TEST(SpectrumStrip, ColumnsSpan400To700) {
  EXPECT_DOUBLE_EQ(spectrumColumnOf(400), 0);
  EXPECT_DOUBLE_EQ(spectrumColumnOf(700), 402);
  EXPECT_DOUBLE_EQ(spectrumColumnOf(550), 201);
  EXPECT_DOUBLE_EQ(spectrumColumnWavelength(0), 400 + 150.0 / 402);
  EXPECT_DOUBLE_EQ(spectrumColumnWavelength(401), 700 - 150.0 / 402);
  // Outside the strip the colour of its end.
  EXPECT_EQ(spectralColour(380), spectralColour(400));
  EXPECT_EQ(spectralColour(750), spectralColour(700));
}

}  // namespace
}  // namespace corvana::spectral
