#include "reports/report_texts.h"

#include <algorithm>

#include "colour/cielab.h"
#include "colour/tolerance.h"
#include "core/color_direction_text.h"
#include "core/job.h"
#include "core/number_text.h"
#include "core/value_labels.h"
#include "plots/plot_cell.h"

namespace corvana {

int displayedIlluminants(const Job& job) { return std::clamp(int(job.IlluminantCount), 1, 3); }

std::string displayedIlluminantNames(const Job& job) {
  std::string text;
  for (int slot = 0; slot < displayedIlluminants(job); ++slot) {
    if (slot) text += ", ";
    text += illuminantName(job.illuminants[std::size_t(slot)]);
  }
  return text;
}

namespace {
std::vector<std::string> textsOf(const std::vector<Text>& rows) {
  std::vector<std::string> out;
  out.reserve(rows.size());
  for (Text row : rows) out.push_back(LookupText(row));
  return out;
}

float valueAt(const std::vector<float>& column, int i) {
  return i >= 0 && std::size_t(i) < column.size() ? column[std::size_t(i)] : 0.0f;
}
}  // namespace

std::vector<std::string> reportValueLabels(const Job& job) {
  return textsOf(valueLabelRows(job.colorSpace, true));
}

std::vector<std::string> reportDifferenceLabels(const Job& job) {
  return textsOf(differenceLabelRows(job.colorSpace, job.colorFormula, true));
}

std::string labelled(Text label, const std::string& value) {
  return LookupText(label) + ": " + value;
}

std::string numberedHeading(int number, Text heading) {
  return std::to_string(number) + ". " + LookupText(heading);
}

std::string signatureText() {
  return fillPlaceholders("%s                        %s                       ",
                          {LookupText(Text::TestSignature), LookupText(Text::AuditSignature)});
}

std::string colorDirectionCell(const Job& job, int sample, int slot) {
  if (!showsColorDirection(job) || !job.hasCurrentStandard() || sample < 0 ||
      sample >= job.sampleCount() || slot < 0 || slot > 2)
    return {};
  const Condition condition = job.condition(slot);
  if (!isEvaluable(job.standard(job.currentStandard), condition) ||
      !isEvaluable(job.sample(sample), condition))
    return {};
  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[slot]);
  if (!entry) return {};
  const int t = job.currentStandard;
  return colorDirectionText(
      valueAt(entry->sampleDifferences[0], sample), valueAt(entry->sampleDifferences[1], sample),
      valueAt(entry->sampleDifferences[2], sample), valueAt(entry->standardValues[1], t),
      valueAt(entry->standardValues[2], t));
}

std::string recordName(const Job& job, RecordList list, int record) {
  if (record < 0 || record >= job.count(list)) return {};
  return job.records(list)[std::size_t(record)].nameUtf8();
}

}  // namespace corvana
