#include "tools/corvana_cli/print_report_command.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <numeric>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "qt/print/pdf_file.h"
#include "qt/print/print_view.h"
#include "tools/corvana_cli/cli_input.h"

namespace corvana::cli {

namespace {

// The pages onto an A4 PDF at 300 dpi (3508 pixels high: scale 1).
bool paintPdf(const ui::PrintView& view, QPdfWriter& writer) {
  writer.setResolution(300);
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  writer.setCreator(QStringLiteral("Corvana"));
  return view.print(writer) > 0;
}

}  // namespace

std::unique_ptr<QGuiApplication> ensureGuiApplication() {
  if (QCoreApplication::instance()) return nullptr;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "corvana-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int runPrintReport(std::string_view kind, const std::string& jobPath, const std::string& outPdfPath,
                   Language language) {
  if (kind != "diff" && kind != "cumulative") {
    std::cerr << "corvana-cli: unknown report '" << kind << "' (diff or cumulative)\n";
    return 2;
  }
  LanguageIndex = language;
  Job job(jobManager());
  if (!readJobOrReport(job, jobPath, std::cerr)) return 1;
  const std::unique_ptr<QGuiApplication> app = ensureGuiApplication();
  std::vector<int> everySample(std::size_t(job.sampleCount()));
  std::iota(everySample.begin(), everySample.end(), 0);
  const ui::PrintView view =
      kind == "diff" ? ui::PrintView(job) : ui::PrintView(job, everySample, ListSortMode::Unsorted);

  const FileResult written =
      ui::writePdfFile(outPdfPath, [&](QPdfWriter& writer) { return paintPdf(view, writer); });
  if (!written.ok()) {
    std::cerr << "corvana-cli: " << outPdfPath << ": " << written.reason << "\n";
    return 1;
  }
  return 0;
}

}  // namespace corvana::cli
