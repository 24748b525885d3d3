#pragma once
// A report's table: rows of cell texts and one width per column, shared by
// the printed and the word-processor reports.
#include <string>
#include <vector>

namespace corvana {

struct ReportTable {
  std::vector<std::vector<std::string>> rows;
  std::vector<double> widths;  // one per column, in the report's units

  int rowCount() const { return int(rows.size()); }
  int columnCount() const { return rows.empty() ? 0 : int(rows.front().size()); }
};

}  // namespace corvana
