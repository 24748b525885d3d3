#include "colour/color_space.h"

#include "app/language_table.h"
#include "colour/spectral.h"

namespace corvana {

namespace {

constexpr std::int32_t kSpaceOrder[] = {0, 1, 2, 3, 4, 5, 6};
constexpr std::int32_t kFormulaOrder[] = {0, 1, 2, 3, 4, 5, 7, 6};

constexpr int kSpaceTextRows[kColorSpaceCount] = {151, 160, 153, 154, 164, 155, 156};
constexpr int kFormulaTextRows[kColorFormulaCount] = {161, 162, 163, 165, 166, 168, 170, 374};

bool knownSpace(std::int32_t s) { return s >= 0 && s < kColorSpaceCount; }
bool knownFormula(std::int32_t f) { return f >= 0 && f < kColorFormulaCount; }

struct SpaceLabels {
  std::vector<int> valuesLong, valuesShort, differences;
};

SpaceLabels spaceLabels(std::int32_t space) {
  switch (space) {
    case CieLab: return {{119, 120, 121, 123, 173}, {119, 120, 121, 123, 173}, {176, 177, 178, 179, 180}};
    case CieXyz: return {{84, 85, 86, 87, 88}, {84, 85, 86, 87, 88}, {204, 205, 206, 207, 208}};
    case CieLuv: return {{119, 126, 127, 174, 175}, {119, 126, 127, 174, 175}, {176, 192, 193, 179, 180}};
    case CieRgb: return {{90, 91, 83}, {90, 91, 83}, {210, 211, 203}};
    case HunterLab: return {{81, 82, 92}, {81, 82, 92}, {201, 202, 203}};
    case WhitenessTint: return {{119, 120, 121, 93, 95}, {119, 120, 121, 370, 371}, {176, 177, 178}};
    case Yellowness: return {{119, 120, 121, 97, 98}, {119, 120, 121, 373, 372}, {176, 177, 178}};
    default: return {};
  }
}

std::vector<int> formulaLabels(std::int32_t formula, bool shortForm) {
  switch (formula) {
    case Cie1976: return {212};
    case Cie94: return {189, 190, 185};
    case Cie2000: return {189, 190, 191};
    case Cmc: return {189, 190, 200};
    case ColorFastness: return shortForm ? std::vector<int>{212, 368, 369} : std::vector<int>{212, 166, 167};
    case StainingFastness: return shortForm ? std::vector<int>{212, 366, 367} : std::vector<int>{212, 168, 169};
    case MetamericIndex: return shortForm ? std::vector<int>{212, 172} : std::vector<int>{212, 171};
    case ColorStrength: return shortForm ? std::vector<int>{212, 377, 378} : std::vector<int>{212, 375, 376};
    default: return {0};  // one unnamed slot, as differenceCount counts it
  }
}

bool replacesHueAndChroma(std::int32_t space, std::int32_t formula) {
  return (space == CieLab || space == CieLuv) && formula >= Cie94 && formula <= Cmc;
}

template <typename Code>
std::optional<std::int32_t> fromText(std::string_view text, std::span<const std::int32_t> order,
                                     Code rowOf) {
  for (std::int32_t code : order)
    if (equalsIgnoreCase(text, LookupText(rowOf(code)))) return code;
  return std::nullopt;
}

}  // namespace

std::span<const std::int32_t> colorSpaceOrder() { return kSpaceOrder; }
std::span<const std::int32_t> colorFormulaOrder() { return kFormulaOrder; }

int valueCount(std::int32_t space) {
  if (space == CieRgb || space == HunterLab) return 3;
  return knownSpace(space) ? 5 : 0;
}

int differenceCount(std::int32_t space, std::int32_t formula) {
  const int n = valueCount(space);
  switch (formula) {
    case Cie1976: return n + 1;
    case Cie94:
    case Cie2000:
    case Cmc: return n + (replacesHueAndChroma(space, formula) ? 1 : 3);
    case ColorFastness:
    case StainingFastness:
    case ColorStrength: return n + 3;
    case MetamericIndex: return n + 2;
    default: return n + 1;
  }
}

int formulaFirstSlot(std::int32_t space, std::int32_t formula) {
  const int n = valueCount(space);
  return replacesHueAndChroma(space, formula) ? n - 2 : n;
}

std::vector<int> valueLabelRows(std::int32_t space, bool shortForm) {
  SpaceLabels labels = spaceLabels(space);
  return shortForm ? labels.valuesShort : labels.valuesLong;
}

std::vector<int> differenceLabelRows(std::int32_t space, std::int32_t formula, bool shortForm) {
  SpaceLabels labels = spaceLabels(space);
  std::vector<int> rows = labels.differences;
  // Spaces 5 and 6 end with their index labels, in the form of the value labels.
  if (space == WhitenessTint || space == Yellowness) {
    const auto& values = shortForm ? labels.valuesShort : labels.valuesLong;
    rows.insert(rows.end(), values.begin() + 3, values.end());
  }
  rows.resize(std::size_t(formulaFirstSlot(space, formula)));
  const std::vector<int> added = formulaLabels(formula, shortForm);
  rows.insert(rows.end(), added.begin(), added.end());
  return rows;
}

int colorSpaceTextRow(std::int32_t space) { return knownSpace(space) ? kSpaceTextRows[space] : 0; }
int colorFormulaTextRow(std::int32_t formula) {
  return knownFormula(formula) ? kFormulaTextRows[formula] : 0;
}

std::string colorSpaceText(std::int32_t space) {
  return knownSpace(space) ? LookupText(kSpaceTextRows[space]) : std::string();
}
std::string colorFormulaText(std::int32_t formula) {
  return knownFormula(formula) ? LookupText(kFormulaTextRows[formula]) : std::string();
}

std::optional<std::int32_t> colorSpaceFromText(std::string_view text) {
  return fromText(text, kSpaceOrder, colorSpaceTextRow);
}
std::optional<std::int32_t> colorFormulaFromText(std::string_view text) {
  return fromText(text, kFormulaOrder, colorFormulaTextRow);
}

}  // namespace corvana
