#pragma once
// The word-processor reports: the colour-difference report of the current
// standard and sample, and the cumulative report of a list of samples, each
// made from its template and saved as a .docx package.
#include <filesystem>
#include <string>
#include <vector>

#include "colour/measurement_record.h"
#include "core/language_table.h"
#include "reports/cumulative_report.h"
#include "reports/word_templates.h"

namespace corvana {

class Job;
class WordAutomation;

enum class WordReportStatus {
  Saved,
  TemplateMissing,  // the template cannot be opened: the caller shows its message
  NothingToReport,  // the cumulative report without values for the primary illuminant
  Failed,           // a document or file error, worded in `error`
};

struct WordReportResult {
  WordReportStatus status = WordReportStatus::Failed;
  std::filesystem::path path;  // the saved document
  std::string error;           // Failed: "<file>: <reason>", the file named once
};

// Opens <name>.dotx from the template folders; status Saved when it opened.
WordReportResult openReportTemplate(WordAutomation& doc, const TemplateLocationInputs& templates,
                                    const std::string& name);
// Saves a filled document as `path`; with `filled` false, or when saving
// fails, the document's error.
WordReportResult saveReport(WordAutomation& doc, bool filled, const std::filesystem::path& path);

// "ColorDiff2" for the CIE XYZ colour space, else "ColorDiff".
std::string colorDiffTemplateName(const Job& job);
constexpr const char* kCumulativeTemplateName = "ColorDiffCumulative";

// Fill an opened template; false with the document's error on failure.
bool fillColorDiffReport(WordAutomation& doc, const Job& job, const RecordTime& now);
bool fillCumulativeReport(WordAutomation& doc, const Job& job, const std::vector<int>& samples,
                          ListSortMode sortMode);

// The whole run: find and open the template, fill it, save it as `path`.
WordReportResult writeColorDiffReport(const Job& job, const TemplateLocationInputs& templates,
                                      const std::filesystem::path& path, const RecordTime& now);
WordReportResult writeCumulativeReport(const Job& job, const std::vector<int>& samples,
                                       ListSortMode sortMode,
                                       const TemplateLocationInputs& templates,
                                       const std::filesystem::path& path);

// <documents folder>/<title> YYYY-MM-DD hh-mm-ss.docx: "Color Diff" or
// "Color Diff Cumulative" in the current language; " (2)" and on when a
// report of that second is there already.
std::filesystem::path wordReportPath(const std::filesystem::path& documents, bool cumulative,
                                     const RecordTime& now);

}  // namespace corvana
