#include "tools/corvana_cli/opacity_report_command.h"

#include <ctime>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/job.h"
#include "core/job_manager.h"
#include "reports/opacity/opacity_rule.h"
#include "reports/opacity/opacity_word_report.h"
#include "tools/corvana_cli/cli_input.h"
#ifdef CORVANA_CLI_PRINT
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "qt/print/opacity_picture.h"
#include "qt/print/opacity_print.h"
#include "qt/print/pdf_file.h"
#include "tools/corvana_cli/print_report_command.h"
#endif

namespace corvana::cli {

namespace {

int usage(std::ostream& err) {
  err << kOpacityUsage;
  return 2;
}

std::tm localNow() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

#ifdef CORVANA_CLI_PRINT
// One A4 page at 300 dpi, the whole sheet printable.
bool paintOpacityPdf(const OpacityReport& report, QPdfWriter& writer) {
  writer.setResolution(300);
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  writer.setCreator(QStringLiteral("Corvana"));
  writer.setTitle(ui::opacityDocumentTitle());
  return ui::printOpacityPage(writer, report, localNow());
}
#endif

}  // namespace

bool isOpacityReport(std::string_view kind) { return kind == "opacity" || kind == "word-opacity"; }

int runOpacityReport(std::span<const std::string_view> args, std::ostream& err) {
  std::vector<std::string> positional;
  int white = 0, black = 0;  // sample numbers, 0 for none
  for (std::size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--white" || args[i] == "--black") && i + 1 < args.size()) {
      const std::optional<int> n = parseInt(args[i + 1]);
      if (!n || *n < 1) return usage(err);
      (args[i] == "--white" ? white : black) = *n;
      ++i;
    } else if (args[i] == "--lang" && i + 1 < args.size()) {
      if (!selectLanguage(args[++i])) return usage(err);
    } else if (args[i].starts_with("--")) {
      return usage(err);
    } else {
      positional.emplace_back(args[i]);
    }
  }
  if (positional.size() != 3 || !isOpacityReport(positional[0])) return usage(err);
  const std::string &kind = positional[0], &file = positional[1], &out = positional[2];
#ifndef CORVANA_CLI_PRINT
  if (kind == "opacity") {
    err << "corvana-cli: this build has no page painter for 'opacity' (build with Qt)\n";
    return 2;
  }
#endif
  Job job(jobManager());
  if (!readJobOrReport(job, file, err)) return 1;
  for (int n : {white, black})
    if (n > job.sampleCount()) {
      err << "corvana-cli: " << file << ": there is no sample " << n << " (the job has "
          << job.sampleCount() << ")\n";
      return 1;
    }
  const OpacityReport report = makeOpacityReport(job, white - 1, black - 1);

  if (kind == "opacity") {
#ifdef CORVANA_CLI_PRINT
    const std::unique_ptr<QGuiApplication> app = ensureGuiApplication();
    const FileResult written =
        ui::writePdfFile(out, [&](QPdfWriter& writer) { return paintOpacityPdf(report, writer); });
    if (!written.ok()) {
      err << "corvana-cli: " << out << ": " << written.reason << "\n";
      return 1;
    }
#endif
    return 0;
  }
  std::vector<unsigned char> png;
#ifdef CORVANA_CLI_PRINT
  const std::unique_ptr<QGuiApplication> app = ensureGuiApplication();
  png = ui::opacityPicturePng(report);
#endif
  const WordReportResult result =
      writeOpacityReport(report, png, currentTemplateLocationInputs(), out, localNow());
  if (result.status != WordReportStatus::Saved) {
    err << "corvana-cli: " << result.error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace corvana::cli
