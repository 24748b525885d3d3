#pragma once
#include <iosfwd>
#include <span>
#include <string_view>

namespace corvana::cli {

// corvana-cli job FILE [--save OUT] [--lang eng|chs|cht]
int runJob(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace corvana::cli
