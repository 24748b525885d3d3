#include "qt/print/print_frame.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/language_table.h"
#include "qt/open_document.h"
#include "qt/print/pdf_file.h"
#include "qt/ui_text.h"

namespace corvana::ui {

PrintFrame::PrintFrame(QWidget* jobWindow, std::unique_ptr<PrintView> view)
    : QObject(jobWindow),
      jobWindow_(jobWindow),
      view_(std::move(view)),
      printer_(std::make_unique<QPrinter>(QPrinter::PrinterResolution)) {
  // 300 dpi: an A4 page is 3508 pixels high, the report's own scale.
  printer_->setResolution(300);
  const Text name = kind() == ReportKind::ColorDiff ? Text::PrintColorDiffReport
                    : kind() == ReportKind::Opacity ? Text::OpacityTestingReport
                                                    : Text::PrintCumulativeReport;
  printer_->setDocName(ui::qstr(LookupText(name)));
}

PrintFrame::~PrintFrame() = default;

bool PrintFrame::run() {
  QPrintPreviewDialog preview(printer_.get(), jobWindow_);
  preview.setObjectName("printPreview");
  preview.setWindowTitle(printer_->docName());
  if (jobWindow_) preview.resize(jobWindow_->window()->size() * 0.9);
  bool written = true;
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this, &written](QPrinter* printer) {
            if (!paint(*printer)) written = false;
          });
  return preview.exec() == QDialog::Accepted && written;
}

bool PrintFrame::paint(QPrinter& printer) {
  if (!printsToPdfFile(printer)) {
    view_->print(printer);
    return true;
  }
  // A PDF file: whole or not at all, and a failure said.
  const FileResult result =
      printToPdfFile(printer, [this](QPrinter& p) { return view_->print(p) > 0; });
  if (result.ok()) return true;
  showNotWritten(jobWindow_, printer.outputFileName().toStdString() + ": " + result.reason);
  return false;
}

}  // namespace corvana::ui
