#include "tools/corvana_cli/report_command.h"

#include <ostream>
#include <string>
#include <vector>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "reports/export_sheet.h"
#include "reports/xlsx_export.h"
#include "tools/corvana_cli/cli_input.h"
#include "tools/corvana_cli/opacity_report_command.h"
#include "tools/corvana_cli/word_report_command.h"
#ifdef CORVANA_CLI_PRINT
#include "tools/corvana_cli/print_report_command.h"
#endif

namespace corvana::cli {

namespace {

constexpr const char* kUsage =
    "usage: corvana-cli report KIND JOB OUT [--lang eng|chs|cht]\n"
    "  KIND: diff         the printed colour-difference report (PDF) of the current\n"
    "                     standard and sample\n"
    "        cumulative   the printed cumulative report (PDF) of every sample in\n"
    "                     record order\n"
    "        word-diff    the colour-difference report as a document (.docx)\n"
    "        word-diff2   the same for a CIE XYZ job, with the xy diagram\n"
    "        word-cumulative  the cumulative report as a document (.docx)\n"
    "        spreadsheet  the Export Data workbook (.xlsx): the current standard and\n"
    "                     every sample in record order\n"
    "        opacity, word-opacity  the opacity report (PDF, .docx) of two samples:\n"
    "                     --white N --black N\n";

int usage(std::ostream& err) {
  err << kUsage;
  return 2;
}

// The sheet the program's Export Data writes with nothing selected in a list
// sorted by record: the file's current standard, every sample.
std::optional<std::string> writeSpreadsheet(const Job& job, const std::string& out) {
  std::vector<int> samples(std::size_t(job.sampleCount()));
  for (int i = 0; i < job.sampleCount(); ++i) samples[std::size_t(i)] = i;
  const std::vector<int> standards = exportedStandards(job, {});
  return writeXlsx(out, exportSheetCells(job, standards, samples));
}

using ReportWriter = std::optional<std::string> (*)(const Job&, const std::string&);

struct ReportKind {
  std::string_view name;
  ReportWriter write;
};

constexpr ReportKind kKinds[] = {{"spreadsheet", writeSpreadsheet}};

}  // namespace

int runReport(std::span<const std::string_view> args, std::ostream&, std::ostream& err) {
  if (!args.empty() && isOpacityReport(args[0])) return runOpacityReport(args, err);
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--lang" && i + 1 < args.size()) {
      if (!selectLanguage(args[++i])) return usage(err);
    } else if (args[i].starts_with("--")) {
      return usage(err);
    } else {
      positional.emplace_back(args[i]);
    }
  }
  if (positional.size() != 3) return usage(err);
  const std::string &kind = positional[0], &file = positional[1], &outFile = positional[2];
  if (kind == "diff" || kind == "cumulative") {
#ifdef CORVANA_CLI_PRINT
    return runPrintReport(kind, file, outFile, Language(LanguageIndex));
#else
    err << "corvana-cli: this build has no page painter for '" << kind << "' (build with Qt)\n";
    return 2;
#endif
  }
  if (kind == "word-diff" || kind == "word-diff2" || kind == "word-cumulative")
    return runWordReport(kind, file, outFile, Language(LanguageIndex), err);
  const ReportKind* chosen = nullptr;
  for (const ReportKind& k : kKinds)
    if (k.name == kind) chosen = &k;
  if (!chosen) {
    err << "corvana-cli: unknown report kind '" << kind << "'\n" << kUsage;
    return 2;
  }
  Job job(jobManager());
  if (!readJobOrReport(job, file, err)) return 1;
  if (const std::optional<std::string> failed = chosen->write(job, outFile)) {
    err << "corvana-cli: " << *failed << "\n";
    return 1;
  }
  return 0;
}

}  // namespace corvana::cli
