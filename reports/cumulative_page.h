#pragma once
// The pages of the cumulative report, in device pixels, one after the other.
#include "reports/cumulative_report.h"
#include "reports/print_page.h"

namespace corvana {

class CumulativePages {
 public:
  CumulativePages(CumulativeReport report, int pageWidth, int pageHeight);

  // The pages the content needs.
  int pageCount() const { return pageCount_; }
  int linesPerPage() const { return linesPerPage_; }
  // The next page; past the content, footer-only or empty pages.
  PrintPage nextPage();

 private:
  void drawFirstPage(PrintPage& page) const;
  void drawLine(PrintPage& page, const CumulativeLine& line) const;
  void drawRuledRow(spectral::DrawList& list, int y, const std::vector<int>& widths,
                    const std::vector<std::string>& cells, int nameColumn) const;
  int lineY(int line) const { return kPrintMargin + line * metrics_.u; }

  CumulativeReport report_;
  PrintMetrics metrics_;
  int linesPerPage_;
  int pageCount_;
  CumulativeState state_;
  ReportTable standardTable_, sampleHeader_;
};

}  // namespace corvana
