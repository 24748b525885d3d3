// corvana-cli: colour values, differences, jobs and reports from the shell.
#include <iostream>
#include <span>
#include <string_view>
#include <vector>

#include "core/naming.h"
#include "tools/corvana_cli/cli_input.h"
#include "tools/corvana_cli/cli_output.h"
#include "tools/corvana_cli/colour_commands.h"
#include "tools/corvana_cli/find_command.h"
#include "tools/corvana_cli/job_commands.h"
#include "tools/corvana_cli/report_command.h"

namespace {

using namespace corvana::cli;

// The commands that read records from the standard input.
using LineCommand = int (*)(std::span<const std::string_view>, std::istream&, std::ostream&,
                            std::ostream&);

int runCommand(std::string_view command, std::span<const std::string_view> args) {
  const LineCommand lineCommand = command == "tristimulus" ? runTristimulus
                                  : command == "values"    ? runValues
                                  : command == "diff"      ? runDiff
                                                           : nullptr;
  if (lineCommand) {
    if (!standardInputReadable(std::cerr)) return 1;
    return lineCommand(args, std::cin, std::cout, std::cerr);
  }
  if (command == "job") return runJob(args, std::cout, std::cerr);
  if (command == "report") return runReport(args, std::cout, std::cerr);
  if (command == "find") return runFind(args, std::cout, std::cerr);
  if (command == "name") {
    const auto counter = args.size() == 2 ? parseInt(args[1]) : std::nullopt;
    if (!counter) {
      std::cerr << "usage: corvana-cli name TEMPLATE COUNTER\n";
      return 2;
    }
    std::cout << corvana::expandTemplate(args[0], *counter) << "\n";
    return 0;
  }
  std::cerr << "corvana-cli: unknown command '" << command << "'\n";
  printUsage(std::cerr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    printUsage(std::cerr);
    return 2;
  }
  const std::vector<std::string_view> args(argv + 2, argv + argc);
  // A result that did not reach its file is no result.
  return finishOutput(std::cout, std::cerr, runCommand(argv[1], args));
}
