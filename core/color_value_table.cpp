#include "core/color_value_table.h"

#include "colour/color_difference.h"
#include "colour/color_values.h"
#include "colour/measurement_record.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "core/value_labels.h"

namespace corvana {

namespace {
template <typename T>
void eraseAt(std::vector<T>& v, int position) {
  if (position >= 0 && position < int(v.size())) v.erase(v.begin() + position);
}

// Values, display colour and CIELAB of a record under an entry; false when
// the record is not usable there (values stay at 0, colour untouched). A
// curve counts as usable even under a condition without a table, where its
// values stay at 0 and its colour as it was.
bool evaluate(const MeasurementRecord& record, ColorSpace space, Condition condition,
              ColorValues& values, std::uint32_t& colour, Lab& lab) {
  if (!isEvaluable(record, condition)) return false;
  const std::optional<RecordColor> c = record.UseReflect
                                           ? computeColorValues(record, space, condition)
                                           : computeColorValuesFromLab(record, space, condition);
  if (!c) return record.UseReflect;
  values = c->values;
  colour = c->displayColor;
  lab = c->lab;
  return true;
}
}  // namespace

int ColorValueTable::valueArrayCount() const { return valueCount(job_.colorSpace); }
int ColorValueTable::differenceArrayCount() const {
  return differenceCount(job_.colorSpace, job_.colorFormula);
}

void ColorValueTable::rebuild() {
  entries.clear();
  entries.resize(3);
  for (int slot = 0; slot < 3; ++slot)
    entries[std::size_t(slot)].illuminant = job_.illuminants[slot];
  componentLabels = valueLabelRows(job_.colorSpace, false);
  differenceLabels = differenceLabelRows(job_.colorSpace, job_.colorFormula, false);
}

void ColorValueTable::recomputeAll() {
  resizeStandards(job_.standardCount());
  for (int i = 0; i < job_.standardCount(); ++i) computeStandard(job_.standard(i), i);
  recomputeSamples();
}

void ColorValueTable::recomputeSamples() {
  resizeSamples(job_.sampleCount());
  for (auto& entry : entries) {
    const std::optional<Lab> standard = currentStandardLab(entry);
    for (int i = 0; i < job_.sampleCount(); ++i)
      computeSampleIn(entry, standard, job_.sample(i), i);
  }
}

void ColorValueTable::resizeStandards(int count) {
  const int C = valueArrayCount();
  for (auto& entry : entries) {
    for (int k = 0; k < C; ++k)
      entry.standardValues[std::size_t(k)].resize(std::size_t(count), kNoColorValue);
    entry.standardColors.resize(std::size_t(count), 0u);
  }
}

void ColorValueTable::resizeSamples(int count) {
  const int C = valueArrayCount(), D = differenceArrayCount();
  for (auto& entry : entries) {
    for (int k = 0; k < C; ++k)
      entry.sampleValues[std::size_t(k)].resize(std::size_t(count), kNoColorValue);
    for (int k = 0; k < D && k < kDifferenceArrays; ++k)
      entry.sampleDifferences[std::size_t(k)].resize(std::size_t(count), 0.0f);
    entry.sampleColors.resize(std::size_t(count), 0u);
  }
}

void ColorValueTable::computeStandard(const MeasurementRecord& record, int position) {
  const int C = valueArrayCount();
  for (auto& entry : entries) {
    ColorValues values{};
    Lab lab;
    std::uint32_t& colour = entry.standardColors[std::size_t(position)];
    if (!evaluate(record, job_.colorSpace, {entry.illuminant, job_.observer}, values, colour, lab))
      values.fill(kNoColorValue);
    for (int k = 0; k < C; ++k)
      entry.standardValues[std::size_t(k)][std::size_t(position)] = values[std::size_t(k)];
  }
}

std::optional<Lab> ColorValueTable::currentStandardLab(const IlluminantColorValues& entry) const {
  const int current = job_.currentStandard;
  if (current < 0 || current >= job_.standardCount()) return std::nullopt;
  return recordLab(job_.standard(current), {entry.illuminant, job_.observer});
}

void ColorValueTable::computeSample(const MeasurementRecord& record, int position) {
  for (auto& entry : entries) computeSampleIn(entry, currentStandardLab(entry), record, position);
}

void ColorValueTable::computeSampleIn(IlluminantColorValues& entry,
                                      const std::optional<Lab>& standard,
                                      const MeasurementRecord& record, int position) {
  const int C = valueArrayCount(), D = differenceArrayCount();
  const auto at = std::size_t(position);
  ColorDifferences differences;
  differences.fill(kNoDifference);
  ColorValues values{}, standardValues{};
  const int current = job_.currentStandard;
  const bool hasStandard = current >= 0 && current < job_.standardCount();
  if (hasStandard)
    for (int k = 0; k < C; ++k)
      standardValues[std::size_t(k)] = entry.standardValues[std::size_t(k)][std::size_t(current)];
  Lab lab;
  const bool usable = evaluate(record, job_.colorSpace, {entry.illuminant, job_.observer}, values,
                               entry.sampleColors[at], lab);
  if (!usable) values.fill(kNoColorValue);
  if (hasStandard && usable && standard)
    computeDifferencesFromLab(job_.standard(current), record, standard, lab, standardValues, values,
                              job_.colorSpace, job_.colorFormula, entry.illuminant, job_.metameric,
                              differences, parametricFactors());
  for (int k = 0; k < C; ++k) entry.sampleValues[std::size_t(k)][at] = values[std::size_t(k)];
  for (int k = 0; k < D && k < kMaxDifferences; ++k)
    entry.sampleDifferences[std::size_t(k)][at] = differences[std::size_t(k)];
}

void ColorValueTable::removeSamples(const std::vector<int>& positions) {
  for (auto& entry : entries)
    for (int p : positions) {
      for (auto& a : entry.sampleValues) eraseAt(a, p);
      for (auto& a : entry.sampleDifferences) eraseAt(a, p);
      eraseAt(entry.sampleColors, p);
    }
}

void ColorValueTable::removeStandards(const std::vector<int>& positions) {
  for (auto& entry : entries)
    for (int p : positions) {
      for (auto& a : entry.standardValues) eraseAt(a, p);
      eraseAt(entry.standardColors, p);
    }
}

const IlluminantColorValues* ColorValueTable::entryFor(Illuminant illuminant) const {
  for (const auto& entry : entries)
    if (entry.illuminant == illuminant) return &entry;
  return nullptr;
}

}  // namespace corvana
