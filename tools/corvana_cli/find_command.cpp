#include "tools/corvana_cli/find_command.h"

#include <array>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/find.h"
#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "core/number_text.h"
#include "core/record_list_rows.h"
#include "tools/corvana_cli/cli_input.h"
#include "tools/corvana_cli/cli_output.h"

namespace corvana::cli {

namespace {
int usage(std::ostream& err) {
  err << "usage: corvana-cli find JOB standards|samples --name KEYWORD\n"
         "       corvana-cli find JOB standards|samples --value V1,V2,V3 --within LIMIT\n";
  return 2;
}

// "a,b,c" as exactly three fields; an empty field stays (and is refused later).
std::optional<std::array<std::string, 3>> threeFields(std::string_view text) {
  std::array<std::string, 3> fields;
  std::size_t k = 0;
  for (const char c : text) {
    if (c != ',') {
      fields[k] += c;
    } else if (++k == fields.size()) {
      return std::nullopt;
    }
  }
  if (k != fields.size() - 1) return std::nullopt;
  return fields;
}

void printLine(std::ostream& out, const std::vector<std::string>& cells) {
  for (std::size_t c = 0; c < cells.size(); ++c) out << (c ? "\t" : "") << escapedField(cells[c]);
  out << '\n';
}
}  // namespace

int runFind(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) return usage(err);
  const std::string file(args[0]);
  RecordList list;
  if (args[1] == "standards")
    list = RecordList::Standards;
  else if (args[1] == "samples")
    list = RecordList::Samples;
  else
    return usage(err);
  std::optional<std::string> name, values, within;
  for (std::size_t i = 2; i < args.size(); i += 2) {
    std::optional<std::string>* option = args[i] == "--name"     ? &name
                                         : args[i] == "--value"  ? &values
                                         : args[i] == "--within" ? &within
                                                                 : nullptr;
    if (!option || *option || i + 1 >= args.size()) return usage(err);
    *option = std::string(args[i + 1]);
  }
  const FindMode mode = name ? FindMode::ByName : FindMode::ByValue;
  if (name ? (values || within) : !(values && within)) return usage(err);

  std::array<std::string, 4> fields;
  if (mode == FindMode::ByValue) {
    const auto three = threeFields(*values);
    if (!three) {
      err << "corvana-cli: find: --value needs three numbers V1,V2,V3\n";
      return 2;
    }
    fields = {(*three)[0], (*three)[1], (*three)[2], *within};
    for (const std::string& f : fields) {
      if (!isPlainNumber(f)) {
        err << "corvana-cli: find: '" << f << "' is not a number (" << kNotANumberText << ")\n";
        return 2;
      }
      // Four hundred digits are a plain number too, but no colour.
      if (!std::isfinite(float(parseNumber(f)))) {
        err << "corvana-cli: find: '" << f << "' is too large\n";
        return 2;
      }
    }
    // Nothing lies closer than no difference at all.
    if (parseNumber(*within) < 0) {
      err << "corvana-cli: find: --within takes a limit of 0 or more, not '" << *within << "'\n";
      return 2;
    }
  }

  Job job(jobManager());
  if (!readJobOrReport(job, file, err)) return 1;
  if (mode == FindMode::ByValue && !searchesByValue(job.colorSpace)) {
    err << "corvana-cli: find: a job in CIE LUV is searched by name only\n";
    return 2;
  }
  RecordListRows rows(job, list);
  rows.rebuild();
  FindResults results;
  if (mode == FindMode::ByName)
    findByName(rows, *name, results);
  else
    findByValue(rows, job, fields, parametricFactors(), results);
  printLine(out, findHeadings(rows, job, mode));
  for (const FindHit& hit : results.rows()) printLine(out, hit.texts);
  return 0;
}

}  // namespace corvana::cli
