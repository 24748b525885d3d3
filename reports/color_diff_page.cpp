#include "reports/color_diff_page.h"

#include "reports/color_diff_report.h"
#include "reports/print_layout.h"
#include "reports/print_plots.h"

namespace corvana {

namespace {

constexpr unsigned kCentred =
    spectral::AlignHCenter | spectral::AlignVCenter | spectral::SingleLine;
constexpr unsigned kLeft = spectral::AlignLeft | spectral::AlignVCenter | spectral::SingleLine;
constexpr unsigned kRight = spectral::AlignVCenter | spectral::SingleLine;

// Rows of height h, cells centred on one line, no ruling; the header row in
// the bold header font. A text wider than its column is drawn smaller, so
// "J. Result" never runs into "Color Direction".
void drawTable(spectral::DrawList& list, const ReportTable& table, int x, int y, int h) {
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const spectral::Font font = printFont(h, r == 0);
    int cx = x;
    for (std::size_t c = 0; c < table.columnWidths.size(); ++c) {
      const int width = table.columnWidths[c];
      list.text({cx, y + int(r) * h, width, h}, table.cell(int(r), int(c)),
                kCentred | spectral::ShrinkToFit, font, kPrintBlack);
      cx += width;
    }
  }
}

}  // namespace

PrintPage colorDiffPage(const Job& job, int pageWidth, int pageHeight, const RecordTime& now) {
  const PrintMetrics metrics = printMetrics(pageWidth, pageHeight);
  const int h = metrics.h(), H = metrics.H();
  const ColorDiffReport report = colorDiffReport(job, now, h);
  PrintPage page(pageWidth, pageHeight);
  const int left = kPrintMargin, right = pageWidth - kPrintMargin, width = right - left;
  int top = kPrintMargin;
  const spectral::Font normal = printFont(h), title = printFont(H, true),
                       header = printFont(h, true);

  page.list().text({left, top, width, h}, report.dateTime, kRight, normal, kPrintBlack);
  top += h;
  for (const CompanyLine& line : report.companyLines) {
    page.list().text({left, top, width, H}, line.text, line.centred ? kCentred : kRight, title,
                     kPrintBlack);
    top += H;
  }
  top += h;
  const int split = 16 * h;
  for (const auto& [first, second] : report.conditions) {
    page.list().text({left, top, split - left, h}, first, kLeft, normal, kPrintBlack);
    page.list().text({split, top, right - split, h}, second, kLeft, normal, kPrintBlack);
    top += h;
  }
  top += h;
  if (report.xyDiagram)
    addPrintXyDiagram(page, job, metrics, left + 3 * h, top);
  else
    addPrintDifferenceSquare(page, job, metrics, left + 3 * h, top);
  top += h + printPlotBandHeight(job, h);

  spectral::DrawList& list = page.list();
  drawTable(list, report.tolerance, left, top, h);
  top += 4 * h;
  list.text({left + h, top, width - h, h}, report.judgeLine, kLeft, normal, kPrintBlack);
  top += 2 * h;
  drawTable(list, report.standard, left, top, h);
  top += 5 * h;
  drawTable(list, report.sample, left, top, h);
  top += 5 * h;
  drawTable(list, report.difference, left, top, h);
  top += 5 * h;
  list.text({left, top, width, h}, report.instrumentLine, kRight, normal, kPrintBlack);
  top += 2 * h;
  list.text({left, top, width, h}, report.signatureLine, kRight, header, kPrintBlack);
  return page;
}

}  // namespace corvana
