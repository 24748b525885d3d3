#pragma once
// The ticks of one plot axis.
#include <vector>

namespace corvana::spectral {

struct Tick {
  int value = 0;
  // Distance from the previous tick in steps; 0 for the first tick.
  float fraction = 0;
  friend bool operator==(const Tick&, const Tick&) = default;
};

// Ticks from `first` to `last` every `step`: the first value, with `snap` the
// next multiple of the step when the first value is none, then one tick per
// step while it stays within `last`, and `last` itself when the steps miss
// it. A step that does not advance (0 or less) gives no ticks.
std::vector<Tick> tickList(float first, float last, float step, bool snap);

// The sum of the fractions: the axis length in steps.
float stepSum(const std::vector<Tick>& ticks);

}  // namespace corvana::spectral
