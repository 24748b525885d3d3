#include "qt/print/opacity_print.h"

#include <QPainter>

#include "core/language_table.h"
#include "qt/print/print_view.h"
#include "qt/views/spectral_painter.h"
#include "reports/opacity/opacity_page.h"

namespace corvana::ui {

QString opacityDocumentTitle() {
  return QString::fromStdString(LookupText(Text::OpacityTestingReport));
}

bool printOpacityPage(QPaintDevice& device, const OpacityReport& report, const std::tm& now) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const OpacityPrinter printer{device.logicalDpiX(), device.logicalDpiY(), device.width(),
                               device.height()};
  paintPrintPage(painter, opacityPage(report, printer, now, spectralTextWidth()));
  return painter.end();
}

}  // namespace corvana::ui
