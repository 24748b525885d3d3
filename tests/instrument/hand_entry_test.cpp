#include "instrument/hand_entry.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "colour/cielab.h"
#include "colour/white_point.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "language_scope.h"

namespace corvana {
namespace {

class HandEntry : public ::testing::Test {
 protected:
  HandEntryFields reflectance(const std::string& each) {
    HandEntryFields f;
    f.mode = HandEntryMode::Reflectance;
    f.reflectance.fill(each);
    f.name = "Std%nn";
    return f;
  }
  std::string message(const HandEntryFields& f) {
    auto r = handEntryStandard(job, f, 0, now);
    return std::holds_alternative<std::string>(r) ? std::get<std::string>(r) : "(standard)";
  }
  JobManager manager;
  Job job{manager};
  const RecordTime now{6, 5, 2014, 7, 3, 9};
};

TEST_F(HandEntry, AllFiftyGivesAHalfEverywhere) {
  const std::string m = enterStandardByHand(job, reflectance("50"), 1, now);
  ASSERT_EQ(m, "");
  ASSERT_EQ(job.standardCount(), 1);
  const MeasurementRecord& s = job.standard(0);
  for (float v : s.reflectance) EXPECT_EQ(v, 0.5f);
  EXPECT_TRUE(s.UseReflect);
  EXPECT_EQ(s.nameUtf8(), "Std01");
  EXPECT_EQ(s.time, now);
  EXPECT_EQ(s.mode, 1);
  EXPECT_EQ(job.currentStandard, 0);
}

TEST_F(HandEntry, ReflectanceFieldsCheckedFrom400Up) {
  const struct {
    int field;
    const char* text;
    const char* message;
  } cases[] = {
      {15, "201", "Data of '550' is overrange!(0-200)"},
      {15, "-0.1", "Data of '550' is overrange!(0-200)"},
      {15, "200", "(standard)"},
      {15, "0", "(standard)"},
      {0, "", "Data of '400' is empty!"},
      {30, "  ", "Data of '700' is empty!"},
      // A typing slip is not read as a value.
      {3, "5O", "Data of '430' is overrange!(0-200)"},
      {3, "nan", "Data of '430' is overrange!(0-200)"},
      {3, " 12.5 ", "(standard)"},
  };
  for (const auto& c : cases) {
    HandEntryFields f = reflectance("50");
    f.reflectance[std::size_t(c.field)] = c.text;
    EXPECT_EQ(message(f), c.message) << c.field << " " << c.text;
  }
  // The first wrong field in wavelength order is the one named.
  HandEntryFields f = reflectance("50");
  f.reflectance[20] = "";
  f.reflectance[5] = "300";
  EXPECT_EQ(message(f), "Data of '450' is overrange!(0-200)");
  // Nothing is added while a field is wrong.
  EXPECT_EQ(enterStandardByHand(job, f, 0, now), "Data of '450' is overrange!(0-200)");
  EXPECT_EQ(job.standardCount(), 0);
}

TEST_F(HandEntry, MessagesInTheCurrentLanguage) {
  testing::LanguageScope l(ChineseSimplified);
  HandEntryFields f = reflectance("50");
  f.reflectance[15] = "201";
  EXPECT_EQ(message(f), "'550'的数据超出范围！(0-200)");
}

TEST_F(HandEntry, LabUnderThePrimaryCondition) {
  job.illuminants[0] = A;
  job.observer = Observer2;
  HandEntryFields f;
  f.mode = HandEntryMode::Lab;
  f.lab = {"52.5", "", "-7"};
  f.reflectance.fill("");  // not looked at in this mode
  f.name = "L%n";
  f.material = "Wool";
  ASSERT_EQ(enterStandardByHand(job, f, 0, now), "");
  const MeasurementRecord& s = job.standard(0);
  EXPECT_FALSE(s.UseReflect);
  EXPECT_EQ(s.L, 52.5f);
  EXPECT_EQ(s.a, 0.0f);
  EXPECT_EQ(s.b, -7.0f);
  EXPECT_EQ(s.illuminant, A);
  EXPECT_EQ(s.observer, Observer2);
  EXPECT_EQ(s.nameUtf8(), "L1");
  EXPECT_EQ(s.materialUtf8(), "Wool");
}

TEST_F(HandEntry, XyzConvertedWithThePrimaryWhitePoint) {
  const WhitePoint white = *whitePointOf(job.condition(0));
  HandEntryFields f;
  f.mode = HandEntryMode::Xyz;
  f.name = "X";
  // The white itself is L* 100, a* = b* = 0.
  f.xyz = {std::to_string(white.X), std::to_string(white.Y), std::to_string(white.Z)};
  auto r = handEntryStandard(job, f, 0, now);
  ASSERT_TRUE(std::holds_alternative<MeasurementRecord>(r));
  EXPECT_NEAR(std::get<MeasurementRecord>(r).L, 100.0f, 1e-3f);
  EXPECT_NEAR(std::get<MeasurementRecord>(r).a, 0.0f, 1e-3f);
  // A mid grey: Y = 18.42 of a white of Y 100 is L* 50.
  f.xyz = {"17.5", "18.42", "20.1"};
  r = handEntryStandard(job, f, 0, now);
  const Lab expected = xyzToLab({17.5f, 18.42f, 20.1f}, white);
  EXPECT_EQ(std::get<MeasurementRecord>(r).L, expected.L);
  EXPECT_NEAR(expected.L, 50.0f, 0.01f);
  EXPECT_EQ(std::get<MeasurementRecord>(r).b, expected.b);
  EXPECT_FALSE(std::get<MeasurementRecord>(r).UseReflect);
}

TEST_F(HandEntry, TheNameCountsTheStandardsAlreadyThere) {
  MeasurementRecord existing;
  job.addStandard(existing, false);
  job.addStandard(existing, false);
  HandEntryFields f = reflectance("10");
  f.name = "Std%nnn";
  f.material = std::string(200, 'm');
  ASSERT_EQ(enterStandardByHand(job, f, 0, now), "");
  EXPECT_EQ(job.standard(2).nameUtf8(), "Std003");
  EXPECT_EQ(job.standard(2).materialUtf8().size(), 127u);
}

TEST_F(HandEntry, TheWrongFieldIsTheOneTheMessageNames) {
  const struct {
    std::vector<std::pair<int, const char*>> texts;  // fields changed from "50"
    int wrong;
  } cases[] = {
      {{}, -1},
      {{{0, ""}}, 0},
      {{{30, "200.5"}}, 30},
      {{{20, ""}, {5, "300"}}, 5},  // wavelength order, not the kind of fault
      {{{7, "x"}, {8, ""}}, 7},
  };
  for (const auto& c : cases) {
    HandEntryFields f = reflectance("50");
    for (const auto& [field, text] : c.texts) f.reflectance[std::size_t(field)] = text;
    EXPECT_EQ(firstWrongReflectanceField(f), c.wrong) << c.wrong;
    const std::string m = message(f);
    if (c.wrong >= 0) {
      EXPECT_NE(m.find(std::to_string(400 + 10 * c.wrong)), std::string::npos) << m;
    }
  }
  // Lab and XYZ never look at the curve.
  HandEntryFields lab = reflectance("");
  lab.mode = HandEntryMode::Lab;
  EXPECT_EQ(firstWrongReflectanceField(lab), -1);
}

TEST_F(HandEntry, ConditionLineNamesThePrimaryIlluminantAndObserver) {
  job.illuminants[0] = F11;
  job.observer = Observer2;
  EXPECT_EQ(handEntryConditionLine(job), "Current Illuminant: F11  Observer Angle: 2");
  job.illuminants[0] = D65;
  job.observer = Observer10;
  testing::LanguageScope l(ChineseTraditional);
  EXPECT_EQ(handEntryConditionLine(job), "當前光源: D65  觀察者角度: 10°");
}

}  // namespace
}  // namespace corvana
