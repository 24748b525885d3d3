#include "colour/tristimulus.h"

#include "colour/weighting_tables.h"

namespace corvana {

namespace {

constexpr int kLast = kCurvePoints - 1;

// The parts of the tridiagonal system that depend only on the 10 nm grid:
// knots, widths, αi, and the forward-sweep coefficients a and divisors d.
struct Grid {
  double x[kCurvePoints];
  double h[kLast];
  double alpha[kCurvePoints];
  double a[kCurvePoints];
  double d[kCurvePoints];  // d[j] divides step j -> j + 1
  bool valid = true;
  bool uniform = true;  // every interior αi is exactly 0.5
};

Grid makeGrid() {
  Grid g;
  for (int i = 0; i < kCurvePoints; ++i) g.x[i] = 400.0 + 10.0 * i;
  for (int i = 0; i < kLast; ++i) {
    g.h[i] = g.x[i + 1] - g.x[i];
    if (!(g.h[i] > 0.0)) g.valid = false;
  }
  g.alpha[0] = 1.0;
  g.alpha[kLast] = 0.0;
  for (int i = 1; i < kLast; ++i) {
    g.alpha[i] = g.h[i - 1] / (g.h[i - 1] + g.h[i]);
    if (g.alpha[i] != 0.5) g.uniform = false;
  }
  g.a[0] = -g.alpha[0] / 2.0;
  for (int j = 0; j < kLast; ++j) {
    const double l = g.alpha[j + 1];
    g.d[j] = (1.0 - l) * g.a[j] + 2.0;
    g.a[j + 1] = -l / g.d[j];
  }
  return g;
}

const Grid& grid() {
  static const Grid g = makeGrid();
  return g;
}

// Knot slopes m of the natural spline (first-derivative form): right sides β,
// forward sweep, back substitution; m has an extra zero slot at the end.
bool solveSlopes(const double (&y)[kCurvePoints], double (&m)[kCurvePoints + 1]) {
  const Grid& g = grid();
  if (!g.valid) return false;
  double beta[kCurvePoints];
  beta[0] = 3.0 * (y[1] - y[0]) / g.h[0];
  beta[kLast] = 3.0 * (y[kLast] - y[kLast - 1]) / g.h[kLast - 1];
  if (g.uniform) {
    // With every αi = 0.5, (0.5·Δy)/h equals 0.5·(Δy/h) bit for bit (a power
    // of two commutes with rounding), so each slope Δy/h is divided out once.
    double slope[kLast];
    for (int i = 0; i < kLast; ++i) slope[i] = (y[i + 1] - y[i]) / g.h[i];
    for (int i = 1; i < kLast; ++i) beta[i] = 3.0 * (0.5 * slope[i - 1] + 0.5 * slope[i]);
  } else {
    for (int i = 1; i < kLast; ++i)
      beta[i] = 3.0 * ((1.0 - g.alpha[i]) * (y[i] - y[i - 1]) / g.h[i - 1] +
                       g.alpha[i] * (y[i + 1] - y[i]) / g.h[i]);
  }
  double b[kCurvePoints];
  b[0] = beta[0] / 2.0;
  for (int j = 0; j < kLast; ++j) b[j + 1] = (beta[j + 1] - (1.0 - g.alpha[j + 1]) * b[j]) / g.d[j];
  m[kCurvePoints] = 0.0;
  for (int i = kLast; i >= 0; --i) m[i] = g.a[i] * m[i + 1] + b[i];
  return true;
}

// Hermite form on interval k; at the knots it returns the measured value exactly.
double evaluate(const double (&y)[kCurvePoints], const double (&m)[kCurvePoints + 1], int k,
                double t) {
  const Grid& g = grid();
  const double h = g.x[k + 1] - g.x[k];
  const double u = t - g.x[k];
  const double v = t - g.x[k + 1];
  return (1.0 - 2.0 * v / h) * (u / h) * (u / h) * y[k + 1] +
         (1.0 + 2.0 * u / h) * (v / h) * (v / h) * y[k] + u * v * v / (h * h) * m[k] +
         u * u * v / (h * h) * m[k + 1];
}

// The same expression at the middle of an interval (u = 5, v = −5, h = 10):
// every factor is then exact in binary (2·0.5·0.5 = 0.5, 125/100 = 1.25), so
// this gives the identical bits with none of the divisions.
double evaluateMidpoint(const double (&y)[kCurvePoints], const double (&m)[kCurvePoints + 1],
                        int k) {
  return 0.5 * y[k + 1] + 0.5 * y[k] + 1.25 * m[k] + -1.25 * m[k + 1];
}

// A knot belongs to the interval on its left, except 400 nm.
int intervalOf(int nm) { return nm <= 400 ? 0 : (nm - 401) / 10; }

}  // namespace

void interpolateReflectance(const double (&values)[kCurvePoints], double (&out)[kSplinePoints]) {
  double m[kCurvePoints + 1];
  if (!solveSlopes(values, m)) return;
  for (int i = 0; i < kSplinePoints; ++i) {
    const int nm = 400 + i;
    out[i] = evaluate(values, m, intervalOf(nm), double(nm));
  }
}

// CIE 15:2004 tristimulus values with ASTM E308 weighting tables: sums of weight times reflectance.
std::optional<Xyz> computeTristimulus(const ReflectanceCurve& curve, Condition condition) {
  const WeightingTable* table = findWeightingTable(condition);
  if (!table) return std::nullopt;
  float x = 0.0f, y = 0.0f, z = 0.0f;
  if (usesFiveNanometreTable(condition.illuminant)) {
    double knots[kCurvePoints];
    for (int i = 0; i < kCurvePoints; ++i) knots[i] = curve[i];
    double m[kCurvePoints + 1];
    double r5[kWeightRows] = {};
    // Only the 5 nm points are needed: the knots, where the spline returns
    // the measured values exactly, and the interval midpoints.
    if (solveSlopes(knots, m)) {
      for (int k = 0; k < kLast; ++k) {
        r5[2 * k] = knots[k];
        r5[2 * k + 1] = evaluateMidpoint(knots, m, k);
      }
      r5[kWeightRows - 1] = knots[kLast];
    }
    for (int row = 0; row < kWeightRows; ++row) {
      x += float(double(table->weights[row][0]) * r5[row]);
      y += float(double(table->weights[row][1]) * r5[row]);
      z += float(double(table->weights[row][2]) * r5[row]);
    }
  } else {
    for (int row = 0; row < kCurvePoints; ++row) {
      x += table->weights[row][0] * curve[row];
      y += table->weights[row][1] * curve[row];
      z += table->weights[row][2] * curve[row];
    }
  }
  return Xyz{x, y, z};
}

}  // namespace corvana
