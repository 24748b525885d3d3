#include "colour/weighting_tables.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "colour/spectral.h"
#include "resources/embedded.h"

namespace corvana {

namespace {

constexpr Illuminant kStoredOrder[kIlluminantCount] = {D65, A,  C,  D50, D55, D75, F2, F7,  F11,
                                                       F1,  F3, F4, F5,  F6,  F8,  F9, F10, F12};

int storedPosition(Illuminant code) {
  for (int i = 0; i < kIlluminantCount; ++i)
    if (kStoredOrder[i] == code) return i;
  return -1;
}

struct Tables {
  std::vector<WeightingTable> list;
  const WeightingTable* byCode[kIlluminantCount][2] = {};
};

[[noreturn]] void corruptResource(std::string_view what) {
  // The tables are compiled in; a bad one is a build defect, not user input.
  std::fprintf(stderr, "corvana: embedded weighting table is corrupt (%.*s)\n", int(what.size()),
               what.data());
  std::abort();
}

std::string_view nextField(std::string_view& line) {
  const auto comma = line.find(',');
  std::string_view field = line.substr(0, comma);
  line = comma == std::string_view::npos ? std::string_view{} : line.substr(comma + 1);
  return field;
}

template <typename T>
T parseNumber(std::string_view text) {
  T value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) corruptResource(text);
  return value;
}

// Rows "illuminant,observer,wavelength,x,y,z" at a step of 10 or 5 nm.
void readCsv(std::string_view csv, int step, Tables& tables) {
  bool header = true;
  while (!csv.empty()) {
    const auto eol = csv.find('\n');
    std::string_view line = csv.substr(0, eol);
    csv = eol == std::string_view::npos ? std::string_view{} : csv.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    if (header) {
      header = false;
      continue;
    }
    const auto illuminant = illuminantFromText(nextField(line));
    const int observerDegrees = parseNumber<int>(nextField(line));
    const int wavelength = parseNumber<int>(nextField(line));
    if (!illuminant || (observerDegrees != 2 && observerDegrees != 10)) corruptResource(line);
    const int row = (wavelength - 400) / step;
    if (row < 0 || row >= kWeightRows || 400 + row * step != wavelength) corruptResource(line);
    WeightingTable& table = tables.list[storedPosition(*illuminant) * 2 + (observerDegrees == 10)];
    for (int c = 0; c < 3; ++c) table.weights[row][c] = parseNumber<float>(nextField(line));
  }
}

Tables load() {
  Tables tables;
  tables.list.reserve(2 * kIlluminantCount);
  for (Illuminant code : kStoredOrder)
    for (Observer observer : {Observer2, Observer10}) {
      WeightingTable table;
      table.illuminant = code;
      table.observer = observer;
      if (const auto white = whitePointOf({code, observer})) table.white = *white;
      tables.list.push_back(table);
    }
  readCsv(resources::weights10nmCsv(), 10, tables);
  readCsv(resources::weights5nmCsv(), 5, tables);
  for (const auto& table : tables.list) tables.byCode[table.illuminant][table.observer] = &table;
  return tables;
}

const Tables& tables() {
  static const Tables loaded = load();
  return loaded;
}

}  // namespace

std::span<const WeightingTable> weightingTables() { return tables().list; }

const WeightingTable* findWeightingTable(Condition condition) {
  if (!isValid(condition)) return nullptr;
  return tables().byCode[condition.illuminant][condition.observer];
}

}  // namespace corvana
