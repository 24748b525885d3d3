#include "core/value_labels.h"

#include "colour/color_space.h"

namespace corvana {

namespace {

struct SpaceLabels {
  std::vector<int> valuesLong, valuesShort, differences;
};

SpaceLabels spaceLabels(ColorSpace space) {
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

std::vector<int> formulaLabels(ColorFormula formula, bool shortForm) {
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

}  // namespace

std::vector<int> valueLabelRows(ColorSpace space, bool shortForm) {
  SpaceLabels labels = spaceLabels(space);
  return shortForm ? labels.valuesShort : labels.valuesLong;
}

std::vector<int> differenceLabelRows(ColorSpace space, ColorFormula formula, bool shortForm) {
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

void assignToleranceComponents(ToleranceTable& table, ColorSpace space, ColorFormula formula) {
  const std::vector<int> values = valueLabelRows(space, false);
  const std::vector<int> differences = differenceLabelRows(space, formula, false);
  const int D = differenceCount(space, formula);
  int totalIndex = D - 1;
  if (formula == MetamericIndex) totalIndex = D - 2;
  else if (formula == ColorFastness || formula == StainingFastness || formula == ColorStrength)
    totalIndex = D - 3;
  const auto rowAt = [](const std::vector<int>& rows, int i) {
    return i >= 0 && i < int(rows.size()) ? rows[std::size_t(i)] : 0;
  };
  for (int slot = 0; slot < kIlluminantSlots; ++slot) {
    for (int entry = 0; entry < 3; ++entry) {
      ToleranceSet& e = table[std::size_t(toleranceIndex(slot, entry))];
      e.componentLabel = rowAt(values, componentSlot(space, entry));
      e.upperEnabled = e.lowerEnabled = true;
    }
    ToleranceSet& total = table[std::size_t(toleranceIndex(slot, 3))];
    total.componentLabel = rowAt(differences, totalIndex);
    total.upperEnabled = true;
  }
}

}  // namespace corvana
