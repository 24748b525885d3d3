#pragma once
// A table of a printed report: rows of cell texts (the header first) and the
// width of each column in device pixels.
#include <string>
#include <vector>

namespace corvana {

struct ReportTable {
  std::vector<int> columnWidths;
  std::vector<std::vector<std::string>> rows;

  int width() const;
  // The cell's text; empty beyond the row's cells.
  const std::string& cell(int row, int column) const;
};

// "%5.2f ~ %5.2f" (difference report) and "%6.2f ~ %6.2f" (cumulative report).
std::string limitRangeText(double lower, double upper, int width);

}  // namespace corvana
