#include "reports/cumulative_report.h"

#include "colour/measurement_record.h"
#include "colour/spectral.h"
#include "core/cell_text.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/job_judgement.h"
#include "core/number_text.h"
#include "plots/chroma_context.h"
#include "plots/spectral_primitives.h"
#include "reports/report_texts.h"

namespace corvana {

Text sortModeTextRow(ListSortMode mode) {
  switch (mode) {
    case ListSortMode::Ascending: return Text::SortAscending;
    case ListSortMode::Descending: return Text::SortDescending;
    default: return Text::Unsorted;
  }
}

CumulativeOptions cumulativeOptionsOf(const Job& job) {
  return {job.PrintReflectanceInCumulative, job.PrintChromaticity};
}

std::string cumulativeConditionLine(const CumulativeReport& report) {
  const Job& job = report.job;
  // "%s%s: %s  %s: %s  %s: %s %s %s"
  std::string line = labelled(Text::Illuminant, std::string(illuminantName(job.illuminants[0])));
  line += "  " + labelled(Text::ObserverAngle, LookupText(observerTextRow(job.observer)));
  line += "  " + labelled(Text::ColorSpace, colorSpaceText(job.colorSpace));
  line += "  " + labelled(Text::ColorFormula, colorFormulaText(job.colorFormula));
  line += " " + parametricFactorsText(job.colorFormula);
  line += "   " + labelled(Text::SortMode, LookupText(sortModeTextRow(report.sortMode)));
  return line;
}

std::string cumulativeToleranceLine(const Job& job) {
  return cumulativeToleranceLimits(job) + judgeMethodLine(job);
}

std::string judgeMethodLine(const Job& job) {
  return "  " + labelled(Text::JudgeMethod, judgeMethodText(job.judgeMethod));
}

std::string cumulativeToleranceLimits(const Job& job) {
  std::string line;
  for (int c = 0; c < kEntriesPerSlot; ++c) {
    const ToleranceSet& t = job.toleranceB[toleranceIndex(0, c)];
    if (c) line += ", ";
    line += axisLabelText(t.componentLabel) + ": " +
            limitRangeText(c == kEntriesPerSlot - 1 ? 0.0 : t.lower, t.upper, 6);
  }
  return line;
}

ReportTable cumulativeStandardTable(const Job& job, int u) {
  ReportTable table;
  const std::vector<std::string> labels = reportValueLabels(job);
  table.columnWidths.push_back(9 * u);
  table.rows.push_back({LookupText(Text::Standard)});
  table.rows.push_back({recordName(job, RecordList::Standards, job.currentStandard)});
  for (int i = 0; i < int(labels.size()); ++i) {
    table.columnWidths.push_back(int(5.5 * u));
    table.rows[0].push_back(labels[std::size_t(i)]);
    table.rows[1].push_back(valueCellText(job, RecordList::Standards, job.currentStandard, i));
  }
  return table;
}

ReportTable cumulativeSampleHeader(const CumulativeReport& report, int u) {
  const Job& job = report.job;
  ReportTable table;
  const std::vector<std::string> values = reportValueLabels(job);
  const std::vector<std::string> differences = reportDifferenceLabels(job);
  table.columnWidths = {2 * u, 8 * u};
  table.rows.push_back({LookupText(Text::Sample), LookupText(Text::Name)});
  for (std::size_t k = 0; k < differences.size(); ++k) {
    table.columnWidths.push_back(int(5.5 * u));
    table.rows[0].push_back(report.options.chromaticity && k < values.size()
                                ? values[k] + "/" + differences[k]
                                : differences[k]);
  }
  table.columnWidths.push_back(4 * u);
  table.rows[0].push_back(LookupText(Text::JudgeResultShort));
  return table;
}

std::vector<std::string> cumulativeSampleCells(const CumulativeReport& report, int position,
                                               int part) {
  const Job& job = report.job;
  if (position < 0 || std::size_t(position) >= report.selection.size()) return {};
  const int sample = report.selection[std::size_t(position)];
  const int D = int(reportDifferenceLabels(job).size());
  std::vector<std::string> cells;
  const bool valuesLine = report.options.chromaticity && part == 0;
  const bool differencesLine = !report.options.chromaticity || part == 1;
  if (!report.options.chromaticity || part == 0) {
    cells.push_back(std::to_string(position + 1));
    cells.push_back(recordName(job, RecordList::Samples, sample));
  } else {
    cells.assign(2, {});
  }
  if (valuesLine) {
    const int C = int(reportValueLabels(job).size());
    for (int i = 0; i < C; ++i) cells.push_back(valueCellText(job, RecordList::Samples, sample, i));
  }
  if (differencesLine) {
    for (int k = 0; k < D; ++k) cells.push_back(differenceCellText(job, sample, k));
    cells.push_back(judgeSample(job, sample, 0));
  }
  return cells;
}

int reflectanceCellWidth(int u) { return int(5.2 * u); }

std::vector<std::string> reflectanceBlockCells(const CumulativeReport& report, int block,
                                               int part) {
  const Job& job = report.job;
  const bool standard = block < 0;
  const int record = standard ? job.currentStandard
                     : std::size_t(block) < report.selection.size()
                         ? report.selection[std::size_t(block)]
                         : -1;
  const RecordList list = standard ? RecordList::Standards : RecordList::Samples;
  if (part == 0)
    return {standard ? LookupText(Text::Standard) : std::to_string(block + 1),
            recordName(job, list, record)};
  // Three pairs of lines: 400-490, 500-590, 600-700 nm.
  const int pair = (part - 1) / 2;
  const int first = 10 * pair, count = pair == 2 ? 11 : 10;
  const bool wavelengths = (part - 1) % 2 == 0;
  const MeasurementRecord* r =
      record >= 0 && record < job.count(list) ? &job.records(list)[std::size_t(record)] : nullptr;
  std::vector<std::string> cells;
  for (int i = first; i < first + count; ++i) {
    if (wavelengths)
      cells.push_back(std::to_string(wavelengthOf(i)));
    else if (r && r->UseReflect)
      cells.push_back(
          spectral::formatWide6(double(r->reflectance[std::size_t(i)]) * 100.0, job.DataAccuracy));
    else
      cells.push_back(std::string(kNoValueText));
  }
  return cells;
}

ReportTable cumulativeSampleTable(const CumulativeReport& report, int u) {
  ReportTable table = cumulativeSampleHeader(report, u);
  const int parts = report.options.chromaticity ? 2 : 1;
  table.rows.reserve(1 + report.selection.size() * std::size_t(parts));
  for (int position = 0; position < int(report.selection.size()); ++position)
    for (int part = 0; part < parts; ++part)
      table.rows.push_back(cumulativeSampleCells(report, position, part));
  return table;
}

ReportTable reflectanceBlocksTable(const CumulativeReport& report, int u) {
  constexpr int kColumns = 11;
  ReportTable table;
  table.columnWidths.assign(kColumns, reflectanceCellWidth(u));
  for (int block = -1; block < int(report.selection.size()); ++block)
    for (int part = 0; part < 7; ++part)
      table.rows.push_back(reflectanceBlockCells(report, block, part));
  return table;
}

}  // namespace corvana
