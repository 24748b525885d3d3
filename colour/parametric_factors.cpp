#include "colour/parametric_factors.h"

#include <cstdio>

#include "app/language_table.h"
#include "colour/color_space.h"

namespace corvana {

ParametricFactors& parametricFactors() {
  static ParametricFactors factors;
  return factors;
}

std::string parametricFactorsText(std::int32_t formula, const ParametricFactors& k) {
  if (formula < Cie94 || formula > Cmc) return {};
  char text[256];
  std::snprintf(text, sizeof text, "%s: %4.2f, %s: %4.2f, %s: %4.2f", LookupText(105).c_str(),
                double(k.kL), LookupText(106).c_str(), double(k.kC), LookupText(107).c_str(),
                double(k.kH));
  return text;
}

}  // namespace corvana
