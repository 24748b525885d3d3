#include "plots/tick_list.h"

#include <cmath>

namespace corvana::spectral {

namespace {

// Tick values are stored as ints, cut toward zero; a value a rounding error
// away from a whole number counts as that number.
int tickValue(double v) {
  const double whole = std::round(v);
  return std::fabs(v - whole) < 1e-6 * std::fmax(1.0, std::fabs(v)) ? int(whole) : int(v);
}

}  // namespace

std::vector<Tick> tickList(float first, float last, float step, bool snap) {
  std::vector<Tick> ticks;
  if (!(step > 0)) return ticks;
  const double a = first, b = last, c = step;
  // Axis ends typed as decimals (0.2, 1.0) are not exact multiples in binary.
  const double slack = c * 1e-6;
  ticks.push_back({tickValue(a), 0});
  double previous = a;
  const double remainder = a - std::floor(a / c) * c;
  if (snap && remainder > slack && c - remainder > slack) {
    const double e = std::ceil(a / c) * c;
    if (e > b + slack) {
      // No multiple before the end: only the end follows.
      if (b > a) ticks.push_back({tickValue(b), float((b - a) / c)});
      return ticks;
    }
    ticks.push_back({tickValue(e), float((e - a) / c)});
    previous = e;
  }
  // Counted from `previous` so that long axes do not collect rounding.
  for (int k = 1; previous + k * c <= b + slack; ++k)
    ticks.push_back({tickValue(previous + k * c), 1});
  const int steps = int(std::floor((b + slack - previous) / c));
  const double f = previous + (steps > 0 ? steps : 0) * c;
  if (std::fabs(b - f) > slack && b > f) ticks.push_back({tickValue(b), float((b - f) / c)});
  return ticks;
}

float stepSum(const std::vector<Tick>& ticks) {
  float sum = 0;
  for (const Tick& t : ticks) sum += t.fraction;
  return sum;
}

}  // namespace corvana::spectral
