#pragma once
// Floating DrawingML shapes of a WordprocessingML document: the box of a
// template's shape on the page, and the line shapes the reports draw,
// positioned in points relative to the page.
#include <cstdint>
#include <string>
#include <string_view>

class TiXmlElement;

namespace corvana {

constexpr long long kEmuPerPoint = 12700;

// A box in points relative to the page's top-left corner.
struct PageBox {
  double left = 0, top = 0, width = 0, height = 0;
};

// The page margins a position relative to the margin or column counts from.
struct PageMargins {
  double left = 0, top = 0;
};

// Word colour values are 0x00BBGGRR; DrawingML and WordprocessingML write
// RRGGBB.
std::string colorHex(std::uint32_t wordColor);

// "single" and the DrawingML dash of Word's line dash styles (1 solid,
// 2 square dot, 3 round dot, 4 dash, 5 dash dot, 6 dash dot dot, 7 long
// dash, 8 long dash dot); unknown styles draw solid.
std::string_view dashOf(int dashStyle);

struct LineShape {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // points, page-relative
  std::uint32_t color = 0;                // 0x00BBGGRR
  int dashStyle = 1;
  double weight = 1;  // points
  int id = 1;         // unique among the document's drawing objects
  int zOrder = 1;     // relativeHeight: later lines lie above earlier ones
};

// A run (w:r) holding the line as a floating shape anchored to the page.
TiXmlElement lineShapeRun(const LineShape& line);

// The box of a floating shape (wp:anchor) on the page. Positions relative
// to the margin or column count from the margins, those relative to the
// paragraph or line from `paragraphTop`, the anchor paragraph's top on the page.
PageBox anchorBox(TiXmlElement* anchor, const PageMargins& margins, double paragraphTop);
std::string anchorName(TiXmlElement* anchor);

// Sets the shape's outline colour (its a:ln fill).
void setShapeOutline(TiXmlElement* anchor, std::uint32_t wordColor);

}  // namespace corvana
