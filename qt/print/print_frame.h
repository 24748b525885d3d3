#pragma once
// The print flow of the job window's two report commands: a preview of the
// pages first; its print button opens the print dialog (a printer, or a PDF
// file), and the pages go to the chosen printer.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "qt/print/print_view.h"

class QPrinter;

namespace corvana::ui {

class PrintFrame : public QObject {
  Q_OBJECT
 public:
  // `jobWindow` owns the frame and parents its dialogs; the view points at the job.
  PrintFrame(QWidget* jobWindow, std::unique_ptr<PrintView> view);
  ~PrintFrame() override;

  ReportKind kind() const { return view_->kind(); }
  const PrintView& view() const { return *view_; }
  QPrinter& printer() { return *printer_; }

  // Shows the preview; returns when it closes. True when the pages were
  // printed; a PDF file that could not be written is reported and false.
  bool run();

 private:
  // The pages onto the preview, a printer or a PDF file; false when a PDF
  // file could not be written whole, which is said.
  bool paint(QPrinter& printer);

  QPointer<QWidget> jobWindow_;
  std::unique_ptr<PrintView> view_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace corvana::ui
