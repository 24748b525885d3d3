#include "qt/export_data_command.h"

#include <QApplication>
#include <QFile>

#include "core/date_time_text.h"
#include "core/job.h"
#include "qt/message_box.h"
#include "qt/open_document.h"
#include "qt/ui_text.h"
#include "reports/export_sheet.h"
#include "reports/report_files.h"
#include "reports/xlsx_export.h"

namespace corvana {

namespace {

// A sheet of thousands of samples takes most of a second to write.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

QString exportData(QWidget* parent, const Job& job, const std::vector<int>& standards,
                   const std::vector<int>& samples) {
  const std::filesystem::path folder = userDocumentsFolder();
  std::optional<std::string> error = ensureFolder(folder);
  // A second export within the same second keeps the first file.
  const std::filesystem::path file =
      unusedReportPath(folder, reportFileName("Export Data", currentLocalTime(), ".xlsx"));
  if (!error) {
    WaitCursor busy;
    error = writeXlsx(file, exportSheetCells(job, standards, samples));
  }
  if (error) {
    ui::showNotWritten(parent, *error);
    return {};
  }
  const QString path = QFile::decodeName(file.c_str());
  ui::openSavedDocument(parent, path);
  return path;
}

}  // namespace corvana
