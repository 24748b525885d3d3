#pragma once
// Texts that come from files or the user and are shown in window titles,
// list cells, tool tips and message boxes: a name of megabytes would exceed
// what the window system takes in one request, so what is shown is bounded.
#include <cstddef>
#include <string>
#include <string_view>

namespace corvana {

// More than a title bar or a list cell can show, far below any window-system
// limit.
constexpr std::size_t kMaxShownCharacters = 256;

// The text itself when it has at most `maxCharacters` characters (code
// points); otherwise its first `maxCharacters` - 1 characters and "…", never
// cutting a UTF-8 sequence.
std::string elidedText(std::string_view utf8, std::size_t maxCharacters = kMaxShownCharacters);

}  // namespace corvana
