#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/job.h"
#include "core/job_manager.h"
#include "reports/opacity/opacity_rule.h"
#include "tests/core/job_fixtures.h"

namespace corvana {
namespace {

using namespace corvana::testing;

// Two coated specimens with curves and one held as colour values only.
struct OpacityJob : ::testing::Test {
  JobManager manager;
  Job job{manager};
  void SetUp() override {
    LanguageIndex = English;
    job.addSample(curveSample("Over white"), false);
    MeasurementRecord dark = curveSample("Over black");
    for (float& r : dark.reflectance) r *= 0.5f;
    job.addSample(dark, false);
    job.addSample(labSample("No curve", 50, 1, 2, D65, Observer10), false);
    job.recomputeAll();
  }
  void TearDown() override { LanguageIndex = English; }
};

OpacitySide sideWithY(float y) { return {0, 0, y, 0, true}; }

TEST(OpacityPercent, SinglePrecisionQuotientWidened) {
  // 28.5f / 50 is 0.57f = 0.569999992..., not 0.57: the f32 quotient is kept.
  const std::optional<double> opacity = opacityPercent(sideWithY(50), sideWithY(28.5f));
  ASSERT_TRUE(opacity);
  EXPECT_EQ(*opacity, double(0.57f) * 100.0);
  EXPECT_NE(*opacity, 57.0);
}

TEST(OpacityPercent, AvailabilityAtTheEdges) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* what;
    OpacitySide white, black;
    std::optional<double> expected;
  } cases[] = {
      {"white Y 0 under a lighter black", sideWithY(0), sideWithY(10), inf},
      {"both Y 0 (NaN)", sideWithY(0), sideWithY(0), std::nullopt},
      {"negative quotient", sideWithY(50), sideWithY(-1), std::nullopt},
      {"black Y 0", sideWithY(50), sideWithY(0), 0.0},
      {"white without curve", {0, 0, 50, 0, false}, sideWithY(10), std::nullopt},
      {"black without curve", sideWithY(50), {0, 0, 10, 0, false}, std::nullopt},
      {"no white sample", {-1, 0, 50, 0, true}, sideWithY(10), std::nullopt},
      {"no black sample", sideWithY(50), {-1, 0, 10, 0, true}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(opacityPercent(c.white, c.black), c.expected) << c.what;
}

TEST(OpacityText, DecimalsFollowTheAccuracy) {
  const std::optional<double> opacity = double(0.57f) * 100.0;
  struct Case {
    int accuracy;
    const char* text;
  } cases[] = {{2, "57%"}, {3, "57.0%"}, {4, "57.00%"}, {1, "57%"}, {0, "57%"}};
  for (const Case& c : cases) {
    EXPECT_EQ(opacityText(opacity, c.accuracy), c.text) << c.accuracy;
    EXPECT_EQ(opacityLine(opacity, c.accuracy), std::string("Opacity: ") + c.text) << c.accuracy;
  }
  EXPECT_EQ(opacityText(std::nullopt, 3), "");
  EXPECT_EQ(opacityLine(std::nullopt, 3), "Opacity:");
  EXPECT_EQ(opacityText(std::numeric_limits<double>::infinity(), 3), "--");
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(opacityLine(100.0, 3), "遮盖率: 100.0%");
  LanguageIndex = English;
}

TEST_F(OpacityJob, SameSampleOnBothSidesIsOpaque) {
  job.DataAccuracy = 3;
  const OpacitySide side = opacitySideFor(job, 0);
  ASSERT_TRUE(side.hasTristimulus);
  EXPECT_GT(side.y, 0);
  EXPECT_EQ(opacityPercent(side, side), 100.0);
  EXPECT_EQ(opacityLine(opacityPercent(side, side), job.DataAccuracy), "Opacity: 100.0%");
}

TEST_F(OpacityJob, HalfTheReflectanceOverBlackIsHalfOpaque) {
  const std::optional<double> opacity =
      opacityPercent(opacitySideFor(job, 0), opacitySideFor(job, 1));
  ASSERT_TRUE(opacity);
  EXPECT_NEAR(*opacity, 50.0, 1e-3);
}

TEST_F(OpacityJob, ASampleWithoutCurveGivesNoOpacity) {
  const OpacitySide white = opacitySideFor(job, 2);
  EXPECT_EQ(white.index, 2);
  EXPECT_FALSE(white.hasTristimulus);
  const std::optional<double> opacity = opacityPercent(white, opacitySideFor(job, 0));
  EXPECT_FALSE(opacity);
  EXPECT_EQ(opacityLine(opacity, 3), "Opacity:");
  // Its stored values and stored (zero) reflectances are still shown.
  EXPECT_EQ(opacityValueTexts(job, 2).front(), "50.000");
  ASSERT_TRUE(opacityCurve(job, 2, OpacityBase::White));
}

TEST_F(OpacityJob, NoSampleIsAnEmptySide) {
  for (int position : {-1, 3, -7}) {
    const OpacitySide side = opacitySideFor(job, position);
    EXPECT_EQ(side.index, -1) << position;
    EXPECT_FALSE(side.hasTristimulus) << position;
    EXPECT_EQ(opacityValueTexts(job, position), std::vector<std::string>(5)) << position;
    EXPECT_FALSE(opacitySwatchBgr(job, position)) << position;
    EXPECT_FALSE(opacityCurve(job, position, OpacityBase::Black)) << position;
  }
}

TEST_F(OpacityJob, ValueCountAndConditionFollowTheSpace) {
  struct Case {
    ColorSpace space;
    std::size_t count;
  } cases[] = {{CieLab, 5}, {CieXyz, 5}, {CieRgb, 3}, {HunterLab, 3}, {Yellowness, 5}};
  for (const Case& c : cases) {
    job.colorSpace = c.space;
    job.recomputeAll();
    EXPECT_EQ(opacityValueTexts(job, 0).size(), c.count) << c.space;
    EXPECT_EQ(opacityValueTexts(job, -1).size(), c.count) << c.space;
    EXPECT_EQ(opacityValueLabels(job).size(), c.count) << c.space;
    EXPECT_EQ(opacityValueCaptions(job).size(), c.count) << c.space;
    const std::string line = opacityConditionText(job);
    EXPECT_TRUE(line.ends_with("; Color Space: CIE LAB, LCh")) << c.space << line;
  }
}

TEST_F(OpacityJob, ConditionNamesPrimaryIlluminantAndObserver) {
  job.illuminants[0] = A;
  job.observer = Observer2;
  EXPECT_EQ(opacityConditionText(job),
            "Illuminant: A; Observer Angle: " + LookupText(Text::Observer2Degrees) +
                "; Color Space: CIE LAB, LCh");
  job.illuminants[0] = Illuminant(99);
  EXPECT_EQ(opacityConditionText(job).rfind("Illuminant: ; ", 0), 0u);
}

TEST_F(OpacityJob, ValueTextsUseThePrimaryIlluminantEntry) {
  job.DataAccuracy = 2;
  const IlluminantColorValues* entry = job.table.entryFor(job.illuminants[0]);
  ASSERT_TRUE(entry);
  const std::vector<std::string> texts = opacityValueTexts(job, 1);
  for (std::size_t k = 0; k < texts.size(); ++k)
    EXPECT_EQ(texts[k], spectral::formatDecimals(entry->sampleValues[k][1], 2)) << k;
  // The swatch is the table's ARGB colour with red and blue exchanged.
  const std::uint32_t argb = entry->sampleColors[1];
  const std::optional<std::uint32_t> bgr = opacitySwatchBgr(job, 1);
  ASSERT_TRUE(bgr);
  EXPECT_EQ(*bgr & 0xFFu, (argb >> 16) & 0xFFu);
  EXPECT_EQ((*bgr >> 16) & 0xFFu, argb & 0xFFu);
  EXPECT_EQ(*bgr & 0xFF00u, argb & 0xFF00u);
  EXPECT_EQ(*bgr >> 24, 0u);
}

TEST_F(OpacityJob, CurvesCarryTheBaseStyle) {
  const auto white = opacityCurve(job, 0, OpacityBase::White);
  const auto black = opacityCurve(job, 1, OpacityBase::Black);
  ASSERT_TRUE(white && black);
  EXPECT_EQ(white->name, "Over white");
  EXPECT_EQ(white->bgr, 0x00FF0000u);
  EXPECT_EQ(white->penStyle, spectral::PenSolid);
  EXPECT_EQ(black->bgr, 0x0000FF00u);
  EXPECT_EQ(black->penStyle, spectral::PenDot);
  EXPECT_EQ(black->penWidth, 1);
  EXPECT_EQ(black->values, job.sample(1).reflectance);
}

TEST_F(OpacityJob, ReportGathersBothSides) {
  job.DataAccuracy = 4;
  const OpacityReport report = makeOpacityReport(job, 0, 1);
  EXPECT_EQ(report.job, &job);
  EXPECT_EQ(report.valueCount(), 5);
  EXPECT_EQ(report.opacityText, opacityText(report.opacity, 4));
  EXPECT_EQ(report.opacityText.size(), std::string("50.00%").size());
  EXPECT_EQ(report.whiteValues, opacityValueTexts(job, 0));
  ASSERT_EQ(report.curves().size(), 2u);
  EXPECT_EQ(report.curves()[0]->name, "Over white");
  EXPECT_EQ(report.fontFace, "Arial");

  const OpacityReport empty = makeOpacityReport(job, -1, -1);
  EXPECT_TRUE(empty.curves().empty());
  EXPECT_EQ(empty.opacityText, "");
  EXPECT_EQ(empty.blackValues, std::vector<std::string>(5));
  EXPECT_EQ(empty.valueLabels.size(), 5u);
}

TEST(OpacityNames, FontFaceAndDocumentName) {
  EXPECT_EQ(opacityFontFace(English), "Arial");
  EXPECT_EQ(opacityFontFace(ChineseSimplified), "微软雅黑");
  EXPECT_EQ(opacityFontFace(ChineseTraditional), "PMingLiU");
  EXPECT_EQ(opacityFontFace(3), "");
  EXPECT_EQ(opacityFontFace(-1), "");
  std::tm t{};
  t.tm_year = 2026 - 1900, t.tm_mon = 0, t.tm_mday = 5, t.tm_hour = 7, t.tm_min = 3;
  EXPECT_EQ(opacityDocumentName(t), "Opacity20260105-0703.docx");
}

}  // namespace
}  // namespace corvana
