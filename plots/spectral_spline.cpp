#include "plots/spectral_spline.h"

#include <cstddef>

namespace corvana::spectral {

BezierChain cardinalSpline(const std::vector<Point>& points, double tension) {
  BezierChain chain;
  if (points.size() < 2) return chain;
  const std::size_t n = points.size();
  auto at = [&](std::ptrdiff_t i) {
    const std::size_t k = i < 0 ? 0 : (std::size_t(i) >= n ? n - 1 : std::size_t(i));
    return PointF{double(points[k].x), double(points[k].y)};
  };
  const double s = tension / 3.0;
  chain.start = at(0);
  chain.points.reserve(3 * (n - 1));
  for (std::ptrdiff_t i = 0; i + 1 < std::ptrdiff_t(n); ++i) {
    const PointF before = at(i - 1), p = at(i), q = at(i + 1), after = at(i + 2);
    chain.points.push_back({p.x + s * (q.x - before.x), p.y + s * (q.y - before.y)});
    chain.points.push_back({q.x - s * (after.x - p.x), q.y - s * (after.y - p.y)});
    chain.points.push_back(q);
  }
  return chain;
}

BezierChain bezierChain(const std::vector<PointF>& points) {
  BezierChain chain;
  if (points.empty()) return chain;
  chain.start = points.front();
  const std::size_t segments = (points.size() - 1) / 3;
  chain.points.assign(points.begin() + 1, points.begin() + 1 + std::ptrdiff_t(3 * segments));
  return chain;
}

}  // namespace corvana::spectral
