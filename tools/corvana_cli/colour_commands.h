#pragma once
#include <iosfwd>
#include <span>
#include <string_view>

namespace corvana::cli {

// Each returns the process exit status: 0, 1 (some input lines were
// malformed; the others were written), or 2 (bad options).
int runTristimulus(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err);
int runValues(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
              std::ostream& err);
int runDiff(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
            std::ostream& err);

void printUsage(std::ostream& err);

}  // namespace corvana::cli
