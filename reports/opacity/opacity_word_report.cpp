#include "reports/opacity/opacity_word_report.h"

#include "core/job.h"
#include "core/language_table.h"
#include "reports/report_files.h"
#include "reports/report_texts.h"
#include "reports/word_automation.h"

namespace corvana {

namespace {

struct HeaderParagraph {
  const std::string& text;
  bool opacityFace;  // else Arial
  double size;
  bool bold;
  int flags;
};

// The date and the company lines, each paragraph after the previous one.
void addHeader(WordAutomation& doc, const OpacityReport& report, const std::tm& now) {
  const Job& job = *report.job;
  const std::string date = opacityDateTimeText(now);
  const HeaderParagraph lines[] = {
      {date, false, 9, false, WordAlignRight},
      {job.ChineseName, true, 24, true, WordAlignCenter},
      {job.EnglishName, false, 18, true, WordAlignCenter},
      {job.ChineseAddress, true, 12, false, WordAlignRight},
      {job.EnglishAddress, false, 12, false, WordAlignRight},
  };
  int index = 1;
  for (const HeaderParagraph& line : lines) {
    const WordFont font{line.opacityFace ? report.fontFace : "Arial", line.size, 0, line.bold,
                        false};
    index = doc.addParagraph(index, line.text, font, line.flags);
  }
}

bool fillTestTable(WordAutomation& doc, const OpacityReport& report,
                   const std::vector<unsigned char>& png) {
  if (!doc.setCell(1, 1, 1, numberedHeading(1, Text::TestCondition), WordAlignLeft) ||
      !doc.setCell(1, 2, 1, report.condition, WordAlignLeft))
    return false;
  // A missing picture leaves its cell empty; the report goes on.
  if (!png.empty())
    doc.insertPicture(1, 3, 1, png, kOpacityPictureWidthPt, kOpacityPictureHeightPt);
  if (!doc.setCell(1, 4, 1, numberedHeading(2, Text::TestData), WordAlignLeft) ||
      !doc.setCell(1, 6, 1, LookupText(Text::WhiteBaseSample), WordAlignCenter) ||
      !doc.setCell(1, 7, 1, LookupText(Text::BlackBaseSample), WordAlignCenter) ||
      !doc.setCell(1, 8, 1, LookupText(Text::Opacity), WordAlignCenter))
    return false;
  const int C = report.valueCount();
  for (int r = 5; r <= 7; ++r)
    if (!doc.splitCell(1, r, 2, 1, C)) return false;
  const std::vector<std::string>* rows[] = {&report.valueLabels, &report.whiteValues,
                                            &report.blackValues};
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < C; ++k) {
      const std::vector<std::string>& texts = *rows[r];
      const std::string text = std::size_t(k) < texts.size() ? texts[std::size_t(k)] : "";
      if (!doc.setCell(1, r + 5, k + 2, text, WordAlignCenter)) return false;
    }
  return doc.setCell(1, 8, 2, report.opacityText, WordAlignCenter);
}

}  // namespace

bool fillOpacityReport(WordAutomation& doc, const OpacityReport& report, const std::tm& now,
                       const std::vector<unsigned char>& png) {
  if (!report.job) return false;
  addHeader(doc, report, now);
  // Without a face of its own (another language) the template's stays.
  if (!report.fontFace.empty() &&
      (!doc.setTableFont(1, report.fontFace) || !doc.setTableFont(2, report.fontFace)))
    return false;
  if (!fillTestTable(doc, report, png)) return false;
  return doc.setCell(2, 1, 2, LookupText(Text::InstrumentLabel) + " " + report.job->DeviceName,
                     WordAlignLeft) &&
         doc.setCell(2, 2, 1, LookupText(Text::TestSignature), WordAlignLeft) &&
         doc.setCell(2, 2, 2, LookupText(Text::AuditSignature), WordAlignLeft);
}

WordReportResult writeOpacityReport(const OpacityReport& report,
                                    const std::vector<unsigned char>& png,
                                    const TemplateLocationInputs& templates,
                                    const std::filesystem::path& path, const std::tm& now) {
  WordAutomation doc;
  WordReportResult opened = openReportTemplate(doc, templates, kOpacityTemplateName);
  if (opened.status != WordReportStatus::Saved) return opened;
  return saveReport(doc, fillOpacityReport(doc, report, now, png), path);
}

std::filesystem::path opacityReportPath(const std::filesystem::path& documents,
                                        const std::tm& now) {
  return unusedReportPath(documents, opacityDocumentName(now));
}

}  // namespace corvana
