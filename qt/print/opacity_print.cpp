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

PageSource opacityPageSource(OpacityReport report, const std::tm& now) {
  return [report = std::move(report), now](int width, int height, int dpiX, int dpiY) {
    return opacityPage(report, OpacityPrinter{dpiX, dpiY, width, height}, now, spectralTextWidth());
  };
}

bool printOpacityPage(QPaintDevice& device, const OpacityReport& report, const std::tm& now) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  paintPrintPage(
      painter, opacityPageSource(report, now)(device.width(), device.height(), device.logicalDpiX(),
                                              device.logicalDpiY()));
  return painter.end();
}

}  // namespace corvana::ui
