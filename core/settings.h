#pragma once
// "Settings.xml": values addressed by key paths such as "Save|AutoSave". The
// part before the last "|" names nested elements from the document level
// down (the first element of each name), the last part an attribute of the
// innermost one.
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class TiXmlDocument;

namespace corvana {

// A loaded settings document; empty (nothing readable) when the file was
// missing, unreadable or not sound XML.
class SettingsDocument {
 public:
  SettingsDocument();
  ~SettingsDocument();
  SettingsDocument(SettingsDocument&&) noexcept;
  SettingsDocument& operator=(SettingsDocument&&) noexcept;

  bool loaded() const { return xml_ != nullptr; }
  // The file began with a UTF-8 byte-order mark.
  bool byteOrderMark() const { return byteOrderMark_; }
  // The document, its texts in UTF-8.
  const TiXmlDocument* xml() const { return xml_.get(); }
  TiXmlDocument* xml() { return xml_.get(); }

 private:
  friend struct SettingsParser;
  std::unique_ptr<TiXmlDocument> xml_;
  bool byteOrderMark_ = false;
};

// The bytes of a settings file in the 8-bit code page (a file with a
// byte-order mark in UTF-8); not loaded when they do not parse, or are too
// large or too deeply nested to be a settings file.
SettingsDocument parseSettings(std::string_view bytes);
// Not loaded when the file is missing, unreadable, oversized or corrupt.
SettingsDocument loadSettings(const std::string& path);

// Find the elements without creating them; true and the value when the
// attribute exists. Texts come back as UTF-8; an integer is "%d" and a value
// that is not one reads as absent.
bool readSetting(const SettingsDocument& document, std::string_view key, std::string& text);
bool readSetting(const SettingsDocument& document, std::string_view key, int& value);
std::optional<std::string> readSettingText(const SettingsDocument& document, std::string_view key);
std::optional<int> readSettingInt(const SettingsDocument& document, std::string_view key);

struct SettingValue {
  std::string_view key;
  std::string value;  // UTF-8 text, or an integer already written "%d"
};

// Loads the file when it exists (a corrupt one is replaced by a fresh
// document), finds or creates the elements and attributes, sets the values
// and writes the whole file through a temporary file renamed over it, in the
// active 8-bit code page. A byte-order mark is written only when the loaded
// file had one (the file then stays UTF-8). False when
// the file could not be written (the old file then stays as it was) or a key
// is not a valid path.
bool writeSettings(const std::string& path, std::span<const SettingValue> values);
// The whole new file text for `oldBytes` (no value: no file) with `values`
// set; no value when a key is not a valid path. The result always reads back
// with every value as set.
std::optional<std::string> updatedSettingsText(std::optional<std::string_view> oldBytes,
                                               std::span<const SettingValue> values);
bool writeSetting(const std::string& path, std::string_view key, std::string_view text);
bool writeSetting(const std::string& path, std::string_view key, int value);

}  // namespace corvana
