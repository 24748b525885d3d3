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
  for (int space = 0; space < 7; ++space)
    for (int formula = 0; formula < 8; ++formula) {
      SCOPED_TRACE(::testing::Message() << "space " << space << " formula " << formula);
      EXPECT_EQ(differenceCount(space, formula), expected[space][formula]);
      // Label k names slot k, in both forms.
      EXPECT_EQ(int(differenceLabelRows(space, formula, false).size()), expected[space][formula]);
      EXPECT_EQ(int(differenceLabelRows(space, formula, true).size()), expected[space][formula]);
      EXPECT_EQ(int(valueLabelRows(space, false).size()), valueCount(space));
    }
  EXPECT_EQ(valueCount(7), 0);
  EXPECT_EQ(valueCount(-1), 0);
  EXPECT_EQ(differenceCount(0, 8), 6);  // an unknown formula still counts one slot
  EXPECT_EQ(differenceCount(9, 0), 1);
}

TEST(SlotLayout, TellingLabelRows) {
  struct Case {
    int space, formula;
    bool shortForm;
    Texts labels;
  } cases[] = {
      {0, 1, false, {"ΔL*", "Δa*", "Δb*", "ΔC'", "ΔH'", "ΔE*94"}},
      {1, 1, false, {"ΔX", "ΔY", "ΔZ", "Δx", "Δy", "ΔC'", "ΔH'", "ΔE*94"}},
      {3, 6, true, {"ΔR", "ΔG", "Δb", "ΔE*", "MI"}},
      {3, 6, false, {"ΔR", "ΔG", "Δb", "ΔE*", "Metameric Index"}},
      {0, 0, false, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*"}},
      {2, 2, false, {"ΔL*", "Δu*", "Δv*", "ΔC'", "ΔH'", "ΔE00"}},
      {2, 0, false, {"ΔL*", "Δu*", "Δv*", "ΔC*", "ΔH*", "ΔE*"}},
      {4, 3, false, {"ΔL", "Δa", "Δb", "ΔC'", "ΔH'", "ΔE*cmc"}},
      {5, 0, true, {"ΔL*", "Δa*", "Δb*", "WI(E313)", "WI(CIE)", "ΔE*"}},
      {5, 0, false, {"ΔL*", "Δa*", "Δb*", "WI(ASTM E313)", "WI(CIE/ISO/AATCC)", "ΔE*"}},
      {6, 2, true, {"ΔL*", "Δa*", "Δb*", "YI(D1925)", "YI(E313)", "ΔC'", "ΔH'", "ΔE00"}},
      {0, 4, true, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "ΔE(F)", "GS"}},
      {0, 4, false, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "Color Fastness", "Color Fastness Grade"}},
      {0, 5, true, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "ΔE(GS)", "SSR"}},
      {0, 7, true, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "StrMaxAbs", "∑(K/S)"}},
      {0, 7, false, {"ΔL*", "Δa*", "Δb*", "ΔC*", "ΔH*", "ΔE*", "StrMaxAbs", "Sum of K/S"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(texts(differenceLabelRows(c.space, c.formula, c.shortForm)), c.labels)
        << "space " << c.space << " formula " << c.formula << (c.shortForm ? " short" : " long");
}

TEST(SlotLayout, ValueLabels) {
  EXPECT_EQ(texts(valueLabelRows(0, false)), (Texts{"L*", "a*", "b*", "C*", "h°"}));
  EXPECT_EQ(texts(valueLabelRows(1, false)), (Texts{"X", "Y", "Z", "x", "y"}));
  EXPECT_EQ(texts(valueLabelRows(2, false)), (Texts{"L*", "u*", "v*", "C*uv", "h°uv"}));
  EXPECT_EQ(texts(valueLabelRows(3, false)), (Texts{"R", "G", "B"}));
  EXPECT_EQ(texts(valueLabelRows(4, false)), (Texts{"L", "a", "b"}));
  EXPECT_EQ(texts(valueLabelRows(6, false)), (Texts{"L*", "a*", "b*", "YI(ASTM D1925)", "YI(ASTM E313)"}));
  EXPECT_EQ(texts(valueLabelRows(6, true)), (Texts{"L*", "a*", "b*", "YI(D1925)", "YI(E313)"}));
  EXPECT_TRUE(valueLabelRows(7, false).empty());
}

TEST(Tolerance, AssignmentRelabelsAndKeepsLimits) {
  struct Case {
    int space, formula;
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
