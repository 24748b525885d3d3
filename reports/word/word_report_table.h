#pragma once
// A table of a word-processor report: rows of cell texts and one width per
// column.
#include <string>
#include <vector>

namespace corvana {

struct DocumentTable {
  std::vector<std::vector<std::string>> rows;
  std::vector<double> widths;  // one per column, in the report's units

  int rowCount() const { return int(rows.size()); }
  int columnCount() const { return rows.empty() ? 0 : int(rows.front().size()); }
};

}  // namespace corvana
