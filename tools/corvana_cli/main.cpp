// corvana-cli: colour values, differences, jobs and reports from the shell.
#include <iostream>
#include <string_view>
#include <vector>

#include "core/naming.h"
#include "tools/corvana_cli/cli_input.h"
#include "tools/corvana_cli/colour_commands.h"
#include "tools/corvana_cli/find_command.h"
#include "tools/corvana_cli/job_commands.h"
#include "tools/corvana_cli/report_command.h"

int main(int argc, char** argv) {
  using namespace corvana::cli;
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    printUsage(std::cerr);
    return 2;
  }
  const std::string_view command = argv[1];
  const std::vector<std::string_view> args(argv + 2, argv + argc);
  if (command == "tristimulus") return runTristimulus(args, std::cin, std::cout, std::cerr);
  if (command == "values") return runValues(args, std::cin, std::cout, std::cerr);
  if (command == "diff") return runDiff(args, std::cin, std::cout, std::cerr);
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
