#pragma once
// Pass/fail grading of a sample's differences against rectangular tolerances.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "colour/color_space.h"
#include "colour/tolerance.h"

namespace corvana {

enum JudgeMethod : std::uint32_t {
  UseDeltaE = 0,
  UseColorimetric = 1,
  UseColorimetricAndDeltaE = 2
};

enum Grade : int { Level1 = 0, Level2 = 1, NoGood = 2 };

constexpr float kDefaultToleranceQuotiety = 0.75f;
constexpr float kMinToleranceQuotiety = 0.10f;
constexpr float kMaxToleranceQuotiety = 0.90f;

// What judging needs of a job, for one illuminant slot.
struct JudgeCriteria {
  const ToleranceTable* limits = nullptr;  // table B
  std::uint32_t method = UseDeltaE;
  float quotiety = kDefaultToleranceQuotiety;
  ColorSpace space = CieLab;
  ColorFormula formula = Cie1976;
};

// The core rule: all comparisons strict, NaN counts as inside.
Grade judgeValues(const JudgeCriteria& criteria, const ColorDifferences& values, int slot);

}  // namespace corvana
