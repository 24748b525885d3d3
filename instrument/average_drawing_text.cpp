#include "instrument/average_drawing_text.h"

#include <cmath>

#include "core/cell_text.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/number_text.h"
#include "core/value_labels.h"

namespace corvana {

namespace {
std::string valueText(float v, int decimals) {
  return std::isnan(v) ? std::string(kNoValueText) : fixedText(v, decimals);
}
}  // namespace

AverageDrawingText averageDrawingText(const Job& job, const AverageRun& run) {
  AverageDrawingText t;
  const AverageDisplay d = averageDisplay(job, run);
  if (run.count() == 0) return t;
  t.shown = true;
  t.countLine = fillPlaceholders(LookupText(Text::TheTimes), {run.count()});

  const std::vector<Text> valueLabels = valueLabelRows(job.colorSpace, false);
  const int values = valueCount(job.colorSpace);
  for (int k = 0; k < values && std::size_t(k) < valueLabels.size(); ++k)
    t.values.push_back({LookupText(valueLabels[std::size_t(k)]),
                        d.hasValues ? valueText(d.values[std::size_t(k)], job.DataAccuracy)
                                    : std::string(kNoValueText)});

  if (d.hasDifferences) {
    const std::vector<Text> labels = differenceLabelRows(job.colorSpace, job.colorFormula, false);
    const bool curves = job.standard(job.currentStandard).UseReflect && run.record().UseReflect;
    for (int k = 0; k < d.differenceCount && std::size_t(k) < labels.size(); ++k)
      t.differences.push_back({LookupText(labels[std::size_t(k)]),
                               differenceText(job, k, d.differences[std::size_t(k)], curves)});
    t.differences.push_back({LookupText(Text::JudgeResult), LookupText(gradeTextRow(d.grade))});
  }

  t.colorSimulation = LookupText(Text::ColorSimulation);
  t.displayColor = d.displayColor;
  t.reflectanceCaption = LookupText(Text::Reflectance);
  const MeasurementRecord& record = run.record();
  for (int i = 0; i < kCurvePoints; ++i) {
    AverageLine& line = t.reflectance[std::size_t(i)];
    line.label = std::to_string(wavelengthOf(i));
    line.value = record.UseReflect ? formatFixed(double(record.reflectance[std::size_t(i)]) * 100.0,
                                                 job.DataAccuracy, 6)
                                   : std::string(kNoValueText);
  }
  return t;
}

std::vector<std::string> averageDrawingLabels(const Job& job) {
  std::vector<std::string> labels;
  for (Text row : valueLabelRows(job.colorSpace, false)) labels.push_back(LookupText(row));
  for (Text row : differenceLabelRows(job.colorSpace, job.colorFormula, false))
    labels.push_back(LookupText(row));
  labels.push_back(LookupText(Text::JudgeResult));
  labels.push_back(LookupText(Text::ColorSimulation));
  return labels;
}

std::string averageNameTemplate(const Job& job, RecordList list) {
  return list == RecordList::Standards ? job.StandardNameRule1 + job.StandardNameRule2
                                       : job.SampleNameRule1 + job.SampleNameRule2;
}

std::string averageMaterial(const Job& job, RecordList list) {
  return list == RecordList::Standards ? job.StandardMaterial : job.SampleMaterial;
}

}  // namespace corvana
