#pragma once
// The instrument's white-board parameters: collecting and checking them from
// the dialog's fields, showing what was read, the backup file, and a pasted
// list of values spread across the value fields.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "driver/colorport.h"
#include "instrument/instrument_messages.h"

namespace corvana {

constexpr int kWhiteBoardValues = 31;  // 400, 410, ..., 700 nm
constexpr int kMaxBoardNumberLength = 20;

struct WhiteBoardFields {
  std::string inner, outer;
  std::array<std::string, kWhiteBoardValues> values;
};

// The field collecting stops at, and its message.
struct WhiteBoardFault {
  enum Field { Inner, Outer, Value };
  Field field = Inner;
  int value = -1;  // with Value: 0 = 400 nm
  std::string message;
};

// The first field collectWhiteBoard refuses, in its order; none when all are fine.
std::optional<WhiteBoardFault> firstWhiteBoardFault(const WhiteBoardFields& fields);

// The record the fields describe, or the first failure's message: a board
// number (trimmed) of 1 to 20 characters that fits the instrument's field,
// inner first; then each value from 400 nm: empty, or not a number or
// outside 0..100.
std::variant<WhiteBoardData, std::string> collectWhiteBoard(const WhiteBoardFields& fields);

// The fields after a read: the board numbers, each value with "%.2f".
WhiteBoardFields whiteBoardFieldsOf(const WhiteBoardData& data);

// Driver steps (any thread).
ApiResult readWhiteBoard(WhiteBoardData& data);
ApiResult writeWhiteBoard(const WhiteBoardData& data);

// Failures name their operation and code; a write that succeeded says so.
Notice readWhiteBoardNotice(ApiResult result);
Notice writeWhiteBoardNotice(ApiResult result);

// The proposed backup file name, "whiteboard_<inner number>.txt"; characters
// a file name cannot hold become "_".
std::string whiteBoardBackupName(const WhiteBoardData& data);

// The backup file's bytes: "Inner Name: ", "Outer Name: ", the wavelengths
// and the values with two decimals, tab-separated, each line ended by "\n".
std::string whiteBoardBackupText(const WhiteBoardData& data);

// Writes the backup in one piece (a failure leaves an earlier file whole);
// the message to show when it could not be written, else empty.
std::string writeWhiteBoardBackup(const std::string& path, const WhiteBoardData& data);

// Pieces of a pasted text, split at every space, tab and line break (a
// "\r\n" is one break); adjacent separators give an empty piece, a final
// separator none.
std::vector<std::string> splitPastedValues(std::string_view text);

// The fields a paste into value field `field` (0 = 400 nm) sets: piece k into
// field + k, up to the 700 nm field.
std::vector<std::pair<int, std::string>> pastedFieldTexts(int field, std::string_view text);

}  // namespace corvana
