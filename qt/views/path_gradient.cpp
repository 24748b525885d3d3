#include "qt/views/path_gradient.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace corvana::ui {

namespace {

struct Channels {
  float a, r, g, b;
};

Channels channelsOf(QRgb c) {
  return {float(qAlpha(c)), float(qRed(c)), float(qGreen(c)), float(qBlue(c))};
}

QRgb premultiplied(float a, float r, float g, float b) {
  const auto byte = [](float v) { return int(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
  return qPremultiply(qRgba(byte(r), byte(g), byte(b), byte(a)));
}

// One triangle (centre, p, q) into the image, over what was there.
void fillTriangle(QImage& image, const QPoint& origin, QPointF c, QPointF p, QPointF q, Channels cc,
                  Channels pc, Channels qc) {
  const double area = (p.x() - c.x()) * (q.y() - c.y()) - (q.x() - c.x()) * (p.y() - c.y());
  if (std::abs(area) < 1e-12) return;
  const int x0 = std::max(0, int(std::floor(std::min({c.x(), p.x(), q.x()}))) - origin.x());
  const int x1 =
      std::min(image.width() - 1, int(std::ceil(std::max({c.x(), p.x(), q.x()}))) - origin.x());
  const int y0 = std::max(0, int(std::floor(std::min({c.y(), p.y(), q.y()}))) - origin.y());
  const int y1 =
      std::min(image.height() - 1, int(std::ceil(std::max({c.y(), p.y(), q.y()}))) - origin.y());
  // A small margin closes hairline gaps between triangles; overlap paints
  // the same colour since both sides interpolate the same edge.
  constexpr double kEdge = -1e-6;
  // The weights are linear in x along a row: w = k·x + m.
  const double kp = (q.y() - c.y()) / area, kq = -(p.y() - c.y()) / area, kc = -(kp + kq);
  for (int y = y0; y <= y1; ++y) {
    const double py = origin.y() + y + 0.5;
    const double mp = (-c.x() * (q.y() - c.y()) - (q.x() - c.x()) * (py - c.y())) / area;
    const double mq = ((p.x() - c.x()) * (py - c.y()) + c.x() * (p.y() - c.y())) / area;
    const double mc = 1 - mp - mq;
    // The span of pixel centres where every weight is at least kEdge.
    double lo = origin.x() + x0 + 0.5, hi = origin.x() + x1 + 0.5;
    bool empty = false;
    for (const auto [k, m] : {std::pair{kp, mp}, std::pair{kq, mq}, std::pair{kc, mc}}) {
      if (k > 0)
        lo = std::max(lo, (kEdge - m) / k);
      else if (k < 0)
        hi = std::min(hi, (kEdge - m) / k);
      else if (m < kEdge)
        empty = true;
    }
    if (empty || lo > hi) continue;
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const int from = std::max(x0, int(std::ceil(lo - 0.5 - origin.x())));
    const int to = std::min(x1, int(std::floor(hi - 0.5 - origin.x())));
    for (int x = from; x <= to; ++x) {
      const double px = origin.x() + x + 0.5;
      const double wp = kp * px + mp, wq = kq * px + mq, wc = 1 - wp - wq;
      if (wp < kEdge || wq < kEdge || wc < kEdge) continue;  // rounding at the span's ends
      const auto mix = [&](float Channels::*ch) {
        return float(wc * cc.*ch + wp * pc.*ch + wq * qc.*ch);
      };
      row[x] =
          premultiplied(mix(&Channels::a), mix(&Channels::r), mix(&Channels::g), mix(&Channels::b));
    }
  }
}

}  // namespace

QImage rasterisePathGradient(const PathGradient& gradient, const QRect& area) {
  QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const std::size_t n = std::min(gradient.points.size(), gradient.colors.size());
  if (n < 3 || area.isEmpty()) return image;
  const Channels centre = channelsOf(gradient.centerColor);
  // Where the outline doubles back on itself (the locus runs along the line
  // of purples twice) the triangles overlap: the finer edges, painted last,
  // give the colour, so the points that only add colours show.
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = i;
  const auto edgeLength = [&](std::size_t i) {
    const QPointF d = gradient.points[(i + 1) % n] - gradient.points[i];
    return std::hypot(d.x(), d.y());
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return edgeLength(a) > edgeLength(b); });
  for (std::size_t i : order) {
    const std::size_t j = (i + 1) % n;
    fillTriangle(image, area.topLeft(), gradient.center, gradient.points[i], gradient.points[j],
                 centre, channelsOf(gradient.colors[i]), channelsOf(gradient.colors[j]));
  }
  return image;
}

}  // namespace corvana::ui
