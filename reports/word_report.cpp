#include "reports/word_report.h"

#include "core/condition_texts.h"
#include "core/date_time_text.h"
#include "core/job.h"
#include "reports/color_diff_report.h"
#include "reports/cumulative_report.h"
#include "reports/print_plots.h"
#include "reports/report_files.h"
#include "reports/report_texts.h"
#include "reports/word/word_report_plot.h"
#include "reports/word_automation.h"

namespace corvana {

namespace {

// The documents take the printed reports' tables; their widths only share
// out a table's width, so any unit serves.
constexpr int kWordUnit = 100;

const std::string& text(Text t) { return LookupText(t); }

std::string name(const Job& job, bool standard) {
  if (standard) return job.hasCurrentStandard() ? job.standard(job.currentStandard).nameUtf8() : "";
  return job.currentSample >= 0 && job.currentSample < job.sampleCount()
             ? job.sample(job.currentSample).nameUtf8()
             : "";
}

// Table 1: the date, then as many company rows as there are names and
// addresses (one of each at least).
bool fillHeader(WordAutomation& doc, const Job& job, const RecordTime& now) {
  if (!doc.setCell(1, 1, 1, dateTimeText(now), WordAlignRight)) return false;
  const int t = !job.ChineseName.empty() && !job.EnglishName.empty() ? 2 : 1;
  const int u = !job.ChineseAddress.empty() && !job.EnglishAddress.empty() ? 2 : 1;
  while (doc.rowCount(1) - 1 > t + u)
    if (!doc.deleteRow(1, 2)) return false;
  auto put = [&](int row, const std::string& value, int flags) {
    return value.empty() || doc.setCell(1, row, 1, value, flags);
  };
  return put(2, job.ChineseName, WordAlignCenter) && put(t + 1, job.EnglishName, WordAlignCenter) &&
         put(t + 2, job.ChineseAddress, WordAlignRight) &&
         put(t + u + 1, job.EnglishAddress, WordAlignRight);
}

bool fillConditions(WordAutomation& doc, const Job& job) {
  const std::string cells[3][4] = {
      {text(Text::Standard), name(job, true), text(Text::Sample), name(job, false)},
      {text(Text::Illuminant), displayedIlluminantNames(job), text(Text::ObserverAngle),
       text(observerTextRow(job.observer))},
      {text(Text::ColorSpace), colorSpaceText(job.colorSpace), text(Text::ColorFormula),
       colorFormulaText(job.colorFormula)}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c)
      if (!doc.setCell(2, r + 1, c + 1, cells[r][c], WordAlignCenter)) return false;
  return true;
}

}  // namespace

WordReportResult openReportTemplate(WordAutomation& doc, const TemplateLocationInputs& templates,
                                    const std::string& name) {
  WordReportResult result;
  const std::filesystem::path path = findTemplate(templates, name);
  if (path.empty() || !doc.open(path)) {
    result.status = WordReportStatus::TemplateMissing;
    result.error = path.empty() ? name + ".dotx: no such template" : doc.error();
    return result;
  }
  result.status = WordReportStatus::Saved;
  return result;
}

WordReportResult saveReport(WordAutomation& doc, bool filled, const std::filesystem::path& path) {
  WordReportResult result;
  if (!filled) {
    // A fault inside the document names no file; the report names its file.
    result.error = path.string() + ": " + doc.error();
    return result;
  }
  if (!doc.saveAs(path)) {
    result.error = doc.error();  // the file writer's message names the file
    return result;
  }
  result.status = WordReportStatus::Saved;
  result.path = path;
  return result;
}

std::string colorDiffTemplateName(const Job& job) {
  return job.colorSpace == CieXyz ? "ColorDiff2" : "ColorDiff";
}

bool fillColorDiffReport(WordAutomation& doc, const Job& job, const RecordTime& now) {
  if (!fillHeader(doc, job, now) || !fillConditions(doc, job)) return false;
  if (!doc.setCell(5, 1, 1, fullScaleText(job), WordAlignCenter)) return false;
  if (job.colorSpace == CieXyz) {
    if (!drawXyMarkers(doc, job, 3) || !drawComponentBar(doc, job, 1, 3) ||
        !drawReflectancePanel(doc, job, 2, 4))
      return false;
  } else if (!drawDifferenceSquare(doc, job, 1, 5) || !drawComponentBar(doc, job, 2, 3) ||
             !drawReflectancePanel(doc, job, 3, 4)) {
    return false;
  }
  const ColorDiffReport report = colorDiffReport(job, now, kWordUnit);
  return doc.fillTable(6, report.tolerance) && doc.fillTable(7, report.standard) &&
         doc.fillTable(8, report.sample) && doc.fillTable(9, report.difference) &&
         doc.setCell(10, 1, 2, report.instrumentLine) &&
         doc.setCell(11, 1, 2, report.signatureLine);
}

bool fillCumulativeReport(WordAutomation& doc, const Job& job, const std::vector<int>& samples,
                          ListSortMode sortMode) {
  const CumulativeReport report{job, samples, cumulativeOptionsOf(job), sortMode};
  const std::string company[4] = {job.ChineseName, job.EnglishName, job.ChineseAddress,
                                  job.EnglishAddress};
  for (int i = 0; i < 4; ++i)
    if (!doc.setCell(1, i + 1, 1, company[i], i < 2 ? WordAlignCenter : WordAlignRight))
      return false;
  if (!doc.setCell(2, 1, 1, numberedHeading(1, Text::TestCondition)) ||
      !doc.setCell(2, 2, 1, cumulativeConditionLine(report), WordAlignLeft) ||
      !doc.setCell(3, 1, 1, numberedHeading(2, Text::ToleranceSettings)) ||
      !doc.setCell(3, 2, 1, cumulativeToleranceLimits(job)) ||
      !doc.setCell(3, 3, 1, judgeMethodLine(job)) ||
      !doc.setCell(4, 1, 1, numberedHeading(3, Text::TestData)))
    return false;
  const ReportTable standard = cumulativeStandardTable(job, kWordUnit);
  const int columns = standard.columnCount();
  for (int r = 0; r < 2; ++r) {
    if (!doc.splitCell(4, r + 2, 1, 1, columns)) return false;
    for (int c = 0; c < columns; ++c)
      if (!doc.setCell(4, r + 2, c + 1, standard.rows[std::size_t(r)][std::size_t(c)],
                       WordAlignCenter))
        return false;
  }
  ReportTable sampleTable = cumulativeSampleTable(report, kWordUnit);
  // A word processor breaks a heading wider than its column between letters;
  // the number column gets the room "Sample" needs.
  sampleTable.columnWidths.front() = 3 * kWordUnit;
  if (!doc.fillTable(5, sampleTable)) return false;
  if (report.options.reflectance) {
    if (!doc.setCell(6, 1, 1, text(Text::Reflectance)) ||
        !doc.fillTable(7, reflectanceBlocksTable(report, kWordUnit)))
      return false;
  } else if (!doc.deleteTable(7) || !doc.deleteTable(6)) {
    return false;
  }
  return doc.setCell(doc.tableCount(), 1, 2, signatureText());
}

WordReportResult writeColorDiffReport(const Job& job, const TemplateLocationInputs& templates,
                                      const std::filesystem::path& path, const RecordTime& now) {
  WordAutomation doc;
  WordReportResult opened = openReportTemplate(doc, templates, colorDiffTemplateName(job));
  if (opened.status != WordReportStatus::Saved) return opened;
  return saveReport(doc, fillColorDiffReport(doc, job, now), path);
}

WordReportResult writeCumulativeReport(const Job& job, const std::vector<int>& samples,
                                       ListSortMode sortMode,
                                       const TemplateLocationInputs& templates,
                                       const std::filesystem::path& path) {
  if (!job.table.entryFor(job.illuminants[0])) return {WordReportStatus::NothingToReport, {}, {}};
  WordAutomation doc;
  WordReportResult opened = openReportTemplate(doc, templates, kCumulativeTemplateName);
  if (opened.status != WordReportStatus::Saved) return opened;
  return saveReport(doc, fillCumulativeReport(doc, job, samples, sortMode), path);
}

std::filesystem::path wordReportPath(const std::filesystem::path& documents, bool cumulative,
                                     const RecordTime& now) {
  return unusedReportPath(
      documents,
      reportFileName(text(cumulative ? Text::ColorDiffCumulative : Text::ColorDiff), now, ".docx"));
}

}  // namespace corvana
