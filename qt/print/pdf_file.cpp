#include "qt/print/pdf_file.h"

#include <QFile>
#include <QPaintEngine>

namespace corvana::ui {

namespace {
constexpr const char* kNotPainted = "the pages could not be painted";
}

FileResult writePdfFile(const std::string& path, const std::function<bool(QPdfWriter&)>& paint) {
  return writeFileThrough(path, FileKind::Pdf, [&](const TemporaryFile& file) -> std::string {
    // Closed before the check: the trailer is written when the writer ends.
    QPdfWriter writer(QFile::decodeName(file.path.c_str()));
    return paint(writer) ? std::string() : kNotPainted;
  });
}

bool printsToPdfFile(const QPrinter& printer) {
  // The preview paints through a picture engine of its own.
  const QPaintEngine* engine = printer.paintEngine();
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
         !(engine && engine->type() == QPaintEngine::Picture);
}

FileResult printToPdfFile(QPrinter& printer, const std::function<bool(QPrinter&)>& paint) {
  const QString target = printer.outputFileName();
  const QPrinter::OutputFormat format = printer.outputFormat();
  const FileResult result =
      writeFileThrough(QFile::encodeName(target).toStdString(), FileKind::Pdf,
                       [&](const TemporaryFile& file) -> std::string {
                         printer.setOutputFileName(QFile::decodeName(file.path.c_str()));
                         // Painting ends with the trailer and closes the file.
                         return paint(printer) ? std::string() : kNotPainted;
                       });
  printer.setOutputFileName(target);
  printer.setOutputFormat(format);
  return result;
}

}  // namespace corvana::ui
