#include "qt/views/spectral_painter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainterPath>
#include <QScreen>

#include "plots/spectral_strip.h"
#include "qt/ckt_client_app.h"
#include "reports/opacity/opacity_rule.h"

namespace corvana {

using namespace spectral;

namespace {

QColor colourOf(std::uint32_t argb) { return QColor::fromRgba(argb); }

Qt::PenStyle penStyleOf(int style) {
  switch (style) {
    case PenDash: return Qt::DashLine;
    case PenDot: return Qt::DotLine;
    case PenDashDot: return Qt::DashDotLine;
    case PenDashDotDot: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}

QPen penOf(std::uint32_t argb, int width, int style = PenSolid) {
  QPen pen(colourOf(argb), std::max(1, width), penStyleOf(style));
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

QRect rectOf(const Rect& r) { return QRect(r.x, r.y, r.width, r.height); }

double pixelsPerPoint() {
  // The screen's logical resolution for every surface, so that an image
  // shows the same text sizes as the window.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
  return (dpi > 0 ? dpi : 96.0) / 72.0;
}

int qtAlignment(unsigned flags) {
  int a = (flags & AlignLeft)      ? Qt::AlignLeft
          : (flags & AlignHCenter) ? Qt::AlignHCenter
                                   : Qt::AlignRight;
  a |= (flags & AlignTop)       ? Qt::AlignTop
       : (flags & AlignVCenter) ? Qt::AlignVCenter
                                : Qt::AlignBottom;
  return a;
}

// Steps the pixel size down until the text fits `along` on the device.
void shrinkToFit(QFont& font, const QString& text, int along, QPaintDevice* device) {
  int size = font.pixelSize();
  const auto width = [&] { return QFontMetrics(font, device).horizontalAdvance(text); };
  const int first = width();
  if (first <= along || first <= 0 || size <= 1) return;
  size = std::max(1, size * along / first);
  font.setPixelSize(size);
  while (size > 1 && width() > along) font.setPixelSize(--size);
}

void drawText(QPainter& p, const TextBox& t, bool clipOnlyWider) {
  // A font of no size cannot be made; the text is left out, as a failed
  // drawing call would leave it.
  if (!(t.font.size > 0)) return;
  QFont font = spectralFont(t.font);
  QString text = QString::fromUtf8(t.text.data(), qsizetype(t.text.size()));
  int flags = qtAlignment(t.flags);
  // Laid out along the box's height when it reads upwards.
  const int along = t.readsUpwards ? t.box.height : t.box.width;
  const int across = t.readsUpwards ? t.box.width : t.box.height;
  if (t.flags & ShrinkToFit) {
    text.remove(QLatin1Char('\n'));
    flags |= Qt::TextSingleLine;
    shrinkToFit(font, text, along, p.device());
  } else if (t.flags & ElideRight) {
    text.remove(QLatin1Char('\n'));
    text = QFontMetrics(font).elidedText(text, Qt::ElideRight, along);
    flags |= Qt::TextSingleLine;
  } else if (t.flags & SingleLine) {
    text.remove(QLatin1Char('\n'));
    flags |= Qt::TextSingleLine;
  } else {
    flags |= Qt::TextWordWrap;
  }
  p.save();
  p.setFont(font);
  p.setPen(colourOf(t.argb));
  QRect layout(0, 0, along, across);
  if (t.readsUpwards) {
    p.translate(t.box.x + t.box.width / 2.0, t.box.y + t.box.height / 2.0);
    p.rotate(-90);
    layout.moveTo(-along / 2, -across / 2);
  } else {
    layout.moveTo(t.box.x, t.box.y);
  }
  // Texts stay inside their boxes.
  const bool clip = !clipOnlyWider || (flags & Qt::TextWordWrap) ||
                    QFontMetrics(font, p.device()).horizontalAdvance(text) > along;
  if (clip) p.setClipRect(layout, Qt::IntersectClip);
  p.drawText(layout, flags, text);
  p.restore();
}

// A job's samples give one curve each, a hundred thousand in a large job:
// the path's storage is kept from curve to curve, and the painter's state is
// only changed, never saved and restored, per curve. `smooth` is the
// antialiasing the painter has now.
void drawBezier(QPainter& p, const BezierChain& b, QPainterPath& path, bool& smooth) {
  if (b.points.size() < 3) return;
  path.clear();
  path.moveTo(b.start.x, b.start.y);
  for (std::size_t i = 0; i + 2 < b.points.size(); i += 3)
    path.cubicTo(QPointF(b.points[i].x, b.points[i].y),
                 QPointF(b.points[i + 1].x, b.points[i + 1].y),
                 QPointF(b.points[i + 2].x, b.points[i + 2].y));
  if (smooth != b.antialiased) {
    p.setRenderHint(QPainter::Antialiasing, b.antialiased);
    smooth = b.antialiased;
  }
  p.setPen(penOf(b.argb, b.width, b.style));
  p.drawPath(path);
}

// The opacity face by language, then what stands in for it here; no face
// (another language) is the default GUI face.
QStringList opacityFamilies() {
  const QString face = QString::fromStdString(opacityFontFace(LanguageIndex));
  QStringList families;
  if (face == QStringLiteral("Arial"))
    families << face << QStringLiteral("Liberation Sans");
  else if (!face.isEmpty())
    families << face << CKTClientApp::interfaceFontFace();
  return families << QFont().family();
}

}  // namespace

QFont spectralFont(const spectral::Font& font) {
  QFont f;
  const QString fallback = QFont().family();
  if (font.face == FontFace::Arial)
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), fallback});
  else if (font.face == FontFace::Opacity)
    f.setFamilies(opacityFamilies());
  else
    f.setFamilies({CKTClientApp::interfaceFontFace(), fallback});
  const double pixels = font.unit == FontUnit::Pixels ? font.size : font.size * pixelsPerPoint();
  f.setPixelSize(std::max(1, int(pixels + 0.5)));
  if (font.bold) f.setWeight(QFont::Bold);
  return f;
}

spectral::TextWidth spectralTextWidth() {
  return [](std::string_view text, const spectral::Font& font) {
    if (!(font.size > 0)) return 0;
    return QFontMetrics(spectralFont(font))
        .horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
  };
}

const QImage& spectrumImage() {
  static const QImage image = [] {
    QImage img(kSpectrumWidth, kSpectrumHeight, QImage::Format_RGB32);
    const std::vector<std::vector<Rgb>> rows = spectrumStripRows();
    for (int y = 0; y < kSpectrumHeight && y < int(rows.size()); ++y) {
      auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
      for (int x = 0; x < kSpectrumWidth && x < int(rows[y].size()); ++x)
        line[x] = qRgb(rows[y][x].r, rows[y][x].g, rows[y][x].b);
    }
    return img;
  }();
  return image;
}

void SpectralPainter::setBackground(const spectral::DrawList* background, int generation) {
  background_ = background;
  generation_ = generation;
}

const QImage& SpectralPainter::cachedBackground(QSize size, qreal ratio) {
  const QSize pixels = (QSizeF(size) * ratio).toSize();
  if (cache_.isNull() || cachedGeneration_ != generation_ || cachedRatio_ != ratio ||
      cache_.size() != pixels) {
    // At device pixels, so that a high-resolution screen keeps it crisp.
    cache_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    cache_.setDevicePixelRatio(ratio);
    cache_.fill(Qt::transparent);
    if (background_) {
      QPainter p(&cache_);
      paint(p, *background_);
    }
    cachedGeneration_ = generation_;
    cachedRatio_ = ratio;
    ++backgroundRenders_;
  }
  return cache_;
}

void SpectralPainter::drawImage(QPainter& p, const spectral::ImagePlacement& placement) {
  const QRectF target(rectOf(placement.target));
  if (placement.image == ImageId::Spectrum) {
    const QImage& image = spectrumImage();
    const QRectF source(placement.sourceLeft, 0, placement.sourceRight - placement.sourceLeft,
                        image.height());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, placement.smooth);
    p.drawImage(target, image, source);
    p.restore();
    return;
  }
  // The background list was drawn for a surface of the placement's size.
  const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
  const QImage& image = cachedBackground(rectOf(placement.target).size(), ratio);
  const QRectF source(placement.sourceLeft * ratio, 0,
                      (placement.sourceRight - placement.sourceLeft) * ratio, image.height());
  p.drawImage(target, image, source);
}

void SpectralPainter::paint(QPainter& p, const spectral::DrawList& list) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setBrush(Qt::NoBrush);
  QPainterPath curve;
  bool smooth = false;
  for (const Primitive& item : list.items()) {
    // Everything but a curve is drawn without antialiasing.
    if (smooth && !std::holds_alternative<BezierChain>(item)) {
      p.setRenderHint(QPainter::Antialiasing, false);
      smooth = false;
    }
    if (const auto* l = std::get_if<Line>(&item)) {
      p.setPen(penOf(l->argb, l->width, l->style));
      p.drawLine(l->from.x, l->from.y, l->to.x, l->to.y);
    } else if (const auto* pl = std::get_if<Polyline>(&item)) {
      QPolygon polygon;
      for (const Point& pt : pl->points) polygon << QPoint(pt.x, pt.y);
      p.setPen(penOf(pl->argb, pl->width));
      if (pl->closed)
        p.drawPolygon(polygon);
      else
        p.drawPolyline(polygon);
    } else if (const auto* fr = std::get_if<FrameRect>(&item)) {
      p.setPen(penOf(fr->argb, fr->width));
      p.drawRect(rectOf(fr->box));
    } else if (const auto* fi = std::get_if<FillRect>(&item)) {
      p.fillRect(rectOf(fi->box), colourOf(fi->argb));
    } else if (const auto* t = std::get_if<TextBox>(&item)) {
      drawText(p, *t, clipOnlyWider_);
    } else if (const auto* b = std::get_if<BezierChain>(&item)) {
      drawBezier(p, *b, curve, smooth);
    } else if (const auto* im = std::get_if<ImagePlacement>(&item)) {
      drawImage(p, *im);
    }
  }
  p.restore();
}

}  // namespace corvana
