#include "core/find.h"

#include <gtest/gtest.h>

#include <cmath>

#include "colour/color_difference.h"
#include "colour/color_values.h"
#include "colour/white_point.h"
#include "core/cell_text.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "core/record_list_rows.h"
#include "job_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::labSample;

TEST(FindNumberRule, PlainDecimalsOnly) {
  const struct {
    const char* text;
    bool number;
  } cases[] = {
      {"+50", true}, {"-3.5", true}, {"0", true},      {"1.0", true},  {".5", true},
      {"5.", true},  {"007", true},  {"1.2.3", false}, {"5e2", false}, {"", false},
      {"+", false},  {"-", false},   {".", false},     {"+-1", false}, {" 1", false},
      {"1 ", false}, {"1,5", false}, {"0x1", false},   {"inf", false}, {"nan", false},
      {"１", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isPlainNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(FindLowerCase, LettersOfTheCommonScripts) {
  EXPECT_EQ(lowerCased(u"STD-001 Ärger ŁÓDŹ ΣΩ ДЖ Ё ＡＢ 标样"),
            u"std-001 ärger łódź σω дж ё ａｂ 标样");
  EXPECT_EQ(lowerCased(u"×÷"), u"×÷");  // not letters
}

struct FindJob {
  JobManager manager;
  Job job{manager};
  RecordListRows standards{job, RecordList::Standards};
  RecordListRows samples{job, RecordList::Samples};
  FindJob() {
    job.illuminants[0] = D65;
    job.observer = Observer10;
    job.DataAccuracy = 2;
    job.recomputeAll();
  }
  void addStandard(const MeasurementRecord& r) { job.addStandard(r, false); }
  void rebuild() {
    job.table.rebuild();
    job.recomputeAll();
    standards.rebuild();
    samples.rebuild();
  }
  std::vector<std::string> names(const FindResults& results) const {
    std::vector<std::string> out;
    for (const FindHit& h : results.rows()) out.push_back(h.texts.at(1));
    return out;
  }
};

MeasurementRecord lab(const std::string& name, float L, float a, float b) {
  return labSample(name, L, a, b, D65, Observer10);
}

TEST(FindByName, CaseIgnoredInListOrder) {
  FindJob f;
  for (const char* n : {"STD-001", "reference", "Std2", "标样 std", "ｓｔｄ", "st d"})
    f.addStandard(curveSample(n));
  f.rebuild();
  const struct {
    const char* keyword;
    std::vector<std::string> names;
  } cases[] = {
      {"std", {"STD-001", "Std2", "标样 std"}},
      {"STD", {"STD-001", "Std2", "标样 std"}},
      {"", {"STD-001", "reference", "Std2", "标样 std", "ｓｔｄ", "st d"}},
      {"标样", {"标样 std"}},
      {"ＳＴＤ", {"ｓｔｄ"}},
      {"xyz", {}},
  };
  FindResults results;
  for (const auto& c : cases) {
    findByName(f.standards, c.keyword, results);
    EXPECT_EQ(f.names(results), c.names) << c.keyword;
  }
  // The list sorted by name descending: the hits follow the list.
  f.standards.clickHeading(1);
  f.standards.clickHeading(1);
  findByName(f.standards, "std", results);
  EXPECT_EQ(f.names(results), (std::vector<std::string>{"标样 std", "Std2", "STD-001"}));
}

TEST(FindByName, CopiesTheListsCellsAndMarksTheCurrentRecord) {
  FindJob f;
  f.addStandard(curveSample("Std1"));
  f.job.addStandard(curveSample("Std2", 20), true);
  f.rebuild();
  FindResults results;
  findByName(f.standards, "std", results);
  ASSERT_EQ(results.rowCount(), 2);
  EXPECT_EQ(results.markedRow(), 1);
  for (int r = 0; r < 2; ++r) {
    ASSERT_EQ(results.row(r).texts.size(), 7u);  // number, name, five values
    EXPECT_EQ(results.row(r).record, r);
    for (int c = 0; c < 7; ++c)
      EXPECT_EQ(results.row(r).texts[std::size_t(c)], f.standards.cellText(r, c));
  }
  EXPECT_EQ(results.row(1).texts[0], "*  2");
}

TEST(FindResults, MarkerMovesOnceAndSortingKeepsIt) {
  FindJob f;
  for (auto [n, L] : {std::pair{"b", 50.0f}, {"c", 40.0f}, {"a", 60.0f}})
    f.addStandard(lab(n, L, 1, 1));
  f.job.selectStandard(0);
  f.rebuild();
  FindResults results;
  findByName(f.standards, "", results);
  ASSERT_EQ(results.markedRow(), 0);
  EXPECT_TRUE(results.mark(2));
  EXPECT_EQ(results.row(0).texts[0], "1");
  EXPECT_EQ(results.row(2).texts[0], "*  3");
  const auto before = results.rows()[2].texts;
  EXPECT_FALSE(results.mark(2));  // already marked: nothing changes
  EXPECT_EQ(results.rows()[2].texts, before);
  EXPECT_FALSE(results.mark(7));

  const struct {
    int column;
    bool ascending;
    std::vector<std::string> names;
  } cases[] = {
      {1, true, {"a", "b", "c"}},  {1, false, {"c", "b", "a"}}, {2, true, {"c", "b", "a"}},
      {2, false, {"a", "b", "c"}}, {0, false, {"a", "c", "b"}}, {0, true, {"b", "c", "a"}},
  };
  for (const auto& c : cases) {
    results.sortBy(c.column, c.ascending);
    EXPECT_EQ(f.names(results), c.names) << c.column << c.ascending;
    ASSERT_GE(results.markedRow(), 0);
    EXPECT_EQ(results.row(results.markedRow()).texts[1], "a");
  }
}

TEST(FindResults, NoValueSortsAfterEveryNumber) {
  FindResults results;
  const char* cells[] = {"2.00", "--", "-1.00", "10.00", "--"};
  for (int i = 0; i < 5; ++i) results.add({i, {std::to_string(i + 1), "n", cells[i]}}, false);
  const auto order = [&] {
    std::vector<int> out;
    for (const FindHit& h : results.rows()) out.push_back(h.record);
    return out;
  };
  results.sortBy(2, true);
  EXPECT_EQ(order(), (std::vector<int>{2, 0, 3, 1, 4}));
  results.sortBy(2, false);
  EXPECT_EQ(order(), (std::vector<int>{3, 0, 2, 1, 4}));
}

TEST(FindHeadings, FirstColumnsWithoutArrowsThenTheDifference) {
  const struct {
    ColorSpace space;
    ColorFormula formula;
    std::vector<std::string> byValue;
  } cases[] = {
      {CieLab, Cie1976, {"Standard", "Name", "L*", "a*", "b*", "C*", "h°", "ΔE*"}},
      {CieRgb, Cie94, {"Standard", "Name", "R", "G", "B", "ΔE*94"}},
      {HunterLab, Cie2000, {"Standard", "Name", "L", "a", "b", "ΔE00"}},
      {CieXyz, Cmc, {"Standard", "Name", "X", "Y", "Z", "x", "y", "ΔE*cmc"}},
      {Yellowness,
       MetamericIndex,
       {"Standard", "Name", "L*", "a*", "b*", "YI(ASTM D1925)", "YI(ASTM E313)", "ΔE*"}},
  };
  for (const auto& c : cases) {
    FindJob f;
    f.job.colorSpace = c.space;
    f.job.colorFormula = c.formula;
    f.addStandard(curveSample("s"));
    f.rebuild();
    f.standards.clickHeading(1);  // an arrow on the list's name heading
    std::vector<std::string> byName = c.byValue;
    byName.pop_back();
    EXPECT_EQ(findHeadings(f.standards, f.job, FindMode::ByName), byName) << c.space;
    EXPECT_EQ(findHeadings(f.standards, f.job, FindMode::ByValue), c.byValue) << c.space;
  }
}

TEST(FindValueLabels, FirstThreeValueNamesOfTheSpace) {
  EXPECT_EQ(findValueLabels(CieLab), (std::array{Text::LStar, Text::AStar, Text::BStar}));
  EXPECT_EQ(findValueLabels(CieRgb), (std::array{Text::RgbR, Text::RgbG, Text::RgbB}));
  EXPECT_FALSE(searchesByValue(CieLuv));
  EXPECT_TRUE(searchesByValue(WhitenessTint));
}

TEST(FindByValue, LimitAndDifferenceWithTheJobsDecimals) {
  FindJob f;
  f.addStandard(lab("exact", 50, 10, -10));
  f.addStandard(lab("one", 51, 10, -10));
  f.addStandard(lab("far", 60, 10, -10));
  f.addStandard(labSample("under A", 50, 10, -10, A, Observer10));  // not usable under D65
  f.addStandard(lab("half", 50, 10.5f, -10));
  f.rebuild();
  const struct {
    std::array<std::string, 4> fields;
    std::vector<std::string> names, differences;
  } cases[] = {
      {{"50", "10", "-10", "0"}, {"exact"}, {"0.00"}},
      {{"+50", "10.0", "-10", "1.0"}, {"exact", "one", "half"}, {"0.00", "1.00", "0.50"}},
      {{"50", "10", "-10", "0.99"}, {"exact", "half"}, {"0.00", "0.50"}},
      {{"50", "10", "-10", "100"},
       {"exact", "one", "far", "half"},
       {"0.00", "1.00", "10.00", "0.50"}},
      {{"0", "0", "0", "1"}, {}, {}},
  };
  FindResults results;
  for (const auto& c : cases) {
    EXPECT_EQ(findByValue(f.standards, f.job, c.fields, {}, results), -1);
    EXPECT_EQ(f.names(results), c.names) << c.fields[3];
    std::vector<std::string> differences;
    for (const FindHit& h : results.rows()) {
      ASSERT_EQ(h.texts.size(), 8u);
      differences.push_back(h.texts.back());
    }
    EXPECT_EQ(differences, c.differences);
  }
}

TEST(FindByValue, TheFirstFieldThatIsNotANumberStopsTheSearch) {
  FindJob f;
  f.addStandard(lab("exact", 50, 10, -10));
  f.rebuild();
  const struct {
    std::array<std::string, 4> fields;
    int bad;
  } cases[] = {
      {{"1.2.3", "10", "-10", "1"}, 0},  {{"50", "5e2", "", "1"}, 1},
      {{"50", "10", "", "1"}, 2},        {{"50", "10", "-10", ""}, 3},
      {{"50", "10", "-10", "-3.5"}, -1},  // accepted, and finds nothing
  };
  FindResults results;
  for (const auto& c : cases) {
    findByName(f.standards, "", results);
    EXPECT_EQ(findByValue(f.standards, f.job, c.fields, {}, results), c.bad) << c.bad;
    EXPECT_EQ(results.rowCount(), 0);
  }
}

TEST(FindByValue, TheJobsFormulaAndFactors) {
  const Lab target = makeLab(50, 20, -10), record = makeLab(52, 25, -4);
  const ParametricFactors k{2.0f, 1.5f, 1.0f};
  const struct {
    ColorFormula formula;
    float expected;
  } cases[] = {
      {Cie1976, cie1976Difference(target, record)},
      {Cie94, cie94Difference(target, record, k).total},
      {Cie2000, cie2000Difference(target, record, k).total},
      {Cmc, cmcDifference(target, record, k).total},
      {MetamericIndex, cie1976Difference(target, record)},
      {ColorStrength, cie1976Difference(target, record)},
  };
  for (const auto& c : cases) {
    FindJob f;
    f.job.colorFormula = c.formula;
    f.addStandard(lab("r", record.L, record.a, record.b));
    f.rebuild();
    EXPECT_EQ(findDifference(c.formula, target, record, k), c.expected);
    f.job.DataAccuracy = 4;
    FindResults results;
    ASSERT_EQ(findByValue(f.standards, f.job, {"50", "20", "-10", "100"}, k, results), -1);
    ASSERT_EQ(results.rowCount(), 1) << c.formula;
    EXPECT_EQ(results.row(0).texts.back(), fixedText(c.expected, 4)) << c.formula;
  }
  // The factors matter: CIE 2000 with kL 2 is not CIE 2000 with kL 1.
  EXPECT_NE(findDifference(Cie2000, target, record, k),
            findDifference(Cie2000, target, record, {}));
}

TEST(FindTarget, ValuesOfEachColourSpace) {
  const Condition c{D65, Observer10};
  const WhitePoint white = *whitePointOf(c);
  const std::array<float, 3> v{41.2f, 21.3f, 19.0f};
  const Lab fromXyz = xyzToLab({v[0], v[1], v[2]}, white);
  const Lab fromRgb = xyzToLab(cieRgbToXyz(v[0], v[1], v[2]), white);
  const struct {
    ColorSpace space;
    float L, a, b;
  } cases[] = {
      {CieLab, v[0], v[1], v[2]},
      {HunterLab, v[0], v[1], v[2]},
      {WhitenessTint, v[0], v[1], v[2]},
      {Yellowness, v[0], v[1], v[2]},
      {CieXyz, fromXyz.L, fromXyz.a, fromXyz.b},
      {CieRgb, fromRgb.L, fromRgb.a, fromRgb.b},
  };
  for (const auto& t : cases) {
    const std::optional<Lab> lab = targetLab(t.space, c, v);
    ASSERT_TRUE(lab) << t.space;
    EXPECT_EQ(lab->L, t.L) << t.space;
    EXPECT_EQ(lab->a, t.a) << t.space;
    EXPECT_EQ(lab->b, t.b) << t.space;
  }
  EXPECT_NE(fromRgb.L, fromXyz.L);
  EXPECT_FALSE(targetLab(CieLuv, c, v));
}

TEST(FindByValue, XyzTargetFindsTheRecordItNames) {
  FindJob f;
  f.job.colorSpace = CieXyz;
  f.job.colorFormula = Cie2000;
  const WhitePoint white = *whitePointOf(f.job.condition(0));
  const Lab grey = xyzToLab({20, 21, 22}, white);
  f.addStandard(lab("grey", grey.L, grey.a, grey.b));
  f.addStandard(lab("other", grey.L + 5, grey.a, grey.b));
  f.rebuild();
  FindResults results;
  ASSERT_EQ(findByValue(f.standards, f.job, {"20", "21", "22", "0.001"}, {}, results), -1);
  EXPECT_EQ(f.names(results), std::vector<std::string>{"grey"});
}

TEST(FindByValue, NoSearchInCieLuvAndNoRowForAFilteredRecord) {
  FindJob f;
  f.addStandard(lab("a", 50, 0, 0));
  MeasurementRecord hidden = lab("b", 50, 0, 0);
  hidden.setMaterial("M2");
  f.addStandard(hidden);
  f.rebuild();
  FindResults results;
  f.standards.setFilter("M2");
  ASSERT_EQ(findByValue(f.standards, f.job, {"50", "0", "0", "0"}, {}, results), -1);
  EXPECT_EQ(f.names(results), std::vector<std::string>{"b"});
  f.standards.setFilter(kAllMaterials);
  f.job.colorSpace = CieLuv;
  f.rebuild();
  ASSERT_EQ(findByValue(f.standards, f.job, {"50", "0", "0", "0"}, {}, results), -1);
  EXPECT_EQ(results.rowCount(), 0);
}

TEST(FindByValue, SamplesCopyTheirValueColumns) {
  FindJob f;
  f.job.addStandard(lab("std", 50, 0, 0), true);
  f.job.addSample(lab("s1", 50, 1, 0), false);
  f.job.addSample(lab("s2", 50, 0, 0), true);
  f.rebuild();
  FindResults results;
  ASSERT_EQ(findByValue(f.samples, f.job, {"50", "0", "0", "5"}, {}, results), -1);
  ASSERT_EQ(results.rowCount(), 2);
  EXPECT_EQ(results.markedRow(), 1);
  EXPECT_EQ(results.row(1).texts[0], "*  2");
  EXPECT_EQ(results.row(0).texts,
            (std::vector<std::string>{"1", "s1", "50.00", "1.00", "0.00", "1.00", "0.00", "1.00"}));
}

}  // namespace
}  // namespace corvana
