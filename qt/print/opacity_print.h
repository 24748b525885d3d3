#pragma once
// The printed opacity report onto a printer, a PDF writer or an image: one
// page laid out for the device's resolution and printable size.
#include <QPaintDevice>
#include <ctime>

#include "reports/opacity/opacity_rule.h"

namespace corvana::ui {

// The document name printers and spoolers show: "Opacity Testing Report".
QString opacityDocumentTitle();

// Paints the page with the device's pixels per inch and its (printable)
// width and height; false when the device would not paint.
bool printOpacityPage(QPaintDevice& device, const OpacityReport& report, const std::tm& now);

}  // namespace corvana::ui
