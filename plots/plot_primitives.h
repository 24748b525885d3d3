#pragma once
// What a plot pane draws, as small values: the Qt layer paints the list onto a
// screen, a printer or an image, and skips what lies outside the update area.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvana {

struct PlotPoint {
  double x = 0, y = 0;
  friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

struct PlotBox {
  double x = 0, y = 0, width = 0, height = 0;
  double right() const { return x + width; }
  double bottom() const { return y + height; }
  friend bool operator==(const PlotBox&, const PlotBox&) = default;
};

// The fonts of the panes; every one is the user-interface face, regular.
enum class FontRole : std::uint8_t { Table, PlotLabel, GridLabel, WavelengthLabel };

// Horizontal: centre, left, else right. Vertical: centre, top, else bottom.
// SingleLine: the text holds no line break and neither wraps nor trims.
// Elide: left, vertically centred, no wrapping, trimmed with an ellipsis
// when wider than the box (the names of the heading).
enum TextFlag : unsigned {
  AlignRightBottom = 0,
  AlignHCenter = 1u << 0,
  AlignLeft = 1u << 1,
  AlignVCenter = 1u << 2,
  AlignTop = 1u << 3,
  SingleLine = 1u << 4,
  Elide = 1u << 5,
};

// Colours are ARGB, alpha in the top byte.
struct LinePrimitive {
  PlotPoint from, to;
  std::uint32_t color = 0xFF000000;
  double penWidth = 1;
  bool antialiased = true;
};

struct RectPrimitive {  // outline
  PlotBox box;
  std::uint32_t color = 0xFF000000;
  double penWidth = 1;
};

struct FilledRectPrimitive {
  PlotBox box;
  std::uint32_t color = 0xFF000000;
};

struct FilledEllipsePrimitive {  // inscribed in the box
  PlotBox box;
  std::uint32_t color = 0xFF000000;
};

struct TextPrimitive {
  PlotBox box;
  std::string text;  // UTF-8; single-line texts arrive without "\n"
  unsigned flags = AlignRightBottom;
  FontRole font = FontRole::Table;
  int pointSize = 0;
  std::uint32_t color = 0xFF000000;
};

// A polygon filled with a path gradient: each vertex has its own colour and
// the colours blend towards `centerColor` at `center`.
struct GradientPolygonPrimitive {
  std::vector<PlotPoint> points;
  std::vector<std::uint32_t> colors;  // one per point
  PlotPoint center;
  std::uint32_t centerColor = 0xFFFFFFFF;
  bool antialiased = false;
};

using PlotPrimitive = std::variant<LinePrimitive, RectPrimitive, FilledRectPrimitive,
                                   FilledEllipsePrimitive, TextPrimitive, GradientPolygonPrimitive>;
using PlotPrimitives = std::vector<PlotPrimitive>;

// Width in pixels of a text in a font role at a point size; the Qt layer
// measures with its font metrics, tests with a fixed advance.
using TextMeasure = std::function<double(std::string_view text, FontRole font, int pointSize)>;

// The area a primitive may touch, pen included.
PlotBox boundsOf(const PlotPrimitive& primitive);
// Boxes that share no area do not intersect; a box of zero width or height
// intersects nothing.
bool intersects(const PlotBox& a, const PlotBox& b);
// The paint skips every primitive whose area misses the update rectangle.
bool needsPainting(const PlotPrimitive& primitive, const PlotBox& update);

// The text with every "\n" removed, as single-line drawing shows it.
std::string withoutLineBreaks(std::string_view text);

}  // namespace corvana
