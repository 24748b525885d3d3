#include "colour/condition.h"

#include <gtest/gtest.h>

#include "colour/cielab.h"
#include "colour/color_space.h"
#include "colour/measurement_record.h"
#include "test_records.h"

namespace corvana {
namespace {

TEST(ConditionCodes, OnlyListedCodesConvert) {
  EXPECT_EQ(illuminantFromCode(0), D65);
  EXPECT_EQ(illuminantFromCode(8), F11);
  EXPECT_EQ(illuminantFromCode(17), F12);
  EXPECT_FALSE(illuminantFromCode(18).has_value());
  EXPECT_FALSE(illuminantFromCode(-1).has_value());
  EXPECT_FALSE(illuminantFromCode(255).has_value());
  EXPECT_EQ(observerFromCode(0), Observer2);
  EXPECT_EQ(observerFromCode(1), Observer10);
  EXPECT_FALSE(observerFromCode(2).has_value());
  EXPECT_FALSE(observerFromCode(10).has_value());
  EXPECT_FALSE(observerFromCode(-1).has_value());
  EXPECT_EQ(colorSpaceFromCode(6), Yellowness);
  EXPECT_FALSE(colorSpaceFromCode(7).has_value());
  EXPECT_FALSE(colorSpaceFromCode(-1).has_value());
  EXPECT_EQ(colorFormulaFromCode(7), ColorStrength);
  EXPECT_FALSE(colorFormulaFromCode(8).has_value());
  EXPECT_FALSE(colorFormulaFromCode(-1).has_value());
}

TEST(ConditionCodes, ValidityOfValuesTheEnumerationsCanHold) {
  EXPECT_TRUE(isValid({D65, Observer10}));
  EXPECT_TRUE(isValid({F12, Observer2}));
  EXPECT_FALSE(isValid({static_cast<Illuminant>(18), Observer2}));
  EXPECT_FALSE(isValid({D65, static_cast<Observer>(2)}));
  EXPECT_FALSE(isKnown(static_cast<Observer>(-1)));
  EXPECT_TRUE(isKnown(Yellowness));
  EXPECT_FALSE(isKnown(static_cast<ColorSpace>(7)));
  EXPECT_TRUE(isKnown(MetamericIndex));
  EXPECT_FALSE(isKnown(static_cast<ColorFormula>(8)));
}

TEST(StoredCondition, RecordCodesAreChecked) {
  const MeasurementRecord r = testing::labRecord(50, 1, 2, F7, Observer2);
  EXPECT_EQ(storedCondition(r), (Condition{F7, Observer2}));
  // A stored code outside the lists names no condition: the stored values
  // hold nowhere, and recordLab finds nothing under any condition.
  for (auto [illuminant, observer] : {std::pair{18, 0}, std::pair{0, 2}, std::pair{255, 255}}) {
    const MeasurementRecord bad = testing::labRecord(50, 1, 2, illuminant, observer);
    EXPECT_FALSE(storedCondition(bad).has_value()) << illuminant << "/" << observer;
    EXPECT_FALSE(isEvaluable(bad, {D65, Observer10}));
    EXPECT_FALSE(isEvaluable(bad, {D65, Observer2}));
    EXPECT_FALSE(recordLab(bad, {D65, Observer2}).has_value());
  }
}

}  // namespace
}  // namespace corvana
