#pragma once
// Texts exchanged with the instrument: 8-bit characters in the locale's code
// page inside fixed, zero-terminated fields of the driver's records.
#include <cstddef>
#include <string>
#include <string_view>

namespace corvana {

// The field's bytes up to its first zero (at most `size`), as UTF-8. Bytes
// that do not decode (a character cut by the instrument's 9-byte names) are
// dropped at the end or replaced, never passed on as broken UTF-8.
std::string fromInstrumentText(const char* field, std::size_t size);

// The UTF-8 text in the code page, cut to at most `maxBytes` bytes at a
// character boundary; characters the code page lacks become '?'.
std::string toInstrumentText(std::string_view utf8, std::size_t maxBytes);

// Fills a zero-filled field of `size` bytes with at most `maxBytes` (< size)
// bytes of the text, so the field stays zero-terminated.
void storeInstrumentText(char* field, std::size_t size, std::size_t maxBytes,
                         std::string_view utf8);

}  // namespace corvana
