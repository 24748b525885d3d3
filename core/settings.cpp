#include "core/settings.h"

#include <tinyxml.h>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/code_page.h"
#include "core/file_io.h"
#include "core/xml_shape_check.h"

namespace corvana {
namespace {

// A settings file holds a handful of elements; anything larger is not ours
// (and a device such as /dev/zero must not be read for ever).
constexpr std::size_t kMaxSettingsBytes = 1u << 20;
// Settings nest one level (a few more for later keys); a deeper or wider
// shape is junk that TinyXML would take too long or too much stack over.
constexpr XmlShapeLimits kSettingsShape{16, 64};
// Belt and braces for TinyXML's habit of stepping past a truncated
// multi-byte character at the end of its input.
constexpr std::size_t kParsePadding = 8;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

struct SettingsParser {
  // `text` is UTF-8 without a byte-order mark.
  static SettingsDocument parse(std::string_view text, bool byteOrderMark) {
    SettingsDocument document;
    // Line ends as TinyXML's own file loader normalises them.
    std::string normalised;
    normalised.reserve(text.size() + kParsePadding);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r') {
        normalised += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      } else {
        normalised += text[i];
      }
    }
    if (checkXmlShape(normalised, kSettingsShape)) return document;
    normalised.append(kParsePadding, '\0');
    auto xml = std::make_unique<TiXmlDocument>();
    xml->Parse(normalised.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (xml->Error()) return document;
    document.xml_ = std::move(xml);
    document.byteOrderMark_ = byteOrderMark;
    return document;
  }
};

namespace {

struct KeyPath {
  std::vector<std::string> elements;
  std::string attribute;
};

bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

bool isXmlName(std::string_view name) {
  return !name.empty() && isNameStart(name.front()) &&
         std::all_of(name.begin(), name.end(), isNameChar);
}

// At least one element and an attribute, every part a plain XML name: a bad
// key must not write a file that no longer parses.
std::optional<KeyPath> splitKey(std::string_view key) {
  KeyPath path;
  for (;;) {
    const std::size_t bar = key.find('|');
    if (bar == std::string_view::npos) break;
    path.elements.emplace_back(key.substr(0, bar));
    key.remove_prefix(bar + 1);
  }
  path.attribute = std::string(key);
  if (path.elements.empty() || !isXmlName(path.attribute)) return std::nullopt;
  for (const std::string& e : path.elements)
    if (!isXmlName(e)) return std::nullopt;
  return path;
}

const TiXmlElement* findElement(const TiXmlNode* parent, const KeyPath& path) {
  const TiXmlElement* element = nullptr;
  for (const std::string& name : path.elements) {
    element = parent->FirstChildElement(name.c_str());
    if (!element) return nullptr;
    parent = element;
  }
  return element;
}

TiXmlElement* findOrCreateElement(TiXmlNode* parent, const KeyPath& path) {
  TiXmlElement* element = nullptr;
  for (const std::string& name : path.elements) {
    element = parent->FirstChildElement(name.c_str());
    if (!element) element = parent->LinkEndChild(new TiXmlElement(name.c_str()))->ToElement();
    parent = element;
  }
  return element;
}

const char* rawValue(const SettingsDocument& document, std::string_view key) {
  if (!document.loaded()) return nullptr;
  const std::optional<KeyPath> path = splitKey(key);
  if (!path) return nullptr;
  const TiXmlElement* element = findElement(document.xml(), *path);
  return element ? element->Attribute(path->attribute.c_str()) : nullptr;
}

// "%d": leading blanks, an optional sign, digits; the rest is ignored. A value
// outside int reads as absent instead of wrapping.
std::optional<int> scanInt(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
    text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

// Oversized: a regular file too large to be a settings file (junk that a
// write may replace). Failed: not readable, or not a regular file at all
// (which a write must never replace).
enum class ReadResult { Ok, Missing, Oversized, Failed };

ReadResult readFileBytes(const std::string& path, std::string& bytes) {
  FileBytes read = readBoundedFile(path, kMaxSettingsBytes, ReadFrom::RegularFileOnly);
  bytes = std::move(read.bytes);
  switch (read.error) {
    case 0: return ReadResult::Ok;
    case ENOENT: return ReadResult::Missing;
    case EFBIG: return ReadResult::Oversized;
    default: return ReadResult::Failed;
  }
}

// The document as TinyXML prints it to a file (byte-order mark included).
std::optional<std::string> printed(const TiXmlDocument& document) {
  char* buffer = nullptr;
  std::size_t size = 0;
  FILE* memory = ::open_memstream(&buffer, &size);
  if (!memory) return std::nullopt;
  document.SaveFile(memory);
  const bool ok = std::fclose(memory) == 0 && buffer;
  std::optional<std::string> text;
  if (ok) text.emplace(buffer, size);
  std::free(buffer);
  return text;
}

void setValues(TiXmlDocument& xml, const std::vector<KeyPath>& paths,
               std::span<const SettingValue> values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    TiXmlElement* element = findOrCreateElement(&xml, paths[i]);
    element->SetAttribute(paths[i].attribute.c_str(), values[i].value.c_str());
  }
}

// The printed text must read back with every value as set.
bool holdsValues(const std::string& text, std::span<const SettingValue> values) {
  const SettingsDocument reread = SettingsParser::parse(text, false);
  for (const SettingValue& v : values) {
    const char* raw = rawValue(reread, v.key);
    if (!raw || std::string_view(raw) != std::string_view(v.value.c_str())) return false;
  }
  return true;
}

// A file with a byte-order mark stays UTF-8; otherwise the texts go into the
// active 8-bit code page (the markup is ASCII in every one of them).
std::string fileBytes(const std::string& utf8, bool byteOrderMark) {
  if (byteOrderMark) return std::string(kUtf8Bom) + utf8;
  return toCodePage(utf8);
}

}  // namespace

SettingsDocument::SettingsDocument() = default;
SettingsDocument::~SettingsDocument() = default;
SettingsDocument::SettingsDocument(SettingsDocument&&) noexcept = default;
SettingsDocument& SettingsDocument::operator=(SettingsDocument&&) noexcept = default;

SettingsDocument parseSettings(std::string_view bytes) {
  if (bytes.size() > kMaxSettingsBytes) return {};
  DecodedText decoded = decodeFileText(bytes);
  std::string_view text = decoded.utf8;
  const bool bom = text.starts_with(kUtf8Bom);
  if (bom) text.remove_prefix(kUtf8Bom.size());
  return SettingsParser::parse(text, bom);
}

SettingsDocument loadSettings(const std::string& path) {
  std::string bytes;
  if (readFileBytes(path, bytes) != ReadResult::Ok) return {};
  return parseSettings(bytes);
}

bool readSetting(const SettingsDocument& document, std::string_view key, std::string& text) {
  const char* value = rawValue(document, key);
  if (!value) return false;
  text = value;
  return true;
}

bool readSetting(const SettingsDocument& document, std::string_view key, int& value) {
  const char* raw = rawValue(document, key);
  if (!raw) return false;
  const std::optional<int> number = scanInt(raw);
  if (!number) return false;
  value = *number;
  return true;
}

std::optional<std::string> readSettingText(const SettingsDocument& document, std::string_view key) {
  std::string text;
  if (!readSetting(document, key, text)) return std::nullopt;
  return text;
}

std::optional<int> readSettingInt(const SettingsDocument& document, std::string_view key) {
  int value = 0;
  if (!readSetting(document, key, value)) return std::nullopt;
  return value;
}

std::optional<std::string> updatedSettingsText(std::optional<std::string_view> oldBytes,
                                               std::span<const SettingValue> values) {
  std::vector<KeyPath> paths;
  for (const SettingValue& v : values) {
    std::optional<KeyPath> p = splitKey(v.key);
    if (!p) return std::nullopt;
    paths.push_back(std::move(*p));
  }
  if (oldBytes) {
    SettingsDocument document = parseSettings(*oldBytes);
    if (document.loaded()) {
      setValues(*document.xml(), paths, values);
      std::optional<std::string> text = printed(*document.xml());
      if (text && holdsValues(*text, values)) return fileBytes(*text, document.byteOrderMark());
    }
  }
  // A missing or corrupt file, or one whose other content would not read
  // back, starts again from an empty document.
  TiXmlDocument fresh;
  setValues(fresh, paths, values);
  const std::optional<std::string> text = printed(fresh);
  if (!text) return std::nullopt;
  return fileBytes(*text, false);
}

bool writeSettings(const std::string& path, std::span<const SettingValue> values) {
  std::string bytes;
  const ReadResult read = readFileBytes(path, bytes);
  if (read == ReadResult::Failed) return false;
  const std::optional<std::string> text = updatedSettingsText(
      read == ReadResult::Ok ? std::optional<std::string_view>(bytes) : std::nullopt, values);
  return text && replaceFile(path, *text).ok();
}

bool writeSetting(const std::string& path, std::string_view key, std::string_view text) {
  const SettingValue value{key, std::string(text)};
  return writeSettings(path, std::span(&value, 1));
}

bool writeSetting(const std::string& path, std::string_view key, int value) {
  const SettingValue setting{key, std::to_string(value)};
  return writeSettings(path, std::span(&setting, 1));
}

}  // namespace corvana
