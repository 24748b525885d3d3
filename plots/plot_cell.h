#pragma once
// The table of the chromaticity pane: 30 rows of 10 cells holding the values,
// differences, judgement and colour swatches of the current standard and
// sample for one to three illuminant groups.
#include <array>
#include <cstdint>
#include <string>

namespace corvana {

class Job;

enum PlotCellKind : int { TextCell = 0, FilledCell = 1 };

struct PlotCell {
  std::string text;                  // UTF-8
  std::uint32_t color = 0xFF000000;  // ARGB
  int kind = TextCell;
  friend bool operator==(const PlotCell&, const PlotCell&) = default;
};

constexpr int kPlotRows = 30;
constexpr int kPlotColumns = 10;
using PlotCells = std::array<PlotCell, kPlotRows * kPlotColumns>;

constexpr int cellIndex(int row, int column) { return row * kPlotColumns + column; }

// Rows of one group: C values, a gap, D differences, a gap, the judgement,
// two swatch rows, and the colour direction for the L*a*b*-based spaces.
int groupRowCount(const Job& job);
// The L*a*b*-based spaces (CIE LAB, whiteness, yellowness) show a colour direction.
bool showsColorDirection(const Job& job);

// Fills groups 0..illuminantGroups (0 to 2) from illuminant slots 0..2.
// Returns false and leaves the cells alone when the value table is empty.
bool buildCells(const Job& job, int illuminantGroups, PlotCells& cells);

}  // namespace corvana
