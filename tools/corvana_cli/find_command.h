#pragma once
#include <iosfwd>
#include <span>
#include <string_view>

namespace corvana::cli {

// corvana-cli find JOB standards|samples --name KEYWORD
// corvana-cli find JOB standards|samples --value V1,V2,V3 --within LIMIT
// The hits as the Find dialog lists them, in record order.
int runFind(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace corvana::cli
