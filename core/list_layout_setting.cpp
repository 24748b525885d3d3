#include "core/list_layout_setting.h"

#include <charconv>

#include "core/record_list_rows.h"
#include "core/settings.h"
#include "core/settings_keys.h"

namespace corvana {

namespace {
// Wider than any screen is a damaged file, not a choice.
constexpr int kMaxPixels = 20000;
constexpr int kMinColumnWidth = 8;

std::optional<int> wholeNumber(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

bool knownColumnKey(std::string_view key) {
  for (std::string_view fixed : {"Number", "Name", "Grade", "Material"})
    if (key == fixed) return true;
  for (std::string_view prefix : {"Value", "Difference"})
    if (key.starts_with(prefix) && key.size() > prefix.size() &&
        wholeNumber(key.substr(prefix.size()), 0, 99))
      return true;
  return false;
}
}  // namespace

std::string columnKey(const ListColumn& column) {
  switch (column.kind) {
    case ListColumn::Number: return "Number";
    case ListColumn::Name: return "Name";
    case ListColumn::Value: return "Value" + std::to_string(column.index);
    case ListColumn::Difference: return "Difference" + std::to_string(column.index);
    case ListColumn::Grade: return "Grade";
    case ListColumn::Material: return "Material";
  }
  return {};
}

std::vector<int> parseSplitterSizes(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return {};
  const auto first = wholeNumber(std::string_view(text).substr(0, comma), 1, kMaxPixels);
  const auto second = wholeNumber(std::string_view(text).substr(comma + 1), 1, kMaxPixels);
  if (!first || !second) return {};
  return {*first, *second};
}

std::string splitterSizesText(const std::vector<int>& sizes) {
  std::string text;
  for (int size : sizes) text += (text.empty() ? "" : ",") + std::to_string(size);
  return text;
}

std::map<std::string, int> parseColumnWidths(const std::string& text) {
  std::map<std::string, int> widths;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t semicolon = rest.find(';');
    const std::string_view entry = rest.substr(0, semicolon);
    rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = entry.substr(0, equals);
    const auto width = wholeNumber(entry.substr(equals + 1), kMinColumnWidth, kMaxPixels);
    if (width && knownColumnKey(key)) widths[std::string(key)] = *width;
  }
  return widths;
}

std::string columnWidthsText(const std::map<std::string, int>& widths) {
  std::string text;
  for (const auto& [key, width] : widths)
    text += (text.empty() ? "" : ";") + key + "=" + std::to_string(width);
  return text;
}

ListLayout readListLayout(const SettingsDocument& document) {
  namespace keys = settings_keys;
  const auto text = [&](const char* key) { return readSettingText(document, key).value_or(""); };
  ListLayout layout;
  layout.plotSplitter = parseSplitterSizes(text(keys::kPlotSplitter));
  layout.curveSplitter = parseSplitterSizes(text(keys::kCurveSplitter));
  layout.listSplitter = parseSplitterSizes(text(keys::kListSplitter));
  layout.standardColumns = parseColumnWidths(text(keys::kStandardColumns));
  layout.sampleColumns = parseColumnWidths(text(keys::kSampleColumns));
  return layout;
}

ListLayout readListLayout(const std::string& settingsPath) {
  return readListLayout(loadSettings(settingsPath));
}

bool writeListLayout(const std::string& settingsPath, const ListLayout& layout) {
  namespace keys = settings_keys;
  std::vector<SettingValue> values;
  const auto sizes = [&](const char* key, const std::vector<int>& s) {
    if (s.size() == 2) values.push_back({key, splitterSizesText(s)});
  };
  sizes(keys::kPlotSplitter, layout.plotSplitter);
  sizes(keys::kCurveSplitter, layout.curveSplitter);
  sizes(keys::kListSplitter, layout.listSplitter);
  if (!layout.standardColumns.empty())
    values.push_back({keys::kStandardColumns, columnWidthsText(layout.standardColumns)});
  if (!layout.sampleColumns.empty())
    values.push_back({keys::kSampleColumns, columnWidthsText(layout.sampleColumns)});
  if (values.empty()) return true;
  return writeSettings(settingsPath, values);
}

}  // namespace corvana
