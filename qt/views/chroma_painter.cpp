#include "qt/views/chroma_painter.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <map>

#include "qt/ckt_client_app.h"
#include "qt/views/path_gradient.h"

namespace corvana::ui {

namespace {

QColor colorOf(std::uint32_t argb) { return QColor::fromRgba(argb); }

QRectF rectOf(const PlotBox& b) { return {b.x, b.y, b.width, b.height}; }

QString qtext(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// Antialiased strokes of odd width along a pixel row or column are put on
// the pixel centre, so a one-pixel line at y = 5 (or 5.5) fills row 5 as
// plain drawing does instead of two half-tone rows; slanted ones move by
// half a pixel, as plain drawing places them.
double onPixelCentre(double v, bool snap) { return snap ? std::floor(v) + 0.5 : v + 0.5; }

QLineF pixelAligned(const LinePrimitive& line) {
  QLineF l(line.from.x, line.from.y, line.to.x, line.to.y);
  if (!line.antialiased) return l;
  const bool oddWidth = std::fmod(std::max(line.penWidth, 1.0), 2.0) == 1.0;
  const bool row = line.from.y == line.to.y, column = line.from.x == line.to.x;
  // Along its own direction a row or column line keeps its ends.
  const double dx = row ? 0 : onPixelCentre(line.from.x, oddWidth && column) - line.from.x;
  const double dy = column ? 0 : onPixelCentre(line.from.y, oddWidth && row) - line.from.y;
  l.translate(dx, dy);
  return l;
}

int alignmentOf(unsigned flags) {
  const int h = (flags & AlignHCenter) ? Qt::AlignHCenter
                : (flags & AlignLeft)  ? Qt::AlignLeft
                                       : Qt::AlignRight;
  const int v = (flags & AlignVCenter) ? Qt::AlignVCenter
                : (flags & AlignTop)   ? Qt::AlignTop
                                       : Qt::AlignBottom;
  return h | v;
}

void drawText(QPainter& painter, const TextPrimitive& t) {
  if (t.pointSize <= 0 || t.text.empty()) return;  // no font to draw with
  const QFont font = plotFont(t.font, t.pointSize);
  painter.setFont(font);
  painter.setPen(colorOf(t.color));
  const QRectF box = rectOf(t.box);
  if (t.flags & Elide) {
    const QFontMetricsF metrics(font, painter.device());
    const QString shown = metrics.elidedText(qtext(t.text), Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    return;
  }
  if (t.flags & SingleLine) {
    painter.drawText(box, alignmentOf(t.flags) | Qt::TextSingleLine,
                     qtext(withoutLineBreaks(t.text)));
    return;
  }
  painter.drawText(box, alignmentOf(t.flags) | Qt::TextWordWrap, qtext(t.text));
}

void drawGradient(QPainter& painter, const GradientPolygonPrimitive& g, const PlotBox& update) {
  // Rasterised at device pixels so it stays sharp at any pixel ratio.
  const QTransform device = painter.deviceTransform();
  bool invertible = false;
  const QTransform toDevicePixels = device.inverted(&invertible) * painter.worldTransform();
  if (!invertible) return;
  PathGradient gradient;
  for (const PlotPoint& p : g.points) gradient.points.push_back(device.map(QPointF(p.x, p.y)));
  for (std::uint32_t c : g.colors) gradient.colors.push_back(c);
  gradient.center = device.map(QPointF(g.center.x, g.center.y));
  gradient.centerColor = g.centerColor;
  const QRect area =
      device.mapRect(rectOf(boundsOf(g)).intersected(rectOf(update))).toAlignedRect();
  if (area.isEmpty()) return;
  const QImage image = rasterisePathGradient(gradient, area);
  painter.save();
  // World × pixel-ratio scaling becomes the identity: one image pixel, one device pixel.
  painter.setWorldTransform(toDevicePixels, false);
  painter.drawImage(area.topLeft(), image);
  painter.restore();
}

// Whether antialiasing would only cover whole pixels: an odd-width row or
// column line on whole-pixel ends. Plain drawing gives the same pixels, much
// faster (the markers of thousands of samples).
bool coversWholePixels(const LinePrimitive& line) {
  const auto whole = [](double v) { return v == std::floor(v); };
  const bool oddWidth = std::fmod(std::max(line.penWidth, 1.0), 2.0) == 1.0;
  if (line.from.y == line.to.y) return oddWidth && whole(line.from.x) && whole(line.to.x);
  if (line.from.x == line.to.x) return oddWidth && whole(line.from.y) && whole(line.to.y);
  return false;
}

// Short antialiased lines (the markers of thousands of samples) are
// stamped: each distinct line or cross, at a quarter-pixel phase, is rendered once
// into a small device-pixel image and copied, which is several times faster
// than stroking every one and differs by at most an eighth of a pixel.
class LineStamps {
 public:
  static constexpr double kMaxLength = 40;  // device pixels
  static constexpr int kPhases = 4;
  static constexpr std::size_t kMaxStamps = 256;  // per paint

  // False when the painter's transform is not a plain scale and shift.
  bool usable(const QPainter& painter) const {
    return painter.deviceTransform().type() <= QTransform::TxScale;
  }
  bool fits(const QTransform& device, const QLineF& line) const {
    const QLineF d = device.map(line);
    return std::abs(d.dx()) <= kMaxLength && std::abs(d.dy()) <= kMaxLength;
  }
  void draw(QPainter& painter, const QVector<QLineF>& lines, QRgb color, double width) {
    const QTransform device = painter.deviceTransform();
    const double scale = device.m11();
    painter.save();
    bool invertible = false;
    painter.setWorldTransform(device.inverted(&invertible) * painter.worldTransform(), false);
    const auto split = [](double v, int& whole) {
      whole = int(std::floor(v));
      int phase = int(std::lround((v - whole) * kPhases));
      if (phase == kPhases) ++whole, phase = 0;
      return phase;
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
      const QLineF d = device.map(lines[i]);
      int ix = 0, iy = 0;
      const int px = split(d.x1(), ix), py = split(d.y1(), iy);
      Key key{color, width * scale, d.dx(), d.dy(), false, 0, 0, 0, 0, px, py};
      // The two strokes of a cross share their box: one stamp for both.
      if (i + 1 < lines.size()) {
        const QLineF e = device.map(lines[i + 1]);
        if (boxOf(d) == boxOf(e)) {
          key.pair = true;
          key.ox = e.x1() - d.x1(), key.oy = e.y1() - d.y1(), key.dx2 = e.dx(), key.dy2 = e.dy();
        }
      }
      auto it = cache_.find(key);
      if (it == cache_.end()) {
        if (cache_.size() >= kMaxStamps) {  // lines that hardly repeat: stroked
          QPen pen(QColor::fromRgba(color), width * scale);
          pen.setCapStyle(Qt::FlatCap);
          painter.setPen(pen);
          painter.setRenderHint(QPainter::Antialiasing, true);
          painter.drawLine(d);
          continue;
        }
        it = cache_.emplace(key, render(key)).first;
      }
      painter.drawImage(QPoint(ix - it->second.origin.x(), iy - it->second.origin.y()),
                        it->second.image);
      if (key.pair) ++i;
    }
    painter.restore();
  }

 private:
  struct Key {
    QRgb color;
    double width, dx, dy;
    bool pair;                // a second line, starting at (ox, oy) from the first
    double ox, oy, dx2, dy2;  // zero without one
    int phaseX, phaseY;
    auto operator<=>(const Key&) const = default;
  };
  struct Stamp {
    QImage image;
    QPoint origin;  // where the first line starts, in whole pixels of the image
  };
  static QRectF boxOf(const QLineF& l) { return QRectF(l.p1(), l.p2()).normalized(); }
  static Stamp render(const Key& k) {
    const double xs[] = {0, k.dx, k.ox, k.ox + k.dx2}, ys[] = {0, k.dy, k.oy, k.oy + k.dy2};
    const double left = *std::min_element(xs, xs + 4), right = *std::max_element(xs, xs + 4);
    const double top = *std::min_element(ys, ys + 4), bottom = *std::max_element(ys, ys + 4);
    const int pad = int(std::ceil(k.width)) + 2;
    const QPoint origin(pad + int(std::ceil(-left)), pad + int(std::ceil(-top)));
    const QSize size(int(std::ceil(right - left)) + 2 * pad + 2,
                     int(std::ceil(bottom - top)) + 2 * pad + 2);
    Stamp stamp{QImage(size, QImage::Format_ARGB32_Premultiplied), origin};
    stamp.image.fill(Qt::transparent);
    QPainter p(&stamp.image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(QColor::fromRgba(k.color), k.width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const QPointF from(origin.x() + double(k.phaseX) / kPhases,
                       origin.y() + double(k.phaseY) / kPhases);
    p.drawLine(QLineF(from, from + QPointF(k.dx, k.dy)));
    if (k.pair) {
      const QPointF second = from + QPointF(k.ox, k.oy);
      p.drawLine(QLineF(second, second + QPointF(k.dx2, k.dy2)));
    }
    return stamp;
  }
  std::map<Key, Stamp> cache_;
};

// Consecutive lines with one pen go to the painter in one call.
class LineBatch {
 public:
  explicit LineBatch(QPainter& painter) : painter_(painter) {}
  ~LineBatch() { flush(); }
  void add(const LinePrimitive& line) {
    const bool antialiased = line.antialiased && !coversWholePixels(line);
    const QLineF l =
        antialiased ? pixelAligned(line) : QLineF(line.from.x, line.from.y, line.to.x, line.to.y);
    const bool stamped =
        antialiased && stamps_.usable(painter_) && stamps_.fits(painter_.deviceTransform(), l);
    if (!lines_.isEmpty() && (line.color != color_ || line.penWidth != width_ ||
                              antialiased != antialiased_ || stamped != stamped_))
      flush();
    color_ = line.color, width_ = line.penWidth, antialiased_ = antialiased, stamped_ = stamped;
    lines_.push_back(l);
  }
  void flush() {
    if (lines_.isEmpty()) return;
    if (stamped_) {
      stamps_.draw(painter_, lines_, color_, width_);
    } else {
      QPen pen(colorOf(color_), width_);
      pen.setCapStyle(Qt::FlatCap);
      painter_.setPen(pen);
      painter_.setRenderHint(QPainter::Antialiasing, antialiased_);
      painter_.drawLines(lines_);
    }
    lines_.clear();
  }

 private:
  QPainter& painter_;
  LineStamps stamps_;
  QVector<QLineF> lines_;
  std::uint32_t color_ = 0;
  double width_ = 1;
  bool antialiased_ = false;
  bool stamped_ = false;
};

}  // namespace

QFont plotFont(FontRole, int pointSize) {
  // Every role is the interface face, regular; only the size differs.
  QFont font(CKTClientApp::interfaceFontFace());
  font.setPointSize(std::max(1, pointSize));
  font.setWeight(QFont::Normal);
  font.setStyle(QFont::StyleNormal);
  return font;
}

TextMeasure textMeasureOn(const QPaintDevice& device) {
  const QPaintDevice* target = &device;
  return [target](std::string_view text, FontRole role, int pointSize) {
    if (pointSize <= 0) return 0.0;
    const QFontMetricsF metrics(plotFont(role, pointSize), target);
    return metrics.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
  };
}

void paintPrimitives(QPainter& painter, const PlotPrimitives& primitives, const PlotBox& update) {
  painter.save();
  painter.setClipRect(rectOf(update), Qt::IntersectClip);
  LineBatch lines(painter);
  for (const PlotPrimitive& primitive : primitives) {
    if (!needsPainting(primitive, update)) continue;
    if (const auto* line = std::get_if<LinePrimitive>(&primitive)) {
      lines.add(*line);
      continue;
    }
    lines.flush();
    std::visit(
        [&](const auto& p) {
          using T = std::decay_t<decltype(p)>;
          if constexpr (std::is_same_v<T, RectPrimitive>) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            QPen pen(colorOf(p.color), p.penWidth);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rectOf(p.box));
          } else if constexpr (std::is_same_v<T, FilledRectPrimitive>) {
            painter.fillRect(rectOf(p.box), colorOf(p.color));
          } else if constexpr (std::is_same_v<T, FilledEllipsePrimitive>) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colorOf(p.color));
            painter.drawEllipse(rectOf(p.box));
            painter.setBrush(Qt::NoBrush);
          } else if constexpr (std::is_same_v<T, TextPrimitive>) {
            drawText(painter, p);
          } else if constexpr (std::is_same_v<T, GradientPolygonPrimitive>) {
            drawGradient(painter, p, update);
          }
        },
        primitive);
  }
  lines.flush();
  painter.restore();
}

QImage screenLikeImage(QSize size, qreal devicePixelRatio) {
  QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  const int dotsPerMetre = int(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace corvana::ui
