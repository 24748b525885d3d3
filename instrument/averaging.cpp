#include "instrument/averaging.h"

#include <algorithm>

#include "colour/cielab.h"
#include "colour/color_difference.h"
#include "colour/color_values.h"
#include "core/color_value_table.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "core/naming.h"

namespace corvana {

void addToRunningMean(ReflectanceCurve& mean, int count, const ReflectanceCurve& value) {
  const float n = static_cast<float>(count);
  for (std::size_t i = 0; i < mean.size(); ++i) mean[i] = (n * mean[i] + value[i]) / (n + 1.0f);
}

AverageRun::AverageRun(RecordList list, std::uint32_t mode) : list_(list) {
  record_.mode = static_cast<std::uint8_t>(mode);
  record_.UseReflect = true;
}

void AverageRun::reset() {
  count_ = 0;
  record_.reflectance = {};
}

void AverageRun::chooseTarget(int target) {
  target = std::clamp(target, 0, kMaxAverageCount);
  if (target == target_) return;
  reset();
  target_ = target;
  manualStarted_ = false;
}

AverageRun::ToggleResult AverageRun::toggle() {
  if (target_ != 0) return ToggleResult::Ignored;
  if (!manualStarted_) {
    reset();
    manualStarted_ = true;
    return ToggleResult::Started;
  }
  manualStarted_ = false;
  return ToggleResult::Finished;
}

bool AverageRun::beginMeasure() {
  if (target_ != 0 && count_ == target_) reset();
  return target_ != 0 || manualStarted_;
}

bool AverageRun::addMeasurement(const MeasureResult& values) {
  if (target_ == 0 || count_ < target_) {
    ReflectanceCurve curve;
    std::copy(std::begin(values.reflectance), std::end(values.reflectance), curve.begin());
    addToRunningMean(record_.reflectance, count_, curve);
    ++count_;
  }
  return target_ != 0 && count_ == target_;
}

namespace {

std::optional<RecordColor> colorOf(const MeasurementRecord& record, ColorSpace space,
                                   Condition condition) {
  if (!isEvaluable(record, condition)) return std::nullopt;
  return record.UseReflect ? computeColorValues(record, space, condition)
                           : computeColorValuesFromLab(record, space, condition);
}

}  // namespace

AverageDisplay averageDisplay(const Job& job, const AverageRun& run) {
  AverageDisplay d;
  if (run.count() == 0) return d;
  const Condition primary = job.condition(0);
  const std::optional<RecordColor> own = colorOf(run.record(), job.colorSpace, primary);
  if (!own) return d;
  d.hasValues = true;
  d.valueCount = valueCount(job.colorSpace);
  d.values = own->values;
  d.displayColor = own->displayColor;
  if (run.list() != RecordList::Samples || !job.hasCurrentStandard()) return d;
  const MeasurementRecord& standard = job.standard(job.currentStandard);
  const std::optional<RecordColor> target = colorOf(standard, job.colorSpace, primary);
  if (!target) return d;
  d.differences.fill(kNoDifference);
  computeDifferences(standard, run.record(), target->values, own->values, job.colorSpace,
                     job.colorFormula, primary, job.metameric, d.differences, parametricFactors());
  d.hasDifferences = true;
  d.differenceCount = differenceCount(job.colorSpace, job.colorFormula);
  const JudgeCriteria criteria{&job.toleranceB, job.judgeMethod, job.toleranceQuotiety,
                               job.colorSpace, job.colorFormula};
  d.grade = judgeValues(criteria, d.differences, 0);
  return d;
}

bool finishAverage(Job& job, const AverageRun& run, std::string_view nameField,
                   std::string_view materialField, const RecordTime& now) {
  if (run.count() == 0) return false;
  MeasurementRecord record = run.record();
  record.setName(expandTemplate(nameField, std::int64_t(job.count(run.list())) + 1, now));
  record.setMaterial(materialField);
  record.time = now;
  record.SerialNumber = -1;
  if (run.list() == RecordList::Standards)
    job.addStandard(record, true);
  else
    job.addSample(record, true);
  return true;
}

}  // namespace corvana
