#pragma once
// Jobs and a fixed layout for the chromaticity pane's geometry, and lookups
// into the primitive list.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "core/job.h"
#include "core/job_manager.h"
#include "plots/chroma_pane.h"
#include "plots/plot_primitives.h"
#include "tests/core/job_fixtures.h"

namespace corvana::testing {

// Every character five pixels wide, whatever the font.
inline TextMeasure fivePixelsPerCharacter() {
  return [](std::string_view text, FontRole, int) {
    double n = 0;
    for (unsigned char c : text)
      if ((c & 0xC0) != 0x80) ++n;
    return 5 * n;
  };
}

// F = 20 and round widths keep the expectations countable by hand.
inline ChromaLayout fixedLayout(int plotSide, std::vector<int> widths = {60, 80, 80}) {
  ChromaLayout layout;
  layout.F = 20;
  layout.plotSide = std::uint16_t(plotSide);
  layout.barWidth = 120;
  for (std::size_t i = 0; i < widths.size(); ++i) layout.columnWidths[i] = widths[i];
  return layout;
}

template <class T>
std::vector<T> primitivesOf(const PlotPrimitives& list) {
  std::vector<T> out;
  for (const PlotPrimitive& p : list)
    if (const T* t = std::get_if<T>(&p)) out.push_back(*t);
  return out;
}

inline std::vector<TextPrimitive> textsEqual(const PlotPrimitives& list, std::string_view text) {
  std::vector<TextPrimitive> out;
  for (const TextPrimitive& t : primitivesOf<TextPrimitive>(list))
    if (t.text == text) out.push_back(t);
  return out;
}

inline std::vector<LinePrimitive> linesOf(const PlotPrimitives& list, std::uint32_t color) {
  std::vector<LinePrimitive> out;
  for (const LinePrimitive& l : primitivesOf<LinePrimitive>(list))
    if (l.color == color) out.push_back(l);
  return out;
}

inline bool hasLine(const std::vector<LinePrimitive>& lines, PlotPoint from, PlotPoint to,
                    double tolerance = 1e-6) {
  for (const LinePrimitive& l : lines)
    if (std::abs(l.from.x - from.x) < tolerance && std::abs(l.from.y - from.y) < tolerance &&
        std::abs(l.to.x - to.x) < tolerance && std::abs(l.to.y - to.y) < tolerance)
      return true;
  return false;
}

inline void expectBox(const PlotBox& actual, const PlotBox& expected, const char* what,
                      double tolerance = 1e-6) {
  EXPECT_NEAR(actual.x, expected.x, tolerance) << what << " x";
  EXPECT_NEAR(actual.y, expected.y, tolerance) << what << " y";
  EXPECT_NEAR(actual.width, expected.width, tolerance) << what << " width";
  EXPECT_NEAR(actual.height, expected.height, tolerance) << what << " height";
}

}  // namespace corvana::testing
