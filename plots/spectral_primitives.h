#pragma once
// What the reflectance plots draw, as small values a painter replays in order
// onto a screen, a printer page or an image. Nothing here knows a window
// system; text widths come from the painter through TextWidth.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corvana::spectral {

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct PointF {
  double x = 0, y = 0;
  friend bool operator==(const PointF&, const PointF&) = default;
};

// A box in pixels: origin, width and height.
struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool isEmpty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The common part of two boxes; empty (all zero) when they do not meet.
Rect intersection(const Rect& a, const Rect& b);

// The one test every element passes before it is drawn: its box meets the
// update rectangle of the paint in progress.
bool isVisible(const Rect& box, const Rect& update);

// Alignment of a text in its box. Without a horizontal flag the text is
// right-aligned, without a vertical one bottom-aligned.
enum TextFlags : unsigned {
  AlignLeft = 1u << 0,
  AlignHCenter = 1u << 1,
  AlignTop = 1u << 2,
  AlignVCenter = 1u << 3,
  // Line breaks removed, no wrapping, no trimming.
  SingleLine = 1u << 4,
  // Cut with an ellipsis character when wider than the box, never wrapped.
  ElideRight = 1u << 5,
  // One line; when wider than the box, drawn in the largest smaller font
  // that fits (a report heading must read whole rather than run into the
  // next column).
  ShrinkToFit = 1u << 6,
};

// Opacity: the opacity reports' face of the current language.
enum class FontFace { UserInterface, Arial, Opacity };
enum class FontUnit { Points, Pixels };

struct Font {
  FontFace face = FontFace::UserInterface;
  double size = 8;
  FontUnit unit = FontUnit::Points;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// Codes of the pens a curve or a legend line may carry.
enum PenStyle : int { PenSolid = 0, PenDash = 1, PenDot = 2, PenDashDot = 3, PenDashDotDot = 4 };

struct Line {
  Point from, to;
  std::uint32_t argb = 0xFF000000;
  int width = 1;
  int style = PenSolid;
};

// A closed (polygon frame) or open run of straight segments, not filled.
struct Polyline {
  std::vector<Point> points;
  bool closed = false;
  std::uint32_t argb = 0xFF000000;
  int width = 1;
};

struct FrameRect {
  Rect box;
  std::uint32_t argb = 0xFF000000;
  int width = 1;
};

struct FillRect {
  Rect box;
  std::uint32_t argb = 0xFF000000;
};

struct TextBox {
  Rect box;
  std::string text;  // UTF-8
  unsigned flags = 0;
  Font font;
  std::uint32_t argb = 0xFF000000;
  // Laid out along the box's height and turned a quarter anticlockwise about
  // the box centre, so that it reads from bottom to top.
  bool readsUpwards = false;
};

// Cubic Bezier segments joined end to start: start, then (control, control,
// end) per segment.
struct BezierChain {
  PointF start;
  std::vector<PointF> points;  // 3 per segment
  std::uint32_t argb = 0xFF000000;
  int width = 1;
  int style = PenSolid;
  bool antialiased = true;
};

enum class ImageId {
  Spectrum,          // the 402 x 35 strip of spectrumStripRows()
  CachedBackground,  // the painter's cached drawing of a background list
};

// A part of an image (source columns sourceLeft..sourceRight of its full
// height) stretched over a box.
struct ImagePlacement {
  ImageId image = ImageId::Spectrum;
  Rect target;
  double sourceLeft = 0, sourceRight = 0;
  bool smooth = false;  // halftone stretching
};

using Primitive =
    std::variant<Line, Polyline, FrameRect, FillRect, TextBox, BezierChain, ImagePlacement>;

// Pixel width of a text in a font, as the painter measures it.
using TextWidth = std::function<int(std::string_view text, const Font& font)>;

// Collects primitives, dropping every one whose box misses the update
// rectangle, in drawing order.
class DrawList {
 public:
  explicit DrawList(Rect update) : update_(update) {}

  const Rect& update() const { return update_; }
  const std::vector<Primitive>& items() const { return items_; }

  void line(Point from, Point to, std::uint32_t argb, int width = 1, int style = PenSolid);
  void polyline(std::vector<Point> points, bool closed, std::uint32_t argb, int width = 1);
  void frame(Rect box, std::uint32_t argb, int width = 1);
  void fill(Rect box, std::uint32_t argb);
  void text(Rect box, std::string text, unsigned flags, Font font, std::uint32_t argb,
            bool readsUpwards = false);
  // The caller has tested the curve's box against the update rectangle.
  void bezier(BezierChain chain) { items_.push_back(std::move(chain)); }
  void image(ImagePlacement placement);
  // Items collected against a part of this list's update rectangle; moved,
  // since a large job's curves would otherwise be copied whole.
  void append(DrawList&& other);

 private:
  Rect update_;
  std::vector<Primitive> items_;
};

// 0x00BBGGRR (plain device colour) as opaque 0xAARRGGBB.
constexpr std::uint32_t argbFromBgr(std::uint32_t bgr) {
  return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

// printf-style number texts the plots show.
std::string formatInt(int value);                         // "%d"
std::string formatDecimals(double value, int precision);  // "%.*f"
std::string formatWide6(double value, int precision);     // "%6.*f"

}  // namespace corvana::spectral
