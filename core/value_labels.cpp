#include "core/value_labels.h"

#include "colour/color_space.h"

namespace corvana {

namespace {

struct SpaceLabels {
  std::vector<Text> valuesLong, valuesShort, differences;
};

SpaceLabels spaceLabels(ColorSpace space) {
  switch (space) {
    case CieLab:
      return {{Text::LStar, Text::AStar, Text::BStar, Text::CStar, Text::HueAngle},
              {Text::LStar, Text::AStar, Text::BStar, Text::CStar, Text::HueAngle},
              {Text::DeltaLStar, Text::DeltaAStar, Text::DeltaBStar, Text::DeltaCStar,
               Text::DeltaHStar}};
    case CieXyz:
      return {{Text::TristimulusX, Text::TristimulusY, Text::TristimulusZ, Text::ChromaticityX,
               Text::ChromaticityY},
              {Text::TristimulusX, Text::TristimulusY, Text::TristimulusZ, Text::ChromaticityX,
               Text::ChromaticityY},
              {Text::DeltaX, Text::DeltaY, Text::DeltaZ, Text::DeltaChromaticityX,
               Text::DeltaChromaticityY}};
    case CieLuv:
      return {{Text::LStar, Text::UStar, Text::VStar, Text::CStarUv, Text::HueAngleUv},
              {Text::LStar, Text::UStar, Text::VStar, Text::CStarUv, Text::HueAngleUv},
              {Text::DeltaLStar, Text::DeltaUStar, Text::DeltaVStar, Text::DeltaCStar,
               Text::DeltaHStar}};
    // CIE RGB labels its third difference with Hunter's "Δb".
    case CieRgb:
      return {{Text::RgbR, Text::RgbG, Text::RgbB},
              {Text::RgbR, Text::RgbG, Text::RgbB},
              {Text::DeltaR, Text::DeltaG, Text::DeltaB}};
    case HunterLab:
      return {{Text::HunterL, Text::HunterA, Text::HunterB},
              {Text::HunterL, Text::HunterA, Text::HunterB},
              {Text::DeltaL, Text::DeltaA, Text::DeltaB}};
    case WhitenessTint:
      return {{Text::LStar, Text::AStar, Text::BStar, Text::WiAstmE313, Text::WiCieIsoAatcc},
              {Text::LStar, Text::AStar, Text::BStar, Text::WiE313, Text::WiCie},
              {Text::DeltaLStar, Text::DeltaAStar, Text::DeltaBStar}};
    case Yellowness:
      return {{Text::LStar, Text::AStar, Text::BStar, Text::YiAstmD1925, Text::YiAstmE313},
              {Text::LStar, Text::AStar, Text::BStar, Text::YiD1925, Text::YiE313},
              {Text::DeltaLStar, Text::DeltaAStar, Text::DeltaBStar}};
    default: return {};
  }
}

std::vector<Text> formulaLabels(ColorFormula formula, bool shortForm) {
  switch (formula) {
    case Cie1976: return {Text::DeltaEStar};
    case Cie94: return {Text::DeltaCPrime, Text::DeltaHPrime, Text::DeltaE94};
    case Cie2000: return {Text::DeltaCPrime, Text::DeltaHPrime, Text::DeltaE00};
    case Cmc: return {Text::DeltaCPrime, Text::DeltaHPrime, Text::DeltaECmc};
    case ColorFastness:
      if (shortForm) return {Text::DeltaEStar, Text::DeltaEF, Text::Gs};
      return {Text::DeltaEStar, Text::ColorFastness, Text::ColorFastnessGrade};
    case StainingFastness:
      if (shortForm) return {Text::DeltaEStar, Text::DeltaEGs, Text::Ssr};
      return {Text::DeltaEStar, Text::StainingFastness, Text::StainingFastnessGrade};
    case MetamericIndex:
      if (shortForm) return {Text::DeltaEStar, Text::Mi};
      return {Text::DeltaEStar, Text::MetamericIndexValue};
    case ColorStrength:
      if (shortForm) return {Text::DeltaEStar, Text::StrMaxAbs, Text::SigmaKs};
      return {Text::DeltaEStar, Text::StrengthAtMaxAbsorption, Text::SumOfKs};
    default: return {Text::None};  // one unnamed slot, as differenceCount counts it
  }
}

}  // namespace

std::vector<Text> valueLabelRows(ColorSpace space, bool shortForm) {
  SpaceLabels labels = spaceLabels(space);
  return shortForm ? labels.valuesShort : labels.valuesLong;
}

std::vector<Text> differenceLabelRows(ColorSpace space, ColorFormula formula, bool shortForm) {
  SpaceLabels labels = spaceLabels(space);
  std::vector<Text> rows = labels.differences;
  // Spaces 5 and 6 end with their index labels, in the form of the value labels.
  if (space == WhitenessTint || space == Yellowness) {
    const auto& values = shortForm ? labels.valuesShort : labels.valuesLong;
    rows.insert(rows.end(), values.begin() + 3, values.end());
  }
  rows.resize(std::size_t(formulaFirstSlot(space, formula)));
  const std::vector<Text> added = formulaLabels(formula, shortForm);
  rows.insert(rows.end(), added.begin(), added.end());
  return rows;
}

void assignToleranceComponents(ToleranceTable& table, ColorSpace space, ColorFormula formula) {
  const std::vector<Text> values = valueLabelRows(space, false);
  const std::vector<Text> differences = differenceLabelRows(space, formula, false);
  const int D = differenceCount(space, formula);
  int totalIndex = D - 1;
  if (formula == MetamericIndex)
    totalIndex = D - 2;
  else if (formula == ColorFastness || formula == StainingFastness || formula == ColorStrength)
    totalIndex = D - 3;
  // A tolerance entry keeps its label as a row number: the colour layer has no texts.
  const auto rowAt = [](const std::vector<Text>& rows, int i) {
    return int(i >= 0 && i < int(rows.size()) ? rows[std::size_t(i)] : Text::None);
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
