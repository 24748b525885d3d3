#pragma once
// Sizes of the chromaticity pane from the window size and the table's texts.
// Every other size of the pane derives from the line height F.
#include <array>
#include <cstdint>
#include <string_view>

#include "plots/plot_cell.h"
#include "plots/plot_primitives.h"

namespace corvana {

class Job;

struct ChromaLayout {
  float F = 0;                                   // line height in pixels
  std::uint16_t plotSide = 0;                    // 0: no plot
  std::uint16_t barWidth = 0;                    // 0: no component bar
  std::array<int, kPlotColumns> columnWidths{};  // columns beyond those in use are 0
  friend bool operator==(const ChromaLayout&, const ChromaLayout&) = default;
};

struct ChromaLayoutInput {
  int width = 0, height = 0;  // client area
  int columns = 3;            // in use: 3, 6 or 9
  int rows = 0;               // of one group
  bool plotMode = false;      // one group, a space other than RGB
};

// Character count, plus 0.85 for every character from U+4E00 to U+9FBF, so a
// CJK character weighs 1.85.
double textWeight(std::string_view utf8);

// Point size of a font role at a line height, truncated at each cast.
int fontPointSize(FontRole font, float F);

// The unit F is the smaller of a height-based one, H / (rows + 4.2), and a
// width-based one from the heaviest row's weight d; column widths are the
// measured heaviest text of each column in the table font plus 0.75 F. When
// the width decided and more than 50 pixels are spare (or missing), the
// columns share them and F follows, up to the height-based unit. A window
// too low for the plot gets plot side 0.
ChromaLayout layoutCells(const PlotCells& cells, const ChromaLayoutInput& input,
                         const TextMeasure& measure);

// The input for a job shown with 1 + illuminantGroups groups.
ChromaLayoutInput layoutInputFor(const Job& job, int illuminantGroups, int width, int height);

}  // namespace corvana
