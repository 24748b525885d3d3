#pragma once

namespace corvana {

// kL, kC, kH of CIE 94 and CIE 2000; CMC reads kL as l and kC as c.
struct ParametricFactors {
  float kL = 1.0f, kC = 1.0f, kH = 1.0f;
};

}  // namespace corvana
