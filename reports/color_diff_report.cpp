#include "reports/color_diff_report.h"

#include "colour/spectral.h"
#include "core/cell_text.h"
#include "core/condition_texts.h"
#include "core/date_time_text.h"
#include "core/job.h"
#include "core/job_judgement.h"
#include "core/number_text.h"
#include "core/value_labels.h"
#include "plots/chroma_context.h"
#include "plots/plot_cell.h"
#include "reports/report_texts.h"

namespace corvana {

double differenceColumnFactor(int labelRow) {
  switch (labelRow) {
    case 172: return 4.8;  // "MI"
    case 366:
    case 368: return 3.3;
    case 367:
    case 369: return 1.6;
    case 377: return 4.1;
    case 378: return 3.2;
    default: return 3.9;
  }
}

namespace {

std::string illuminantText(const Job& job, int slot) {
  return std::string(illuminantName(job.illuminants[slot]));
}

// Header "Standard" or "Sample" and the value labels; a row per displayed
// illuminant with the record's values.
ReportTable valueTable(const Job& job, RecordList list, int record, Text heading, int h) {
  ReportTable table;
  const std::vector<std::string> labels = reportValueLabels(job);
  table.columnWidths.assign(labels.size() + 1, 4 * h);
  table.rows.push_back({LookupText(heading)});
  for (const std::string& label : labels) table.rows[0].push_back(label);
  for (int slot = 0; slot < displayedIlluminants(job); ++slot) {
    std::vector<std::string> row{illuminantText(job, slot)};
    for (int i = 0; i < int(labels.size()); ++i)
      row.push_back(valueCellText(job, list, record, i, slot));
    table.rows.push_back(std::move(row));
  }
  return table;
}

ReportTable toleranceTable(const Job& job, int h) {
  ReportTable table;
  table.columnWidths = {5 * h, 7 * h, 7 * h, 7 * h, 7 * h};
  table.rows.push_back({LookupText(Text::Tolerance)});
  for (int c = 0; c < kEntriesPerSlot; ++c)
    table.rows[0].push_back(axisLabelText(job.toleranceB[toleranceIndex(0, c)].componentLabel));
  for (int slot = 0; slot < displayedIlluminants(job); ++slot) {
    std::vector<std::string> row{illuminantText(job, slot)};
    for (int c = 0; c < kEntriesPerSlot; ++c) {
      const ToleranceSet& t = job.toleranceB[toleranceIndex(slot, c)];
      // The total has no lower limit.
      row.push_back(limitRangeText(c == kEntriesPerSlot - 1 ? 0.0 : t.lower, t.upper, 5));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

ReportTable differenceTable(const Job& job, int h) {
  ReportTable table;
  const std::vector<Text> rows = differenceLabelRows(job.colorSpace, job.colorFormula, true);
  const bool direction = showsColorDirection(job);
  table.columnWidths.push_back(4 * h);
  table.rows.push_back({LookupText(Text::ColorDiff)});
  for (Text row : rows) {
    table.columnWidths.push_back(int(h * differenceColumnFactor(int(row))));
    table.rows[0].push_back(LookupText(row));
  }
  table.columnWidths.push_back(4 * h);
  table.rows[0].push_back(LookupText(Text::JudgeResultShort));
  if (direction) {
    table.columnWidths.push_back(6 * h);
    table.rows[0].push_back(LookupText(Text::ColorDirection));
  }
  const int sample = job.currentSample;
  const bool both = job.hasCurrentStandard() && sample >= 0 && sample < job.sampleCount();
  for (int slot = 0; slot < displayedIlluminants(job); ++slot) {
    std::vector<std::string> row{illuminantText(job, slot)};
    for (int k = 0; k < int(rows.size()); ++k)
      row.push_back(both ? differenceCellText(job, sample, k, slot) : std::string(kNoValueText));
    row.push_back(both ? judgeSample(job, sample, slot) : std::string(kNoValueText));
    if (direction) row.push_back(colorDirectionCell(job, sample, slot));
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace

ColorDiffReport colorDiffReport(const Job& job, const RecordTime& now, int h) {
  ColorDiffReport report;
  report.dateTime = dateTimeText(now);
  const std::pair<const std::string*, bool> company[] = {{&job.ChineseName, true},
                                                         {&job.EnglishName, true},
                                                         {&job.ChineseAddress, false},
                                                         {&job.EnglishAddress, false}};
  for (const auto& [text, centred] : company)
    if (!text->empty()) report.companyLines.push_back({*text, centred});
  const int sample =
      job.currentSample >= 0 && job.currentSample < job.sampleCount() ? job.currentSample : -1;
  report.conditions = {
      {labelled(Text::Standard, recordName(job, RecordList::Standards, job.currentStandard)),
       labelled(Text::Sample, recordName(job, RecordList::Samples, sample))},
      {labelled(Text::Illuminant, displayedIlluminantNames(job)),
       labelled(Text::ObserverAngle, LookupText(observerTextRow(job.observer)))},
      {labelled(Text::ColorSpace, colorSpaceText(job.colorSpace)),
       labelled(Text::ColorFormula, colorFormulaText(job.colorFormula))}};
  report.xyDiagram = job.colorSpace == CieXyz;
  report.tolerance = toleranceTable(job, h);
  report.standard = valueTable(job, RecordList::Standards, job.currentStandard, Text::Standard, h);
  report.sample = valueTable(job, RecordList::Samples, sample, Text::Sample, h);
  report.difference = differenceTable(job, h);
  // "%s: %s  %s: %5.2f"
  report.judgeLine =
      labelled(Text::JudgeMethod, judgeMethodText(job.judgeMethod)) + "  " +
      labelled(Text::ToleranceQuotiety, formatFixed(double(job.toleranceQuotiety), 2, 5));
  report.instrumentLine = fillPlaceholders("%s %s                   ",
                                           {LookupText(Text::InstrumentLabel), job.DeviceName});
  report.signatureLine = signatureText();
  return report;
}

}  // namespace corvana
