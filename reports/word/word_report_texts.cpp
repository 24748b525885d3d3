#include "reports/word/word_report_texts.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "colour/cielab.h"
#include "colour/spectral.h"
#include "core/cell_text.h"
#include "core/color_direction_text.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/job_judgement.h"
#include "core/value_labels.h"
#include "plots/chroma_scale.h"
#include "plots/plot_cell.h"
#include "reports/color_diff_report.h"
#include "reports/report_texts.h"

namespace corvana::wordreport {
namespace {

std::string format(const char* pattern, ...) {
  char buffer[1024];
  va_list args;
  va_start(args, pattern);
  std::vsnprintf(buffer, sizeof buffer, pattern, args);
  va_end(args);
  return buffer;
}

const std::string& text(Text t) { return LookupText(t); }

std::string illuminantText(const Job& job, int slot) {
  return std::string(illuminantName(job.illuminants[slot]));
}

// Label k of the tolerance entries of slot 0.
std::string toleranceLabel(const Job& job, int k) {
  const int row = job.toleranceB[std::size_t(toleranceIndex(0, k))].componentLabel;
  return row > 0 && row < kLanguageRows ? LookupText(Text(row)) : std::string();
}

std::vector<std::string> labelTexts(const std::vector<Text>& rows, int count) {
  std::vector<std::string> out;
  for (int i = 0; i < count && i < int(rows.size()); ++i) out.push_back(text(rows[std::size_t(i)]));
  while (int(out.size()) < count) out.emplace_back();
  return out;
}

std::vector<std::string> valueLabels(const Job& job) {
  return labelTexts(valueLabelRows(job.colorSpace, true), job.table.valueArrayCount());
}

std::vector<std::string> differenceLabels(const Job& job) {
  return labelTexts(differenceLabelRows(job.colorSpace, job.colorFormula, true),
                    job.table.differenceArrayCount());
}

float at(const std::vector<float>& v, int i) {
  return i >= 0 && i < int(v.size()) ? v[std::size_t(i)] : kNoDifference;
}

std::string colorDirectionCell(const Job& job, int slot) {
  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[slot]);
  if (!entry || !isJudgeable(job, job.currentSample, slot)) return std::string(kNoValueText);
  const int s = job.currentSample, t = job.currentStandard;
  const float dL = at(entry->sampleDifferences[0], s), da = at(entry->sampleDifferences[1], s),
              db = at(entry->sampleDifferences[2], s);
  if (dL == kNoDifference || da == kNoDifference || db == kNoDifference)
    return std::string(kNoValueText);
  return colorDirectionText(dL, da, db, at(entry->standardValues[1], t),
                            at(entry->standardValues[2], t));
}

std::string reflectanceText(const Job& job, const MeasurementRecord& record, int i) {
  if (!record.UseReflect) return std::string(kNoValueText);
  return format("%6.*f", int(job.DataAccuracy), double(record.reflectance[std::size_t(i)]) * 100);
}

}  // namespace

std::string displayedIlluminantsText(const Job& job) {
  std::string out;
  for (int slot = 0; slot < displayedIlluminants(job); ++slot) {
    if (slot) out += ", ";
    out += illuminantText(job, slot);
  }
  return out;
}

std::string fullScaleText(float fullScale) {
  return format("%s: %6.2f", text(Text::FullScale).c_str(), double(fullScale));
}

std::string instrumentLineText(const Job& job) {
  return format("%s %s                   ", text(Text::InstrumentLabel).c_str(),
                job.DeviceName.c_str());
}

DocumentTable toleranceTable(const Job& job) {
  DocumentTable t;
  t.widths = {5, 7, 7, 7, 7};
  std::vector<std::string> header{text(Text::Tolerance)};
  for (int k = 0; k < kEntriesPerSlot; ++k) header.push_back(toleranceLabel(job, k));
  t.rows.push_back(header);
  for (int slot = 0; slot < displayedIlluminants(job); ++slot) {
    std::vector<std::string> row{illuminantText(job, slot)};
    for (int k = 0; k < kEntriesPerSlot; ++k) {
      const ToleranceSet& e = job.toleranceB[std::size_t(toleranceIndex(slot, k))];
      // The total has no lower limit.
      const double lower = k == kEntriesPerSlot - 1 ? 0.0 : double(e.lower);
      row.push_back(format("%5.2f ~ %5.2f", lower, double(e.upper)));
    }
    t.rows.push_back(row);
  }
  return t;
}

DocumentTable recordValueTable(const Job& job, bool standard) {
  const RecordList list = standard ? RecordList::Standards : RecordList::Samples;
  const int record = standard ? job.currentStandard : job.currentSample;
  DocumentTable t;
  std::vector<std::string> header{text(standard ? Text::Standard : Text::Sample)};
  for (std::string& label : valueLabels(job)) header.push_back(std::move(label));
  t.rows.push_back(header);
  t.widths.assign(header.size(), 4);
  const bool present = record >= 0 && record < job.count(list);
  for (int slot = 0; slot < displayedIlluminants(job); ++slot) {
    std::vector<std::string> row{illuminantText(job, slot)};
    const bool usable =
        present && isEvaluable(job.records(list)[std::size_t(record)], job.condition(slot));
    for (int v = 0; v < job.table.valueArrayCount(); ++v)
      row.push_back(usable ? valueCellText(job, list, record, v, slot) : std::string(kNoValueText));
    t.rows.push_back(row);
  }
  return t;
}

DocumentTable differenceTable(const Job& job) {
  DocumentTable t;
  std::vector<std::string> header{text(Text::ColorDiff)};
  t.widths.push_back(4);
  const std::vector<Text> rows = differenceLabelRows(job.colorSpace, job.colorFormula, true);
  const std::vector<std::string> labels = differenceLabels(job);
  for (std::size_t k = 0; k < labels.size(); ++k) {
    header.push_back(labels[k]);
    t.widths.push_back(k < rows.size() ? differenceColumnFactor(int(rows[k])) : 3.9);
  }
  header.push_back(text(Text::JudgeResultShort));
  t.widths.push_back(4);
  const bool direction = showsColorDirection(job);
  if (direction) {
    header.push_back(text(Text::ColorDirection));
    t.widths.push_back(6);
  }
  t.rows.push_back(header);
  const bool sample = job.currentSample >= 0 && job.currentSample < job.sampleCount();
  for (int slot = 0; slot < displayedIlluminants(job); ++slot) {
    std::vector<std::string> row{illuminantText(job, slot)};
    for (int k = 0; k < int(labels.size()); ++k)
      row.push_back(sample ? differenceCellText(job, job.currentSample, k, slot)
                           : std::string(kNoValueText));
    row.push_back(sample ? gradeCellText(job, job.currentSample, slot) : std::string(kNoValueText));
    if (direction) row.push_back(colorDirectionCell(job, slot));
    t.rows.push_back(row);
  }
  return t;
}

std::string cumulativeConditionLine(const Job& job, Text sortMode) {
  auto pair = [](Text label, const std::string& value) {
    return format("%s: %s  ", text(label).c_str(), value.c_str());
  };
  const std::string sort = format("  %s: %s", text(Text::SortMode).c_str(), text(sortMode).c_str());
  return format("%s%s: %s  %s: %s  %s: %s %s %s",
                pair(Text::Illuminant, illuminantText(job, 0)).c_str(),
                text(Text::ObserverAngle).c_str(), text(observerTextRow(job.observer)).c_str(),
                text(Text::ColorSpace).c_str(), colorSpaceText(job.colorSpace).c_str(),
                text(Text::ColorFormula).c_str(), colorFormulaText(job.colorFormula).c_str(),
                parametricFactorsText(job.colorFormula).c_str(), sort.c_str());
}

std::string cumulativeToleranceLine(const Job& job) {
  std::string out;
  for (int k = 0; k < kEntriesPerSlot; ++k) {
    const ToleranceSet& e = job.toleranceB[std::size_t(toleranceIndex(0, k))];
    const double lower = k == kEntriesPerSlot - 1 ? 0.0 : double(e.lower);
    if (k) out += ", ";
    out += format("%s: %6.2f ~ %6.2f", toleranceLabel(job, k).c_str(), lower, double(e.upper));
  }
  return out;
}

std::string judgeMethodLine(const Job& job) {
  return format("%s%s: %s", "  ", text(Text::JudgeMethod).c_str(),
                judgeMethodText(job.judgeMethod).c_str());
}

DocumentTable cumulativeStandardTable(const Job& job) {
  DocumentTable t;
  std::vector<std::string> header{text(Text::Standard)};
  for (std::string& label : valueLabels(job)) header.push_back(std::move(label));
  t.widths.assign(header.size(), 5.5);
  t.widths[0] = 9;
  std::vector<std::string> row{
      job.hasCurrentStandard() ? job.standard(job.currentStandard).nameUtf8() : std::string()};
  const bool usable =
      job.hasCurrentStandard() && isEvaluable(job.standard(job.currentStandard), job.condition(0));
  for (int v = 0; v < job.table.valueArrayCount(); ++v)
    row.push_back(usable ? valueCellText(job, RecordList::Standards, job.currentStandard, v, 0)
                         : std::string(kNoValueText));
  t.rows = {header, row};
  return t;
}

DocumentTable cumulativeSampleTable(const Job& job, const std::vector<int>& samples) {
  DocumentTable t;
  const std::vector<std::string> values = valueLabels(job), differences = differenceLabels(job);
  std::vector<std::string> header{text(Text::Sample), text(Text::Name)};
  for (std::size_t k = 0; k < differences.size(); ++k)
    header.push_back(job.PrintChromaticity && k < values.size() ? values[k] + "/" + differences[k]
                                                                : differences[k]);
  header.push_back(text(Text::JudgeResultShort));
  t.widths.assign(header.size(), 5.5);
  t.widths[0] = 2;
  t.widths[1] = 8;
  t.widths.back() = 4;
  t.rows.reserve(1 + samples.size() * (job.PrintChromaticity ? 2 : 1));
  t.rows.push_back(header);
  int number = 0;
  for (int s : samples) {
    ++number;
    if (s < 0 || s >= job.sampleCount()) continue;
    const bool usable = isEvaluable(job.sample(s), job.condition(0));
    std::vector<std::string> row{std::to_string(number), job.sample(s).nameUtf8()};
    if (job.PrintChromaticity) {
      for (std::size_t k = 0; k < differences.size(); ++k)
        row.push_back(k < values.size()
                          ? (usable ? valueCellText(job, RecordList::Samples, s, int(k), 0)
                                    : std::string(kNoValueText))
                          : std::string());
      row.emplace_back();
      t.rows.push_back(std::move(row));
      row = {std::string(), std::string()};
    }
    for (std::size_t k = 0; k < differences.size(); ++k)
      row.push_back(differenceCellText(job, s, int(k), 0));
    row.push_back(gradeCellText(job, s, 0));
    t.rows.push_back(std::move(row));
  }
  return t;
}

DocumentTable reflectanceBlocks(const Job& job, const std::vector<int>& samples) {
  DocumentTable t;
  constexpr int kColumns = 11;
  t.widths.assign(kColumns, 5.2);
  auto block = [&](std::string title, const MeasurementRecord* record) {
    std::vector<std::string> head(kColumns);
    head[0] = std::move(title);
    head[1] = record ? record->nameUtf8() : std::string();
    t.rows.push_back(std::move(head));
    for (int part = 0; part < 3; ++part) {
      const int first = part * 10, count = part == 2 ? 11 : 10;
      std::vector<std::string> wavelengths(kColumns), values(kColumns);
      for (int i = 0; i < count; ++i) {
        wavelengths[std::size_t(i)] = std::to_string(400 + 10 * (first + i));
        values[std::size_t(i)] =
            record ? reflectanceText(job, *record, first + i) : std::string(kNoValueText);
      }
      t.rows.push_back(std::move(wavelengths));
      t.rows.push_back(std::move(values));
    }
  };
  block(text(Text::Standard),
        job.hasCurrentStandard() ? &job.standard(job.currentStandard) : nullptr);
  int number = 0;
  for (int s : samples) {
    ++number;
    if (s >= 0 && s < job.sampleCount()) block(std::to_string(number), &job.sample(s));
  }
  return t;
}

}  // namespace corvana::wordreport
