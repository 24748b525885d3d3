#include "core/value_labels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colour/color_space.h"
#include "core/language_table.h"

namespace corvana {
namespace {

std::vector<std::string> texts(const std::vector<Text>& rows) {
  std::vector<std::string> out;
  for (Text row : rows) out.push_back(LookupText(row, English));
  return out;
}

using Texts = std::vector<std::string>;

TEST(SlotLayout, CountsForEverySpaceAndFormula) {
  // Rows: spaces 0..6; columns: formulas 0..7.
  const int expected[7][8] = {
      {6, 6, 6, 6, 8, 8, 7, 8}, {6, 8, 8, 8, 8, 8, 7, 8}, {6, 6, 6, 6, 8, 8, 7, 8},
      {4, 6, 6, 6, 6, 6, 5, 6}, {4, 6, 6, 6, 6, 6, 5, 6}, {6, 8, 8, 8, 8, 8, 7, 8},
      {6, 8, 8, 8, 8, 8, 7, 8},
  };
  for (int s = 0; s < 7; ++s)
    for (int f = 0; f < 8; ++f) {
      SCOPED_TRACE(::testing::Message() << "space " << s << " formula " << f);
      const ColorSpace space = *colorSpaceFromCode(s);
      const ColorFormula formula = *colorFormulaFromCode(f);
      EXPECT_EQ(differenceCount(space, formula), expected[s][f]);
      // Label k names slot k, in both forms.
      EXPECT_EQ(int(differenceLabelRows(space, formula, false).size()), expected[s][f]);
      EXPECT_EQ(int(differenceLabelRows(space, formula, true).size()), expected[s][f]);
      EXPECT_EQ(int(valueLabelRows(space, false).size()), valueCount(space));
    }
  EXPECT_EQ(valueCount(static_cast<ColorSpace>(7)), 0);
  EXPECT_EQ(valueCount(static_cast<ColorSpace>(-1)), 0);
  EXPECT_EQ(differenceCount(CieLab, static_cast<ColorFormula>(8)),
            6);  // an unknown formula still counts one slot
  EXPECT_EQ(differenceCount(static_cast<ColorSpace>(9), Cie1976), 1);
}

TEST(SlotLayout, TellingLabelRows) {
  struct Case {
    ColorSpace space;
    ColorFormula formula;
    bool shortForm;
    Texts labels;
  } cases[] = {
      {CieLab, Cie94, false, {"ΔL*", "Δa*", "Δb*", "ΔC'", "ΔH'", "ΔE*94"}},
      {CieXyz, Cie94, false, {"ΔX", "ΔY", "ΔZ", "Δx", "Δy", "ΔC'", "ΔH'", "ΔE*94"}},
      {CieRgb, MetamericIndex, true, {"ΔR", "ΔG", "Δb", "ΔE*", "MI"}},
      {CieRgb, MetamericIndex, false, {"ΔR", "ΔG", "Δb", "ΔE*", "Metameric Index"}},
      {CieLab, Cie1976, false, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*"}},
      {CieLuv, Cie2000, false, {"ΔL*", "Δu*", "Δv*", "ΔC'", "ΔH'", "ΔE00"}},
      {CieLuv, Cie1976, false, {"ΔL*", "Δu*", "Δv*", "ΔC*", "ΔH*", "ΔE*"}},
      {HunterLab, Cmc, false, {"ΔL", "Δa", "Δb", "ΔC'", "ΔH'", "ΔE*cmc"}},
      {WhitenessTint, Cie1976, true, {"ΔL*", "Δa*", "Δb*", "WI(E313)", "WI(CIE)", "ΔE*"}},
      {WhitenessTint,
       Cie1976,
       false,
       {"ΔL*", "Δa*", "Δb*", "WI(ASTM E313)", "WI(CIE/ISO/AATCC)", "ΔE*"}},
      {Yellowness,
       Cie2000,
       true,
       {"ΔL*", "Δa*", "Δb*", "YI(D1925)", "YI(E313)", "ΔC'", "ΔH'", "ΔE00"}},
      {CieLab, ColorFastness, true, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "ΔE(F)", "GS"}},
      {CieLab,
       ColorFastness,
       false,
       {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "Color Fastness", "Color Fastness Grade"}},
      {CieLab, StainingFastness, true, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "ΔE(GS)", "SSR"}},
      {CieLab,
       ColorStrength,
       true,
       {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "StrMaxAbs", "∑(K/S)"}},
      {CieLab,
       ColorStrength,
       false,
       {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "StrMaxAbs", "Sum of K/S"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(texts(differenceLabelRows(c.space, c.formula, c.shortForm)), c.labels)
        << "space " << c.space << " formula " << c.formula << (c.shortForm ? " short" : " long");
}

TEST(SlotLayout, ValueLabels) {
  EXPECT_EQ(texts(valueLabelRows(CieLab, false)), (Texts{"L*", "a*", "b*", "C*", "h°"}));
  EXPECT_EQ(texts(valueLabelRows(CieXyz, false)), (Texts{"X", "Y", "Z", "x", "y"}));
  EXPECT_EQ(texts(valueLabelRows(CieLuv, false)), (Texts{"L*", "u*", "v*", "C*uv", "h°uv"}));
  EXPECT_EQ(texts(valueLabelRows(CieRgb, false)), (Texts{"R", "G", "B"}));
  EXPECT_EQ(texts(valueLabelRows(HunterLab, false)), (Texts{"L", "a", "b"}));
  EXPECT_EQ(texts(valueLabelRows(Yellowness, false)),
            (Texts{"L*", "a*", "b*", "YI(ASTM D1925)", "YI(ASTM E313)"}));
  EXPECT_EQ(texts(valueLabelRows(Yellowness, true)),
            (Texts{"L*", "a*", "b*", "YI(D1925)", "YI(E313)"}));
  EXPECT_TRUE(valueLabelRows(static_cast<ColorSpace>(7), false).empty());
}

TEST(Tolerance, AssignmentRelabelsAndKeepsLimits) {
  struct Case {
    ColorSpace space;
    ColorFormula formula;
    const char* components[3];
    const char* total;
  } cases[] = {
      {CieLab, Cie1976, {"L*", "a*", "b*"}, "ΔE*"},
      {CieLab, Cie94, {"L*", "a*", "b*"}, "ΔE*94"},
      {CieXyz, Cie2000, {"Y", "x", "y"}, "ΔE00"},
      {HunterLab, Cmc, {"L", "a", "b"}, "ΔE*cmc"},
      {CieLab, ColorFastness, {"L*", "a*", "b*"}, "ΔE*"},
      {CieLab, StainingFastness, {"L*", "a*", "b*"}, "ΔE*"},
      {CieLab, MetamericIndex, {"L*", "a*", "b*"}, "ΔE*"},
      {CieRgb, ColorStrength, {"R", "G", "B"}, "ΔE*"},
  };
  ToleranceTable table;
  table[toleranceIndex(1, 2)].lower = -0.4f;
  table[toleranceIndex(2, 3)].upper = 2.5f;
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "space " << c.space << " formula " << c.formula);
    assignToleranceComponents(table, c.space, c.formula);
    for (int slot = 0; slot < kIlluminantSlots; ++slot) {
      for (int entry = 0; entry < 3; ++entry) {
        const ToleranceSet& e = table[toleranceIndex(slot, entry)];
        EXPECT_EQ(LookupText(Text(e.componentLabel), English), c.components[entry]);
        EXPECT_TRUE(e.upperEnabled);
        EXPECT_TRUE(e.lowerEnabled);
      }
      const ToleranceSet& total = table[toleranceIndex(slot, 3)];
      EXPECT_EQ(LookupText(Text(total.componentLabel), English), c.total);
      EXPECT_TRUE(total.upperEnabled);
      EXPECT_FALSE(total.lowerEnabled);  // left as it was
    }
    EXPECT_EQ(table[toleranceIndex(1, 2)].lower, -0.4f);
    EXPECT_EQ(table[toleranceIndex(2, 3)].upper, 2.5f);
  }
}

}  // namespace
}  // namespace corvana
