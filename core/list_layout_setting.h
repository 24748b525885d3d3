#pragma once
// The job window's splitter positions and list column widths between runs
// ("Layout|..."). Only what the user set is kept; the rest is fitted anew.
#include <map>
#include <string>
#include <vector>

namespace corvana {

class SettingsDocument;
struct ListColumn;

struct ListLayout {
  // Pixel sizes of the two panes of each splitter; empty when not set.
  std::vector<int> plotSplitter;   // the chromaticity plot | the lists and the curves
  std::vector<int> curveSplitter;  // the lists over the reflectance plot
  std::vector<int> listSplitter;   // the standards over the samples
  // Widths by columnKey; a column without one is fitted to its content.
  std::map<std::string, int> standardColumns, sampleColumns;

  bool operator==(const ListLayout&) const = default;
};

// A column's name in the settings file: "Number", "Name", "Value0".., "Difference0"..,
// "Grade", "Material" (value and difference columns by slot, as the spaces share them).
std::string columnKey(const ListColumn& column);

// Two sizes, "650,700"; no sizes for anything else (a count other than two,
// a value that is not a whole positive number).
std::vector<int> parseSplitterSizes(const std::string& text);
std::string splitterSizesText(const std::vector<int>& sizes);
// "Name=140;Value0=52"; entries that are not a known key and a sane width are skipped.
std::map<std::string, int> parseColumnWidths(const std::string& text);
std::string columnWidthsText(const std::map<std::string, int>& widths);

ListLayout readListLayout(const SettingsDocument& document);
ListLayout readListLayout(const std::string& settingsPath);
// Writes the parts that are set in one write; false when the file could not be written.
bool writeListLayout(const std::string& settingsPath, const ListLayout& layout);

}  // namespace corvana
