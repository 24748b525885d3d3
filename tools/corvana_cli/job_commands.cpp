#include "tools/corvana_cli/job_commands.h"

#include <optional>
#include <ostream>
#include <string>

#include "colour/spectral.h"
#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "core/record_list_rows.h"
#include "tools/corvana_cli/cli_input.h"
#include "tools/corvana_cli/cli_output.h"

namespace corvana::cli {

namespace {
// The list as the job window shows it for the primary illuminant: headings,
// then one line per record in record order, cells separated by TAB.
void printList(std::ostream& out, const Job& job, RecordList list) {
  RecordListRows rows(job, list);
  rows.rebuild();
  for (int c = 0; c < rows.columnCount(); ++c)
    out << (c ? "\t" : "") << escapedField(rows.heading(c));
  out << '\n';
  for (int r = 0; r < rows.rowCount(); ++r) {
    for (int c = 0; c < rows.columnCount(); ++c)
      out << (c ? "\t" : "") << escapedField(rows.cellText(r, c));
    out << '\n';
  }
}

int usage(std::ostream& err) {
  err << "usage: corvana-cli job FILE [--save OUT] [--lang eng|chs|cht]\n";
  return 2;
}
}  // namespace

int runJob(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  std::string file;
  std::optional<std::string> saveTo;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--save" && i + 1 < args.size()) {
      if (args[++i].empty()) {
        err << "corvana-cli: job: --save needs a file name\n";
        return usage(err);
      }
      saveTo = std::string(args[i]);
    } else if (args[i] == "--lang" && i + 1 < args.size()) {
      if (!selectLanguage(args[++i])) return usage(err);
    } else if (!args[i].starts_with("--") && file.empty()) {
      file = std::string(args[i]);
    } else {
      return usage(err);
    }
  }
  if (file.empty()) return usage(err);
  Job job(jobManager());
  if (!readJobOrReport(job, file, err)) return 1;
  if (saveTo) {
    std::string error;
    if (!writeJobFile(job, *saveTo, &error)) {
      err << "corvana-cli: " << error << "\n";  // it names the file
      return 1;
    }
    return 0;
  }
  out << "[standards]\n";
  printList(out, job, RecordList::Standards);
  out << "[samples]\n";
  printList(out, job, RecordList::Samples);
  return 0;
}

}  // namespace corvana::cli
