// The naming dialog in its two modes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "dialog_test_support.h"
#include "qt/dialogs/naming_dialog.h"
#include "qt/ui_text.h"
#include "tests/core/job_fixtures.h"

namespace corvana::testing {
namespace {

class NamingDialogTest : public LanguageDialogTest {};

TEST_P(NamingDialogTest, NameOptionModeHasOnlyTheDefaultPage) {
  struct Case {
    RecordList list;
    Text tab;
  } cases[] = {{RecordList::Standards, Text::StandardDefault},
               {RecordList::Samples, Text::SampleDefault}};
  for (const Case& c : cases) {
    NamingDialog dialog(job.get(), c.list, NamingMode::NameOption);
    openDialog(dialog);
    ASSERT_EQ(dialog.tabs()->count(), 1);
    EXPECT_EQ(dialog.tabs()->tabText(0), ui::text(c.tab));
    EXPECT_EQ(dialog.findChild<QWidget*>("namingManualPage"), nullptr);
  }
}

TEST_P(NamingDialogTest, MeasurementModeHasTheManualPageFirst) {
  NamingDialog dialog(job.get(), RecordList::Standards, NamingMode::Measurement);
  openDialog(dialog);
  ASSERT_EQ(dialog.tabs()->count(), 2);
  EXPECT_EQ(dialog.tabs()->tabText(0), ui::text(Text::Standard));
  EXPECT_EQ(dialog.tabs()->tabText(1), ui::text(Text::StandardDefault));
  EXPECT_EQ(child<QLineEdit>(dialog, "manualFirstSegment")->text(), "Standard%nnn");
  EXPECT_EQ(child<QComboBox>(dialog, "firstSegment")->currentText(), "Standard%nnn");
  EXPECT_EQ(child<QComboBox>(dialog, "firstSegment")->count(), 0);
}

TEST_P(NamingDialogTest, DefaultPageStoresRulesMaterialAndAutoNaming) {
  NamingDialog dialog(job.get(), RecordList::Samples, NamingMode::NameOption);
  openDialog(dialog);
  child<QComboBox>(dialog, "firstSegment")->setEditText("Lot%yyyy-");
  child<QComboBox>(dialog, "secondSegment")->setEditText("%nn");
  child<QLineEdit>(dialog, "material")->setText("wool");
  child<QCheckBox>(dialog, "autoNaming")->setChecked(true);
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_EQ(job->SampleNameRule1, "Lot%yyyy-");
  EXPECT_EQ(job->SampleNameRule2, "%nn");
  EXPECT_EQ(job->SampleMaterial, "wool");
  EXPECT_TRUE(job->autoNamingSamples);
  EXPECT_FALSE(job->autoNamingStandards);
  EXPECT_EQ(job->StandardNameRule1, "Standard%nnn");
  EXPECT_TRUE(job->modified());
  EXPECT_EQ(child<QComboBox>(dialog, "firstSegment")->count(), 0);  // nothing was put in the list
}

TEST_P(NamingDialogTest, ManualPageNamesTheNextRecordWithoutChangingTheRules) {
  for (int i = 0; i < 3; ++i) job->addSample(curveSample("s"), true);
  job->SampleMaterial = "silk";
  NamingDialog dialog(job.get(), RecordList::Samples, NamingMode::Measurement);
  openDialog(dialog);
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.resultName(), "Sample004");
  EXPECT_EQ(dialog.resultMaterial(), "silk");

  NamingDialog typed(job.get(), RecordList::Samples, NamingMode::Measurement);
  openDialog(typed);
  child<QLineEdit>(typed, "manualFirstSegment")->setText("Std");
  child<QLineEdit>(typed, "manualSecondSegment")->setText("%n");
  child<QLineEdit>(typed, "manualMaterial")->setText("linen");
  typed.accept();
  EXPECT_EQ(typed.resultName(), "Std4");
  EXPECT_EQ(typed.resultMaterial(), "linen");
  EXPECT_EQ(job->SampleNameRule1, "Sample%nnn");
  EXPECT_EQ(job->SampleNameRule2, "");
  EXPECT_EQ(job->SampleMaterial, "silk");
}

TEST_P(NamingDialogTest, CancelKeepsTheJob) {
  job->setModified(false);
  NamingDialog dialog(job.get(), RecordList::Standards, NamingMode::Measurement);
  openDialog(dialog);
  child<QCheckBox>(dialog, "autoNaming")->setChecked(true);
  dialog.reject();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(job->autoNamingStandards);
  EXPECT_FALSE(job->modified());
  EXPECT_EQ(dialog.resultName(), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, NamingDialogTest, ::testing::Values(English, ChineseSimplified),
                         languageName);

}  // namespace
}  // namespace corvana::testing
