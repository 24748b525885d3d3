#pragma once
// UTF-8 <-> UTF-16 conversion for record texts; malformed input becomes U+FFFD.
#include <string>
#include <string_view>

namespace corvana {

std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

}  // namespace corvana
