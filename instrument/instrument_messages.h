#pragma once
// How the program words the driver's result codes, and the message an
// instrument operation leaves for the window to show.
#include <string>

#include "core/language_table.h"
#include "driver/colorport.h"

namespace corvana {

// The result code's text in the current language; codes without one read
// "Unknown error.".
const std::string& codeText(ApiResult code);

// The operation's own text, a line break, and the code's text in parentheses:
// "Execute failed!\n(Overtime.)".
std::string failureMessage(Text prefix, ApiResult code);

// What an instrument operation asks the window to show once it is done.
struct Notice {
  enum Kind { Nothing, Information, Failure };
  Kind kind = Nothing;
  std::string text;

  static Notice none() { return {}; }
  static Notice information(std::string text) { return {Information, std::move(text)}; }
  static Notice failure(std::string text) { return {Failure, std::move(text)}; }
  bool shown() const { return kind != Nothing; }
};

}  // namespace corvana
