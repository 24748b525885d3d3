#pragma once
// Draws the printed reports' pages onto any surface: a printer, a PDF
// writer, a preview or an image. Page coordinates are the device's pixels,
// so every size follows from the device's page height.
#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>
#include <vector>

#include "reports/cumulative_report.h"
#include "reports/print_page.h"

namespace corvana {

class Job;

namespace ui {

// The report kind of a print frame: 1 the colour-difference report, 0 the
// cumulative report, 2 the opacity report of the opacity dialog.
enum class ReportKind : int { Cumulative = 0, ColorDiff = 1, Opacity = 2 };

// A one-page report that its dialog draws: the page for a device of
// width × height pixels at dpiX × dpiY.
using PageSource = std::function<PrintPage(int width, int height, int dpiX, int dpiY)>;

// One page, its layers in order, in the painter's current coordinates.
void paintPrintPage(QPainter& painter, const PrintPage& page);

class PrintView {
 public:
  // The colour-difference report of the job's current standard and sample.
  explicit PrintView(const Job& job);
  // The cumulative report of the selected samples (positions in list order).
  PrintView(const Job& job, std::vector<int> selection, ListSortMode sortMode);
  // A report of one page from its own source.
  PrintView(const Job& job, ReportKind kind, PageSource source);

  ReportKind kind() const { return kind_; }

  // Every page for a page of width × height device pixels (at 300 dpi, the
  // print frame's resolution).
  std::vector<PrintPage> pages(int width, int height) const;

  // Prints every page onto the device (a new page between them). The number
  // of pages printed; 0 when the device would not paint.
  int print(QPagedPaintDevice& device) const;

 private:
  const Job& job_;
  ReportKind kind_;
  std::vector<int> selection_;
  ListSortMode sortMode_ = ListSortMode::Unsorted;
  PageSource source_;
};

}  // namespace ui
}  // namespace corvana
