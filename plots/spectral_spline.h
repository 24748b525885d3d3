#pragma once
// Curves through plot points as chains of cubic Bezier segments, the one form
// every painter draws.
#include <vector>

#include "plots/spectral_primitives.h"

namespace corvana::spectral {

// A cardinal spline through the points: each segment P[i] -> P[i+1] gets the
// controls P[i] + t/3 (P[i+1] - P[i-1]) and P[i+1] - t/3 (P[i+2] - P[i]), an
// end point standing in for its missing neighbour. Tension 0.5 is the
// Catmull-Rom curve. Fewer than two points give no segments.
BezierChain cardinalSpline(const std::vector<Point>& points, double tension = 0.5);

// The points taken as a Bezier chain themselves: every third point from the
// first lies on the curve, the two between are its controls. Points beyond
// the last whole segment are left out.
BezierChain bezierChain(const std::vector<PointF>& points);

}  // namespace corvana::spectral
