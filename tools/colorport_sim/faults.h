#pragma once
// Faults the simulator injects into its next answers, set by options at start
// or by control lines on standard input ("no-answer 2", "split", ...).
#include <string>

namespace colorport::sim {

struct Faults {
  int noAnswer = 0;     // requests left unanswered
  int statusCount = 0;  // requests answered with status statusCode and no payload
  int statusCode = 3;
  int garbage = 0;       // bytes of line noise before the next frame
  bool split = false;    // next frame in two chunks with a pause between
  bool merge = false;    // next frame preceded by a stray frame in the same chunk
  int truncate = -1;     // payload bytes kept in one answer; -1 whole
  int truncateSkip = 0;  // answers sent whole before that one
  int stallMs = 0;       // silence before the next data frame that follows an acknowledgement
  int vanishAfter = -1;  // requests still answered before the device vanishes; -1 never
};

// Applies one setting ("name [value [value]]"); false when it is not one.
bool applyFault(Faults& faults, const std::string& line);

}  // namespace colorport::sim
