#pragma once
#include <optional>
#include <string>

#include "colour/judgement.h"

namespace corvana {

class Job;

// Whether a sample can be judged against the current standard under an
// illuminant slot: both records usable under it (curve, or stored condition).
bool isJudgeable(const Job& job, int samplePosition, int slot);

// The sample's grade under a slot; none when it cannot be judged.
std::optional<Grade> sampleGrade(const Job& job, int samplePosition, int slot);

// "Level 1", "Level 2", "NG" in the current language, or "--".
std::string judgeSample(const Job& job, int samplePosition, int slot);

}  // namespace corvana
