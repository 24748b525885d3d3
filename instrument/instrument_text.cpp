#include "instrument/instrument_text.h"

#include <algorithm>
#include <cstring>

#include "core/code_page.h"

namespace corvana {

std::string fromInstrumentText(const char* field, std::size_t size) {
  const std::string_view bytes(field, std::find(field, field + size, '\0') - field);
  if (bytes.empty()) return {};
  const std::string codePage = activeCodePage();
  // A multi-byte character cut short at the end of the field is lost, not garbled.
  for (std::size_t cut = 0; cut < 4 && cut < bytes.size(); ++cut) {
    if (auto text = fromCodePage(bytes.substr(0, bytes.size() - cut), codePage)) return *text;
  }
  return decodeFileText(bytes, codePage).utf8;
}

std::string toInstrumentText(std::string_view utf8, std::size_t maxBytes) {
  CodePageEncoder encoder;
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    // One character at a time, so the cut never falls inside one.
    std::size_t n = 1;
    while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) ++n;
    const std::string encoded = encoder.encode(utf8.substr(i, n));
    if (out.size() + encoded.size() > maxBytes) break;
    out += encoded;
    i += n;
  }
  return out;
}

void storeInstrumentText(char* field, std::size_t size, std::size_t maxBytes,
                         std::string_view utf8) {
  std::memset(field, 0, size);
  const std::string bytes = toInstrumentText(utf8, std::min(maxBytes, size - 1));
  std::memcpy(field, bytes.data(), bytes.size());
}

}  // namespace corvana
