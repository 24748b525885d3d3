#include "core/record_list_rows.h"

#include <gtest/gtest.h>

#include "core/job.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "job_fixtures.h"

namespace corvana {
namespace {

using testing::curveSample;

std::vector<std::string> column(const RecordListRows& rows, int c) {
  std::vector<std::string> out;
  for (int r = 0; r < rows.rowCount(); ++r) out.push_back(rows.cellText(r, c));
  return out;
}

struct SampleJob {
  JobManager manager;
  Job job{manager};
  RecordListRows samples{job, RecordList::Samples};
  RecordListRows standards{job, RecordList::Standards};
  SampleJob() {
    job.addStandard(curveSample("STD"), false);
    const char* names[] = {"delta", "alpha", "charlie", "bravo", "echo", "alpha"};
    const char* materials[] = {"M2", "M1", "M2", "", "All", "M1"};
    const float shifts[] = {1, 30, 0, 4, 0.2f, 2};
    for (int i = 0; i < 6; ++i)
      job.addSample(curveSample(names[i], shifts[i], materials[i]), false);
    samples.rebuild();
    standards.rebuild();
  }
  int nameColumn() const { return 1; }
  int gradeColumn() const { return samples.columnCount() - 2; }
  int materialColumn() const { return samples.columnCount() - 1; }
};

TEST(RecordListRows, ColumnsHeadingsAndMarker) {
  SampleJob f;
  // Sample list: number, name, 5 values, 6 differences (CIE 1976), grade, material.
  ASSERT_EQ(f.samples.columnCount(), 15);
  EXPECT_EQ(f.samples.heading(0), "Sample");
  EXPECT_EQ(f.samples.heading(2), "L*");
  EXPECT_EQ(f.samples.heading(12), "ΔE*");
  EXPECT_EQ(f.samples.heading(13), "Judge Result");
  EXPECT_EQ(f.samples.heading(14), "Material");
  EXPECT_EQ(f.samples.columns()[7].widthUnits, 46);
  ASSERT_EQ(f.standards.columnCount(), 8);
  EXPECT_EQ(f.standards.heading(0), "Standard");
  EXPECT_EQ(column(f.samples, 0), (std::vector<std::string>{"*  1", "2", "3", "4", "5", "6"}));
  LanguageIndex = ChineseSimplified;
  EXPECT_EQ(f.samples.heading(0), "试样");
  EXPECT_EQ(f.samples.heading(14), "料号");
  LanguageIndex = English;
}

TEST(RecordListRows, NameSortingReversesOnSecondClick) {
  SampleJob f;
  f.samples.clickHeading(f.nameColumn());
  EXPECT_EQ(column(f.samples, 1),
            (std::vector<std::string>{"alpha", "alpha", "bravo", "charlie", "delta", "echo"}));
  EXPECT_EQ(f.samples.heading(1), "Name ↑");
  f.samples.clickHeading(f.nameColumn());
  EXPECT_EQ(column(f.samples, 1),
            (std::vector<std::string>{"echo", "delta", "charlie", "bravo", "alpha", "alpha"}));
  EXPECT_EQ(f.samples.heading(1), "Name ↓");
  // Rows still name their records.
  EXPECT_EQ(f.job.sample(f.samples.recordAt(0)).nameUtf8(), "echo");
}

TEST(RecordListRows, MaterialThenNameIsATwoKeySort) {
  SampleJob f;
  f.samples.sortByMaterial();
  f.samples.clickHeading(f.nameColumn());
  EXPECT_EQ(column(f.samples, f.materialColumn()),
            (std::vector<std::string>{"", "All", "M1", "M1", "M2", "M2"}));
  EXPECT_EQ(column(f.samples, 1),
            (std::vector<std::string>{"bravo", "echo", "alpha", "alpha", "charlie", "delta"}));
  EXPECT_EQ(f.samples.heading(f.materialColumn()), "Material ↑");
  EXPECT_EQ(f.samples.heading(1), "Name ↑↑");
  // Another column click replaces both keys.
  f.samples.clickHeading(2);
  EXPECT_EQ(f.samples.key(0).column, 2);
  EXPECT_EQ(f.samples.key(1).column, -1);
}

TEST(RecordListRows, GradeSortPutsFailuresFirstByDefault) {
  SampleJob f;
  f.samples.clickHeading(f.gradeColumn());
  auto grades = column(f.samples, f.gradeColumn());
  EXPECT_EQ(grades.front(), "NG");
  f.samples.clickHeading(f.gradeColumn());
  grades = column(f.samples, f.gradeColumn());
  EXPECT_EQ(grades.front(), "Level 1");
  EXPECT_EQ(grades.back(), "NG");
}

TEST(RecordListRows, FilterByMaterial) {
  SampleJob f;
  EXPECT_EQ(f.samples.materials(), (std::vector<std::string>{"", "All", "M1", "M2"}));
  f.samples.setFilter("M1");
  EXPECT_EQ(column(f.samples, 1), (std::vector<std::string>{"alpha", "alpha"}));
  EXPECT_EQ(f.samples.recordAt(1), 5);
  f.samples.setFilter("");
  EXPECT_EQ(column(f.samples, 1), (std::vector<std::string>{"bravo"}));
  // A material named "All" cannot be filtered on: every record shows.
  f.samples.setFilter("All");
  EXPECT_EQ(f.samples.rowCount(), 6);
  // New records of another material are not added while filtering.
  f.samples.setFilter("M2");
  f.job.addSample(curveSample("fox", 0, "M9"), false);
  f.samples.appendRow(6);
  EXPECT_EQ(f.samples.rowCount(), 2);
  f.job.addSample(curveSample("golf", 0, "M2"), false);
  f.samples.appendRow(7);
  EXPECT_EQ(f.samples.rowCount(), 3);
  f.samples.setFilter(kAllMaterials);
  EXPECT_EQ(f.samples.rowCount(), 8);
}

TEST(RecordListRows, GradeCellsCarryTheirToneAndTheCurrentRowIsKnown) {
  SampleJob f;
  const int g = f.gradeColumn();
  bool seen[3] = {};
  for (int r = 0; r < f.samples.rowCount(); ++r) {
    const std::string grade = f.samples.cellText(r, g);
    const CellTone expected = grade == "Level 1"   ? CellTone::Good
                              : grade == "Level 2" ? CellTone::Warning
                              : grade == "NG"      ? CellTone::Bad
                                                   : CellTone::Plain;
    EXPECT_EQ(f.samples.cellTone(r, g), expected) << grade;
    if (expected != CellTone::Plain) seen[int(expected) - 1] = true;
    EXPECT_EQ(f.samples.cellTone(r, f.nameColumn()), CellTone::Plain);
    EXPECT_EQ(f.samples.isCurrentRow(r), f.samples.recordAt(r) == f.job.currentSample);
  }
  EXPECT_TRUE(seen[0] && seen[2]) << "the fixture grades both ends";
  // Without a current standard nothing is judged, so every grade is plain.
  f.job.deleteStandards({0});
  f.samples.rebuild();
  for (int r = 0; r < f.samples.rowCount(); ++r)
    EXPECT_EQ(f.samples.cellTone(r, g), CellTone::Plain);
}

TEST(RecordListRows, AnActiveFilterIsNamedAndAHiddenCurrentRecordSaid) {
  SampleJob f;
  f.job.selectSample(1);  // "alpha", M1
  f.samples.rebuild();
  const int m = f.materialColumn();
  EXPECT_EQ(f.samples.heading(m), "Material");
  EXPECT_EQ(f.samples.hiddenCurrentNotice(), "");
  f.samples.setFilter("M1");
  EXPECT_EQ(f.samples.heading(m), "Material: M1");
  EXPECT_EQ(f.samples.hiddenCurrentNotice(), "");
  f.samples.setFilter("M2");
  EXPECT_EQ(f.samples.hiddenCurrentNotice(),
            "The current sample is hidden by the material filter.");
  f.samples.setFilter("");
  EXPECT_EQ(f.samples.heading(m), "Material: (None)");
  LanguageIndex = ChineseTraditional;
  EXPECT_EQ(f.samples.heading(m), "料號：（無）");
  EXPECT_EQ(f.samples.hiddenCurrentNotice(), "當前試樣已被料號篩選隱藏。");
  LanguageIndex = English;
  // The standard list speaks of the standard; no current record, no notice.
  f.standards.setFilter("M7");
  EXPECT_EQ(f.standards.hiddenCurrentNotice(),
            "The current standard is hidden by the material filter.");
  f.job.deleteStandards({0});
  EXPECT_EQ(f.standards.hiddenCurrentNotice(), "");
  f.samples.setFilter(kAllMaterials);
  EXPECT_EQ(f.samples.heading(m), "Material");
  EXPECT_EQ(f.samples.hiddenCurrentNotice(), "");
}

TEST(RecordListRows, RebuildingReturnsToRecordOrderWithoutArrows) {
  SampleJob f;
  f.samples.sortByMaterial();
  f.samples.clickHeading(f.nameColumn());
  ASSERT_EQ(f.samples.heading(1), "Name ↑↑");
  f.samples.rebuild();
  EXPECT_EQ(f.samples.heading(1), "Name");
  EXPECT_EQ(f.samples.heading(f.materialColumn()), "Material");
  EXPECT_EQ(column(f.samples, 1),
            (std::vector<std::string>{"delta", "alpha", "charlie", "bravo", "echo", "alpha"}));
  // A click after the rebuild starts a fresh one-key sort.
  f.samples.clickHeading(f.nameColumn());
  EXPECT_EQ(f.samples.heading(1), "Name ↑");
}

TEST(RecordListRows, RemovalRenumbersAndKeepsTheMarker) {
  SampleJob f;
  f.job.selectSample(4);
  f.samples.rebuild();
  f.job.deleteSamples({1, 3});  // samples 2 and 4 of 6
  f.samples.recordsRemoved({3, 1});
  EXPECT_EQ(column(f.samples, 0), (std::vector<std::string>{"1", "2", "*  3", "4"}));
  EXPECT_EQ(column(f.samples, 1), (std::vector<std::string>{"delta", "charlie", "echo", "alpha"}));
}

TEST(RecordListRows, StandardNumbersAreSerialNumbersWithGaps) {
  SampleJob f;
  f.job.addStandard(curveSample("S2"), false);
  f.job.addStandard(curveSample("S3"), false);
  f.job.deleteStandards({1});
  f.standards.rebuild();
  EXPECT_EQ(column(f.standards, 0), (std::vector<std::string>{"*  1", "3"}));
}

TEST(RecordListRows, NoPrimaryEntryMeansNoRows) {
  JobManager manager;
  Job job(manager);
  RecordListRows rows(job, RecordList::Samples);
  rows.rebuild();
  EXPECT_EQ(rows.rowCount(), 0);
  EXPECT_GT(rows.columnCount(), 0);
}

}  // namespace
}  // namespace corvana
