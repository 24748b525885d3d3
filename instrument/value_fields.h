#pragma once
// Reading the value fields of the hand-entry and white-board dialogs.
#include <string_view>

namespace corvana {

struct FieldValue {
  enum State { Empty, NotANumber, Number };
  State state = Empty;
  double value = 0;
};

// Blank counts as empty. Otherwise the whole text, blanks at both ends
// aside, must be one finite decimal number ("12.5", "-3", "1e2"); "12abc",
// "inf" and "nan" are not numbers, so a typing slip is never taken as a value.
FieldValue readValueField(std::string_view text);

}  // namespace corvana
