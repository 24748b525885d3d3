#include "reports/report_table.h"

#include <numeric>

#include "core/number_text.h"

namespace corvana {

int ReportTable::width() const {
  return std::accumulate(columnWidths.begin(), columnWidths.end(), 0);
}

int ReportTable::columnCount() const {
  if (!columnWidths.empty()) return int(columnWidths.size());
  return rows.empty() ? 0 : int(rows.front().size());
}

const std::string& ReportTable::cell(int row, int column) const {
  static const std::string empty;
  if (row < 0 || std::size_t(row) >= rows.size()) return empty;
  const auto& cells = rows[std::size_t(row)];
  return column >= 0 && std::size_t(column) < cells.size() ? cells[std::size_t(column)] : empty;
}

std::string limitRangeText(double lower, double upper, int width) {
  return formatFixed(lower, 2, width) + " ~ " + formatFixed(upper, 2, width);
}

}  // namespace corvana
