#include "instrument/averaging.h"

#include <algorithm>

#include "core/job.h"
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
