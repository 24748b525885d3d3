#include "tools/colorport_sim/faults.h"

#include <sstream>

namespace colorport::sim {

bool applyFault(Faults& faults, const std::string& line) {
  std::istringstream in(line);
  std::string name;
  if (!(in >> name)) return false;
  auto number = [&](int& target, int fallback) {
    int v = fallback;
    if (!(in >> v)) {
      if (!in.eof()) return false;
      v = fallback;
    }
    if (v < 0) return false;
    target = v;
    return true;
  };
  if (name == "no-answer") return number(faults.noAnswer, 1);
  if (name == "status") {
    int code = 0;
    if (!(in >> code) || code < 1 || code > 255) return false;
    faults.statusCode = code;
    return number(faults.statusCount, 1);
  }
  if (name == "garbage") return number(faults.garbage, 8);
  if (name == "truncate") {
    int keep = 0;
    if (!(in >> keep) || keep < 0) return false;
    faults.truncate = keep;
    return number(faults.truncateSkip, 0);
  }
  if (name == "stall") return number(faults.stallMs, 1000);
  if (name == "vanish-after") return number(faults.vanishAfter, 0);
  if (name == "vanish") {
    faults.vanishAfter = 0;
    return true;
  }
  if (name == "split") return faults.split = true;
  if (name == "merge") return faults.merge = true;
  return false;
}

}  // namespace colorport::sim
