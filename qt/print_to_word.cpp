#include "qt/print_to_word.h"

#include "core/date_time_text.h"
#include "core/job.h"
#include "qt/message_box.h"
#include "qt/open_document.h"
#include "qt/ui_text.h"
#include "reports/report_files.h"
#include "reports/word_report.h"

namespace corvana::ui {

QString printToWord(QWidget* parent, const Job& job, bool cumulative,
                    const std::vector<int>& samples, ListSortMode sortMode) {
  const std::filesystem::path documents = userDocumentsFolder();
  if (const auto why = ensureFolder(documents)) {
    showNotWritten(parent, *why);
    return {};
  }
  const std::filesystem::path path = wordReportPath(documents, cumulative, currentLocalTime());
  const TemplateLocationInputs templates = currentTemplateLocationInputs();
  const WordReportResult result =
      cumulative ? writeCumulativeReport(job, samples, sortMode, templates, path)
                 : writeColorDiffReport(job, templates, path, currentLocalTime());
  switch (result.status) {
    case WordReportStatus::NothingToReport: return {};
    case WordReportStatus::TemplateMissing: showError(parent, Text::OpenWordFailed); return {};
    case WordReportStatus::Failed: showNotWritten(parent, result.error); return {};
    case WordReportStatus::Saved: break;
  }
  const QString saved = qstr(result.path.string());
  openSavedDocument(parent, saved);
  return saved;
}

}  // namespace corvana::ui
