#include "qt/print/print_view.h"

#include "core/date_time_text.h"
#include "core/job.h"
#include "qt/views/chroma_painter.h"
#include "qt/views/spectral_painter.h"
#include "reports/color_diff_page.h"
#include "reports/cumulative_page.h"

namespace corvana::ui {

void paintPrintPage(QPainter& painter, const PrintPage& page) {
  const PlotBox whole{0, 0, double(page.width()), double(page.height())};
  SpectralPainter lists;
  lists.setClipOnlyWiderTexts(true);
  painter.save();
  painter.setBackgroundMode(Qt::TransparentMode);
  if (const std::optional<spectral::Rect>& clip = page.clip())
    painter.setClipRect(QRect(clip->x, clip->y, clip->width, clip->height), Qt::IntersectClip);
  for (const PrintLayer& layer : page.layers()) {
    if (const auto* list = std::get_if<spectral::DrawList>(&layer))
      lists.paint(painter, *list);
    else
      paintPrimitives(painter, std::get<PlotPrimitives>(layer), whole);
  }
  painter.restore();
}

PrintView::PrintView(const Job& job) : job_(job), kind_(ReportKind::ColorDiff) {}

PrintView::PrintView(const Job& job, std::vector<int> selection, ListSortMode sortMode)
    : job_(job),
      kind_(ReportKind::Cumulative),
      selection_(std::move(selection)),
      sortMode_(sortMode) {}

PrintView::PrintView(const Job& job, ReportKind kind, PageSource source)
    : job_(job), kind_(kind), source_(std::move(source)) {}

std::vector<PrintPage> PrintView::pages(int width, int height) const {
  std::vector<PrintPage> out;
  if (source_) {
    out.push_back(source_(width, height, 300, 300));
    return out;
  }
  if (kind_ == ReportKind::ColorDiff) {
    out.push_back(colorDiffPage(job_, width, height, currentLocalTime()));
    return out;
  }
  CumulativePages pages(CumulativeReport{job_, selection_, cumulativeOptionsOf(job_), sortMode_},
                        width, height);
  for (int i = 0; i < pages.pageCount(); ++i) out.push_back(pages.nextPage());
  return out;
}

int PrintView::print(QPagedPaintDevice& device) const {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const int width = device.width(), height = device.height();
  int printed = 0;
  const auto paint = [&](const PrintPage& page) {
    if (printed > 0 && !device.newPage()) return false;
    paintPrintPage(painter, page);
    ++printed;
    return true;
  };
  if (source_) {
    paint(source_(width, height, device.logicalDpiX(), device.logicalDpiY()));
  } else if (kind_ == ReportKind::ColorDiff) {
    paint(colorDiffPage(job_, width, height, currentLocalTime()));
  } else {
    // Page by page: a long report never holds all its pages at once.
    CumulativePages pages(CumulativeReport{job_, selection_, cumulativeOptionsOf(job_), sortMode_},
                          width, height);
    for (int i = 0; i < pages.pageCount(); ++i)
      if (!paint(pages.nextPage())) break;
  }
  painter.end();
  return printed;
}

}  // namespace corvana::ui
