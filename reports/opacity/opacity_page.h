#pragma once
// The one-page opacity report: header, test condition, the legend-and-plot
// picture, the test data table and the signatures, laid out in logical
// units of 1/96 inch and printed in the device's pixels.
#include <ctime>
#include <string>
#include <vector>

#include "reports/opacity/logical_page.h"
#include "reports/opacity/opacity_rule.h"
#include "reports/print_page.h"

namespace corvana {

// A printer: pixels per inch, printable width and height in pixels.
struct OpacityPrinter {
  int dpiX = 300, dpiY = 300;
  int width = 0, height = 0;
};

// Margins of a third of an inch left and right, half an inch top and bottom.
LogicalMapping opacityPageMapping(const OpacityPrinter& printer);
// The content box in logical units, from (0, 0).
spectral::Rect opacityContentBox(const OpacityPrinter& printer);

// The report's font: the opacity face, regular, `height` units high.
spectral::Font opacityFont(int height);
// That height of a font made by opacityFont: the extent height of its texts.
int opacityFontHeight(const spectral::Font& font);

// The legend pair and the plot of both curves in (left, top, right, bottom);
// the legend texts measured in `font`.
void drawOpacityPicture(spectral::DrawList& out, const OpacityReport& report, int left, int top,
                        int right, int bottom, const spectral::Font& font,
                        const spectral::TextWidth& textWidth);
// The 400 x 300 picture of the word-processor report on white, the legends
// measured in the 16-pixel opacity font.
constexpr int kOpacityPictureWidth = 400, kOpacityPictureHeight = 300;
spectral::DrawList opacityPicture(const OpacityReport& report,
                                  const spectral::TextWidth& textWidth);

// Column edges of the test data table from x0 to x1: the first column
// `firstWidth` wide, then `valueColumns` equal columns, the last ending at x1.
std::vector<int> opacityTableEdges(int x0, int x1, int firstWidth, int valueColumns);

// The page in logical units inside `content`; textWidth measures logical
// fonts in logical units.
spectral::DrawList opacityPageContent(const OpacityReport& report, const spectral::Rect& content,
                                      const std::tm& now, const spectral::TextWidth& textWidth);

// The page for the printer, in its pixels and clipped to the margins;
// deviceWidth measures device fonts in device pixels (the painter's).
PrintPage opacityPage(const OpacityReport& report, const OpacityPrinter& printer,
                      const std::tm& now, const spectral::TextWidth& deviceWidth);

}  // namespace corvana
