#include "core/cell_text.h"

#include <cmath>

#include "colour/indices.h"
#include "core/job.h"
#include "core/job_judgement.h"
#include "core/number_text.h"

namespace corvana {

std::string fixedText(double value, int decimals) { return formatFixed(value, decimals); }

namespace {
const IlluminantColorValues* slotEntry(const Job& job, int slot) {
  if (slot < 0 || slot > 2) return nullptr;
  return job.table.entryFor(job.illuminants[slot]);
}

float at(const std::vector<float>& column, int i) {
  return i >= 0 && std::size_t(i) < column.size() ? column[std::size_t(i)] : NAN;
}
}  // namespace

std::string valueCellText(const Job& job, RecordList list, int record, int value, int slot) {
  const IlluminantColorValues* entry = slotEntry(job, slot);
  if (!entry || record < 0 || record >= job.count(list) || value < 0 || value >= kValueArrays)
    return std::string(kNoValueText);
  if (!isEvaluable(job.records(list)[std::size_t(record)], {entry->illuminant, job.observer}))
    return std::string(kNoValueText);
  const auto& columns = list == RecordList::Standards ? entry->standardValues : entry->sampleValues;
  const float v = at(columns[std::size_t(value)], record);
  if (std::isnan(v)) return std::string(kNoValueText);
  return fixedText(v, job.DataAccuracy);
}

std::string differenceCellText(const Job& job, int sample, int k, int slot) {
  const IlluminantColorValues* entry = slotEntry(job, slot);
  if (!entry || k < 0 || k >= kDifferenceArrays || !isJudgeable(job, sample, slot))
    return std::string(kNoValueText);
  const bool curves = job.standard(job.currentStandard).UseReflect && job.sample(sample).UseReflect;
  return differenceText(job, k, at(entry->sampleDifferences[std::size_t(k)], sample), curves);
}

std::string differenceText(const Job& job, int k, float v, bool curves) {
  if (std::isnan(v)) return std::string(kNoValueText);
  const int D = differenceCount(job.colorSpace, job.colorFormula);
  const ColorFormula formula = job.colorFormula;
  const bool needsCurves =
      (formula == ColorStrength && k >= D - 2) || (formula == MetamericIndex && k == D - 1);
  if (needsCurves && !curves) return std::string(kNoValueText);
  if (formula == ColorFastness && k == D - 1) return std::string(colourChangeGrade(v));
  if (formula == StainingFastness && k == D - 1) return std::string(stainingGrade(v));
  if (formula == ColorStrength && k >= D - 2) {
    const double percent = double(v) * 100.0;
    return std::isnan(percent) ? "--%" : fixedText(percent, 2) + "%";
  }
  return fixedText(v, job.DataAccuracy);
}

std::string gradeCellText(const Job& job, int sample, int slot) {
  return judgeSample(job, sample, slot);
}

}  // namespace corvana
