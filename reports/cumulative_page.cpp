#include "reports/cumulative_page.h"

#include "core/job.h"
#include "core/language_table.h"
#include "reports/report_texts.h"

namespace corvana {

namespace {
constexpr unsigned kCentred =
    spectral::AlignHCenter | spectral::AlignVCenter | spectral::SingleLine;
constexpr unsigned kLeft = spectral::AlignLeft | spectral::AlignVCenter | spectral::SingleLine;
constexpr unsigned kRight = spectral::AlignVCenter | spectral::SingleLine;
}  // namespace

CumulativePages::CumulativePages(CumulativeReport report, int pageWidth, int pageHeight)
    : report_(std::move(report)),
      metrics_(printMetrics(pageWidth, pageHeight)),
      linesPerPage_(cumulativeLinesPerPage(metrics_)),
      pageCount_(
          cumulativePagesNeeded(int(report_.selection.size()), report_.options, linesPerPage_)),
      standardTable_(cumulativeStandardTable(report_.job, metrics_.u)),
      sampleHeader_(cumulativeSampleHeader(report_, metrics_.u)) {}

PrintPage CumulativePages::nextPage() {
  PrintPage page(metrics_.width, metrics_.height);
  const CumulativePagePlan plan =
      planCumulativePage(state_, int(report_.selection.size()), report_.options, linesPerPage_);
  if (plan.firstPage) drawFirstPage(page);
  for (const CumulativeLine& line : plan.lines) drawLine(page, line);
  return page;
}

void CumulativePages::drawRuledRow(spectral::DrawList& list, int y, const std::vector<int>& widths,
                                   const std::vector<std::string>& cells, int nameColumn) const {
  const int u = metrics_.u;
  const spectral::Font font = printFont(u);
  int x = kPrintMargin + u;
  // The row's outline and a line between cells: the ruling of the cells.
  int rowWidth = 0;
  for (int w : widths) rowWidth += w;
  list.frame({x, y, rowWidth, u}, kPrintBlack);
  for (std::size_t c = 0; c < widths.size(); ++c) {
    const spectral::Rect cell{x, y, widths[c], u};
    if (c > 0) list.line({x, y}, {x, y + u}, kPrintBlack);
    const std::string& text = c < cells.size() ? cells[c] : std::string();
    if (!text.empty()) {
      if (int(c) == nameColumn)
        list.text({cell.x + u / 4, y, cell.width - u / 2, u}, text, kLeft | spectral::ElideRight,
                  font, kPrintBlack);
      else
        list.text(cell, text, kCentred | spectral::ShrinkToFit, font, kPrintBlack);
    }
    x += widths[c];
  }
}

void CumulativePages::drawFirstPage(PrintPage& page) const {
  const Job& job = report_.job;
  const int u = metrics_.u, T = int(1.25 * u);
  const int left = kPrintMargin, width = metrics_.width - 2 * kPrintMargin;
  spectral::DrawList& list = page.list();
  const spectral::Font title = printFont(T, true), normal = printFont(u);
  const std::string* company[] = {&job.ChineseName, &job.EnglishName, &job.ChineseAddress,
                                  &job.EnglishAddress};
  for (int i = 0; i < 4; ++i)
    list.text({left, kPrintMargin + i * T, width, T}, *company[i], i < 2 ? kCentred : kRight, title,
              kPrintBlack);
  // The first heading shares the English address's line.
  const int y = kPrintMargin + 3 * T;
  const auto heading = [&](int at, int number, Text text) {
    list.text({left, at, width, u}, numberedHeading(number, text), kLeft, normal, kPrintBlack);
  };
  const auto body = [&](int at, const std::string& text) {
    list.text({left + u, at, width - u, u}, text, kLeft, normal, kPrintBlack);
  };
  heading(y, 1, Text::TestCondition);
  body(y + u, cumulativeConditionLine(report_));
  heading(y + 3 * u, 2, Text::ToleranceSettings);
  body(y + 4 * u, cumulativeToleranceLine(job));
  heading(y + 6 * u, 3, Text::TestData);
  for (int r = 0; r < 2; ++r)
    drawRuledRow(list, lineY(kStandardTableLine + r), standardTable_.columnWidths,
                 standardTable_.rows[std::size_t(r)], r == 1 ? 0 : -1);
  drawRuledRow(list, lineY(kSampleHeaderLine), sampleHeader_.columnWidths, sampleHeader_.rows[0],
               -1);
}

void CumulativePages::drawLine(PrintPage& page, const CumulativeLine& line) const {
  spectral::DrawList& list = page.list();
  const int u = metrics_.u, y = lineY(line.line);
  const int width = metrics_.width - 2 * kPrintMargin;
  switch (line.kind) {
    case CumulativeLineKind::SampleRow:
      drawRuledRow(list, y, sampleHeader_.columnWidths,
                   cumulativeSampleCells(report_, line.item, line.part), 1);
      break;
    case CumulativeLineKind::ReflectanceHeading:
      list.text({kPrintMargin, y, width, u}, LookupText(Text::Reflectance), kLeft, printFont(u),
                kPrintBlack);
      break;
    case CumulativeLineKind::ReflectanceLine: {
      const int cell = reflectanceCellWidth(u);
      const std::vector<std::string> cells = reflectanceBlockCells(report_, line.item, line.part);
      if (line.part == 0)
        drawRuledRow(list, y, {cell, 10 * cell}, cells, 1);
      else
        drawRuledRow(list, y, std::vector<int>(cells.size(), cell), cells, -1);
      break;
    }
    case CumulativeLineKind::Footer:
      list.text({kPrintMargin, y, width, u}, signatureText(), kRight, printFont(u), kPrintBlack);
      break;
  }
}

}  // namespace corvana
