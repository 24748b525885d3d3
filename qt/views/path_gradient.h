#pragma once
// A polygon filled with a path gradient: every vertex has its own colour and
// the colours blend linearly towards a centre colour. Rasterised per pixel
// as a fan of triangles about the centre with barycentric weights, so
// neighbouring triangles agree along their shared edges and show no seams.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <vector>

namespace corvana::ui {

struct PathGradient {
  std::vector<QPointF> points;  // device pixels
  std::vector<QRgb> colors;     // one per point, unpremultiplied ARGB
  QPointF center;
  QRgb centerColor = 0xFFFFFFFF;
};

// The gradient over `area` (device pixels): an ARGB32-premultiplied image of
// area's size, transparent outside the polygon. Pixels are sampled at their
// centres.
QImage rasterisePathGradient(const PathGradient& gradient, const QRect& area);

}  // namespace corvana::ui
