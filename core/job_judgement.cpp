#include "core/job_judgement.h"

#include "colour/cielab.h"
#include "core/cell_text.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/language_table.h"

namespace corvana {

bool isJudgeable(const Job& job, int position, int slot) {
  if (slot < 0 || slot > 2 || !job.hasCurrentStandard() || position < 0 ||
      position >= job.sampleCount())
    return false;
  const Condition condition = job.condition(slot);
  return isEvaluable(job.standard(job.currentStandard), condition) &&
         isEvaluable(job.sample(position), condition);
}

std::optional<Grade> sampleGrade(const Job& job, int position, int slot) {
  if (!isJudgeable(job, position, slot)) return std::nullopt;
  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[slot]);
  if (!entry) return std::nullopt;
  ColorDifferences values;
  values.fill(kNoDifference);
  for (int k = 0; k < kMaxDifferences; ++k) {
    const auto& column = entry->sampleDifferences[std::size_t(k)];
    if (std::size_t(position) < column.size())
      values[std::size_t(k)] = column[std::size_t(position)];
  }
  const JudgeCriteria criteria{&job.toleranceB, job.judgeMethod, job.toleranceQuotiety,
                               job.colorSpace, job.colorFormula};
  return judgeValues(criteria, values, slot);
}

std::string judgeSample(const Job& job, int position, int slot) {
  const std::optional<Grade> grade = sampleGrade(job, position, slot);
  return grade ? LookupText(gradeTextRow(*grade)) : std::string(kNoValueText);
}

}  // namespace corvana
