#include "core/job.h"

#include <algorithm>

#include "colour/indices.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "core/value_labels.h"

namespace corvana {

Job::Job(const JobManager& m)
    : colorSpace(m.defaultColorSpace),
      colorFormula(m.defaultColorFormula),
      illuminants{m.defaultIlluminants[0], m.defaultIlluminants[1], m.defaultIlluminants[2]},
      observer(m.defaultObserver),
      ChineseName(m.ChineseName),
      EnglishName(m.EnglishName),
      ChineseAddress(m.ChineseAddress),
      EnglishAddress(m.EnglishAddress) {
  // A new job runs the formula set once for its labels; it is not a change.
  assignToleranceComponents(toleranceB, colorSpace, colorFormula);
}

void Job::setModified(bool modified) {
  const bool changed = modified != modified_;
  modified_ = modified;
  if (changed && window) window->modifiedChanged(modified);
}

void Job::add(RecordList l, const MeasurementRecord& record, bool select) {
  auto& records = list(l);
  const bool wasEmpty = records.empty();
  MeasurementRecord r = record;
  r.SerialNumber = wasEmpty ? 1 : records.back().SerialNumber + 1;
  records.push_back(r);
  const int index = int(records.size()) - 1;
  if (table.entries.empty()) table.rebuild();
  if (l == RecordList::Standards) {
    table.resizeStandards(standardCount());
    table.computeStandard(records.back(), index);
  } else {
    table.resizeSamples(sampleCount());
    table.computeSample(records.back(), index);
  }
  if (window) window->recordAdded(l, index);
  if (select || wasEmpty) {
    if (l == RecordList::Standards)
      selectStandard(index);
    else
      selectSample(index);
  }
  setModified(true);
}

void Job::addStandard(const MeasurementRecord& record, bool select) {
  add(RecordList::Standards, record, select);
}
void Job::addSample(const MeasurementRecord& record, bool select) {
  add(RecordList::Samples, record, select);
}

void Job::remove(RecordList l, std::vector<int> indices) {
  if (indices.empty()) return;
  auto& records = list(l);
  std::int32_t& current = l == RecordList::Standards ? currentStandard : currentSample;
  std::sort(indices.begin(), indices.end(), std::greater<>());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  std::vector<int> removed;
  int below = 0;
  bool currentRemoved = false;
  for (int i : indices) {
    if (i < 0 || i >= int(records.size())) continue;
    records.erase(records.begin() + i);
    removed.push_back(i);
    if (i < current) ++below;
    if (i == current) currentRemoved = true;
  }
  if (l == RecordList::Standards)
    table.removeStandards(removed);
  else
    table.removeSamples(removed);
  if (window) window->recordsRemoved(l, removed);
  if (currentRemoved) {
    // The selection is forced, even when the old index was 0.
    makeCurrent(l, records.empty() ? -1 : 0);
  } else {
    current -= below;
  }
  setModified(true);
}

void Job::deleteStandards(std::vector<int> indices) {
  remove(RecordList::Standards, std::move(indices));
}
void Job::deleteSamples(std::vector<int> indices) {
  remove(RecordList::Samples, std::move(indices));
}

void Job::makeCurrent(RecordList l, int index) {
  if (l == RecordList::Standards) {
    const int old = currentStandard;
    currentStandard = index;
    recomputeMinimumReflectanceIndex();
    table.recomputeSamples();
    if (window) window->currentChanged(l, old);
  } else {
    const int old = currentSample;
    currentSample = index;
    if (window) window->currentChanged(l, old);
  }
}

void Job::selectStandard(int index, bool byUser) {
  if (index == currentStandard) return;
  makeCurrent(RecordList::Standards, index);
  if (byUser) setModified(true);
}

void Job::selectSample(int index, bool byUser) {
  if (index == currentSample) return;
  makeCurrent(RecordList::Samples, index);
  if (byUser) setModified(true);
}

void Job::setText(RecordList l, int index, const std::string& text, bool material) {
  auto& records = list(l);
  if (index < 0 || index >= int(records.size())) return;
  if (material)
    records[std::size_t(index)].setMaterial(text);
  else
    records[std::size_t(index)].setName(text);
  if (window) window->recordTextChanged(l, index);
  setModified(true);
}

void Job::renameStandard(int index, const std::string& text) {
  setText(RecordList::Standards, index, text, false);
}
void Job::renameSample(int index, const std::string& text) {
  setText(RecordList::Samples, index, text, false);
}
void Job::setStandardMaterial(int index, const std::string& text) {
  setText(RecordList::Standards, index, text, true);
}
void Job::setSampleMaterial(int index, const std::string& text) {
  setText(RecordList::Samples, index, text, true);
}

void Job::setColorFormula(ColorFormula formula) {
  colorFormula = formula;
  assignToleranceComponents(toleranceB, colorSpace, colorFormula);
  setModified(true);
}

bool Job::setIlluminantCount(std::uint32_t count) {
  if (count < 1 || count > 3) return false;
  IlluminantCount = count;
  if (window) window->illuminantCountChanged();
  setModified(true);
  return true;
}

void Job::recomputeAll() {
  table.rebuild();
  recomputeMinimumReflectanceIndex();
  table.recomputeAll();
  if (window) window->everythingChanged();
}

void Job::setTitle(std::string text) {
  title = std::move(text);
  if (window) window->titleChanged();
}

void Job::clearRecords() {
  standards_.clear();
  samples_.clear();
  currentStandard = currentSample = -1;
  table.resizeStandards(0);
  table.resizeSamples(0);
  if (window) window->everythingChanged();
  setModified(true);
}

void Job::reserveRecords(RecordList l, int count) {
  if (count > 0) list(l).reserve(std::size_t(count));
}

void Job::recomputeMinimumReflectanceIndex() {
  minimumReflectanceIndex = kNoMinimumReflectance;
  if (colorFormula == ColorStrength && hasCurrentStandard() && standard(currentStandard).UseReflect)
    minimumReflectanceIndex =
        std::uint8_t(corvana::minimumReflectanceIndex(standard(currentStandard).reflectance));
}

std::string newJobTitle(int openJobsIncludingNew) {
  return LookupText(Text::Job) + std::to_string(openJobsIncludingNew);
}

}  // namespace corvana
