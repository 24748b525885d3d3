#pragma once
// The printed opacity report onto a printer, a PDF writer or an image: one
// page laid out for the device's resolution and printable size.
#include <QPaintDevice>
#include <ctime>

#include "qt/print/print_view.h"
#include "reports/opacity/opacity_rule.h"

namespace corvana::ui {

// The document name printers and spoolers show: "Opacity Testing Report".
QString opacityDocumentTitle();

// The page of `report` for a device of the given size and resolution, for a
// print view (the dialog's preview and printer).
PageSource opacityPageSource(OpacityReport report, const std::tm& now);

// Paints the page with the device's pixels per inch and its (printable)
// width and height; false when the device would not paint.
bool printOpacityPage(QPaintDevice& device, const OpacityReport& report, const std::tm& now);

}  // namespace corvana::ui
