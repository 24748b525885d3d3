#pragma once
#include <cstdint>
#include <string>

namespace corvana {

// kL, kC, kH of CIE 94 and CIE 2000; CMC reads kL as l and kC as c.
struct ParametricFactors {
  float kL = 1.0f, kC = 1.0f, kH = 1.0f;
};

// Shared by every open job; saved into and restored from each job file.
ParametricFactors& parametricFactors();

// "KL: 1.00, KC: 1.00, KH: 1.00" for formulas 1 to 3, empty otherwise.
std::string parametricFactorsText(std::int32_t formula, const ParametricFactors& k = parametricFactors());

}  // namespace corvana
