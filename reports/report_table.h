#pragma once
// A table of a report: rows of cell texts (the header first) and the width
// of each column. Printed pages take the widths in device pixels; a
// word-processor table shares its width out in their proportions.
#include <string>
#include <vector>

namespace corvana {

struct ReportTable {
  std::vector<int> columnWidths;
  std::vector<std::vector<std::string>> rows;

  int width() const;
  // The widths' count, or the first row's cells when no widths are set.
  int columnCount() const;
  int rowCount() const { return int(rows.size()); }
  // The cell's text; empty beyond the row's cells.
  const std::string& cell(int row, int column) const;
};

// "%5.2f ~ %5.2f" (difference report) and "%6.2f ~ %6.2f" (cumulative report).
std::string limitRangeText(double lower, double upper, int width);

}  // namespace corvana
