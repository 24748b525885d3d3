// The tolerance dialog: slots, spin ranges and steps, checks and apply.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "colour/color_space.h"
#include "core/number_text.h"
#include "core/tolerance_limits.h"
#include "dialog_test_support.h"
#include "qt/dialogs/limit_spin_edit.h"
#include "qt/dialogs/tolerance_dialog.h"
#include "qt/ui_text.h"
#include "tests/core/job_fixtures.h"

namespace corvana::testing {
namespace {

class ToleranceDialogTest : public LanguageDialogTest {
 protected:
  void open() {
    dialog = std::make_unique<ToleranceDialog>(job.get());
    openDialog(*dialog);
  }
  LimitSpinEdit* field(const char* name) { return child<LimitSpinEdit>(*dialog, name); }
  void type(const char* name, const QString& text) {
    auto* edit = field(name)->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  std::unique_ptr<ToleranceDialog> dialog;
};

TEST_P(ToleranceDialogTest, OpensWithSlotsMethodQuotietyAndLimits) {
  job->illuminants[2] = static_cast<Illuminant>(99);  // no illuminant: no entry
  job->toleranceB[toleranceIndex(0, 0)].upper = 2.5f;
  job->judgeMethod = UseColorimetric;
  open();
  EXPECT_EQ(dialog->windowTitle(), ui::text(Text::ToleranceSettings));
  EXPECT_EQ(dialog->tabs()->tabText(0), ui::text(Text::RectangularTolerance));
  auto* illuminant = child<QComboBox>(*dialog, "illuminant");
  ASSERT_EQ(illuminant->count(), 2);
  EXPECT_EQ(illuminant->itemText(0), ui::qstr(slotWord(0)) + " -- D65");
  EXPECT_EQ(illuminant->itemText(1), ui::qstr(slotWord(1)) + " -- A");
  EXPECT_FALSE(illuminant->itemText(0).contains(':'));
  EXPECT_FALSE(illuminant->itemText(0).contains(QChar(0xFF1A)));
  EXPECT_EQ(illuminant->currentIndex(), 0);
  EXPECT_EQ(child<QComboBox>(*dialog, "judgeMethod")->currentText(),
            ui::text(Text::UseColorimetric));
  EXPECT_EQ(field("quotiety")->text(), "  0.75");
  EXPECT_EQ(field("quotiety")->position(), 75);
  EXPECT_EQ(field("upper1")->text(), "  2.50");
  EXPECT_EQ(field("upper1")->position(), 250);
  EXPECT_EQ(field("lower2")->text(), " -1.00");
  EXPECT_EQ(dialog->findChild<LimitSpinEdit*>("lower4"), nullptr);
  EXPECT_EQ(child<QGroupBox>(*dialog, "group1")->title(),
            ui::text(Text(job->toleranceB[0].componentLabel)));
  EXPECT_EQ(child<QGroupBox>(*dialog, "group4")->title(),
            ui::text(Text(job->toleranceB[3].componentLabel)));
  EXPECT_TRUE(dialog->applyButton()->isEnabled());
}

TEST_P(ToleranceDialogTest, SpinRangesAndStepsFollowTheSpace) {
  struct Case {
    ColorSpace space;
    const char* name;
    int low, high, step;
  } cases[] = {
      {CieLab, "lower1", -12800, -10, 10}, {CieLab, "upper1", 10, 12800, 10},
      {CieLab, "lower2", -12800, -10, 10}, {CieLab, "upper4", 10, 12800, 10},
      {CieXyz, "lower2", -100, -1, 1},     {CieXyz, "upper3", 1, 100, 1},
      {CieXyz, "lower1", -12800, -10, 10}, {CieXyz, "upper4", 10, 12800, 10},
      {CieLab, "quotiety", 10, 90, 1},
  };
  for (const Case& c : cases) {
    job->colorSpace = c.space;
    open();
    const LimitRange r = field(c.name)->range();
    EXPECT_EQ(r.low, c.low) << c.space << c.name;
    EXPECT_EQ(r.high, c.high) << c.space << c.name;
    EXPECT_EQ(r.step, c.step) << c.space << c.name;
  }
}

TEST_P(ToleranceDialogTest, SpinButtonsStepAndStopAtTheEnds) {
  job->colorSpace = CieXyz;
  job->toleranceB[toleranceIndex(0, 1)].lower = -0.02f;
  open();
  LimitSpinEdit* upper = field("upper1");
  upper->stepBy(1);
  EXPECT_EQ(upper->text(), "  1.10");
  upper->stepBy(-20);
  EXPECT_EQ(upper->text(), "  0.10");  // stops at the lower end
  LimitSpinEdit* xyLower = field("lower2");
  xyLower->stepBy(1);
  EXPECT_EQ(xyLower->text(), " -0.01");
  xyLower->stepBy(1);
  EXPECT_EQ(xyLower->text(), " -0.01");
  LimitSpinEdit* quotiety = field("quotiety");
  quotiety->stepBy(100);
  EXPECT_EQ(quotiety->text(), "  0.90");
  QTest::keyClick(quotiety, Qt::Key_Down);
  EXPECT_EQ(quotiety->text(), "  0.89");
}

TEST_P(ToleranceDialogTest, TypedLimitOutOfRangeIsRefused) {
  open();
  type("upper2", "500");
  EXPECT_FALSE(dialog->applyPages());
  ASSERT_EQ(messages.messages.size(), 1u);
  const ui::Message& m = messages.messages[0];
  const int label = job->toleranceB[1].componentLabel;
  EXPECT_EQ(m.text, ui::qstr(limitRangeMessage(label, false, limitRange(CieLab, 1, false))));
  EXPECT_TRUE(m.text.contains("(  0.10 ~ 128.00)"));
  EXPECT_TRUE(m.text.startsWith(ui::text(Text(label))));
  EXPECT_EQ(m.caption, ui::text(Text::ToleranceSettings));
  EXPECT_EQ(m.icon, ui::MessageIcon::Stop);
  EXPECT_FLOAT_EQ(job->toleranceB[1].upper, 1.0f);
}

TEST_P(ToleranceDialogTest, LowerIsCheckedBeforeUpperAndGroupsInOrder) {
  open();
  type("upper1", "200");
  type("lower1", "1");
  type("lower3", "-500");
  dialog->applyPages();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(messages.messages[0].text.contains(ui::text(Text::Lower)));
  EXPECT_TRUE(messages.messages[0].text.contains("(-128.00 ~  -0.10)"));
  EXPECT_TRUE(
      messages.messages[0].text.startsWith(ui::text(Text(job->toleranceB[0].componentLabel))));
}

TEST_P(ToleranceDialogTest, QuotietyLimitsAreOneTenthAndNineTenths) {
  struct Case {
    const char* text;
    bool accepted;
  } cases[] = {{"0.95", false}, {"0.10", true}, {"0.90", true}, {"0.09", false}, {"abc", false}};
  for (const Case& c : cases) {
    messages.messages.clear();
    open();
    type("quotiety", c.text);
    EXPECT_EQ(dialog->applyPages(), c.accepted) << c.text;
    if (c.accepted) {
      EXPECT_TRUE(messages.messages.empty());
      EXPECT_FLOAT_EQ(job->toleranceQuotiety, float(parseNumber(c.text)));
    } else {
      ASSERT_EQ(messages.messages.size(), 1u) << c.text;
      EXPECT_EQ(messages.messages[0].text, ui::text(Text::ToleranceQuotietyOverrange));
      EXPECT_EQ(messages.messages[0].caption, ui::productTitle());
      EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
    }
  }
}

TEST_P(ToleranceDialogTest, QuotietyIsStoredOnlyWhenItsHundredthsChange) {
  job->toleranceQuotiety = 0.756f;
  open();
  type("quotiety", "0.759");
  ASSERT_TRUE(dialog->applyPages());
  EXPECT_FLOAT_EQ(job->toleranceQuotiety, 0.756f);
  type("quotiety", "0.5");
  ASSERT_TRUE(dialog->applyPages());
  EXPECT_FLOAT_EQ(job->toleranceQuotiety, 0.5f);
}

TEST_P(ToleranceDialogTest, TypedLimitsOfEveryIlluminantAreKeptAcrossSwitches) {
  job->toleranceB[toleranceIndex(1, 0)].upper = 3.0f;
  open();
  auto* illuminant = child<QComboBox>(*dialog, "illuminant");
  type("upper1", "7");
  illuminant->setCurrentIndex(1);
  EXPECT_EQ(field("upper1")->text(), "  3.00");
  type("upper1", "4.5");
  type("lower3", "-2");
  illuminant->setCurrentIndex(2);
  illuminant->setCurrentIndex(0);
  EXPECT_EQ(field("upper1")->text(), "7");
  EXPECT_EQ(field("upper1")->position(), 700);  // the spin steps from what was typed
  illuminant->setCurrentIndex(1);
  EXPECT_EQ(field("upper1")->text(), "4.5");
  EXPECT_EQ(field("lower3")->text(), "-2");
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(0, 0)].upper, 1.0f);  // nothing applied yet

  QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(0, 0)].upper, 7.0f);
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(1, 0)].upper, 4.5f);
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(1, 2)].lower, -2.0f);
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(2, 0)].upper, 1.0f);
}

TEST_P(ToleranceDialogTest, CancelDropsTheEditsOfEveryIlluminant) {
  job->setModified(false);
  const ToleranceTable before = job->toleranceB;
  open();
  auto* illuminant = child<QComboBox>(*dialog, "illuminant");
  type("upper1", "7");
  illuminant->setCurrentIndex(2);
  type("upper4", "9");
  QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(job->toleranceB, before);
  EXPECT_FALSE(job->modified());
  open();  // a new visit starts from the stored limits
  EXPECT_EQ(field("upper1")->text(), "  1.00");
}

TEST_P(ToleranceDialogTest, LimitsOfAnUntouchedIlluminantKeepTheirPrecision) {
  job->toleranceB[toleranceIndex(1, 0)].upper = 2.345f;
  open();
  type("upper1", "3");
  ASSERT_TRUE(dialog->applyPages());
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(0, 0)].upper, 3.0f);
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(1, 0)].upper, 2.345f);
}

// A refused field, by OK or Apply, on the shown illuminant or another one:
// the dialog stays open on that illuminant with the field focused and its
// text selected, and nothing is applied.
TEST_P(ToleranceDialogTest, RefusalKeepsTheDialogOpenOnTheField) {
  struct Case {
    const char* what;
    int refusedSlot;
    const char* name;
    bool byOk;
  } cases[] = {
      {"shown illuminant, OK", 0, "upper4", true}, {"shown illuminant, Apply", 0, "upper4", false},
      {"other illuminant, OK", 2, "lower2", true}, {"other illuminant, Apply", 2, "lower2", false},
      {"quotiety, OK", -1, "quotiety", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    messages.messages.clear();
    dialog.reset();
    job = std::make_unique<Job>(jobManager());
    job->setModified(false);
    open();
    auto* illuminant = child<QComboBox>(*dialog, "illuminant");
    const int slot = std::max(c.refusedSlot, 0);
    illuminant->setCurrentIndex(slot);
    type(c.name, c.refusedSlot < 0 ? "0.95" : "500");
    illuminant->setCurrentIndex(1);
    type("upper1", "2");
    if (c.refusedSlot >= 0) illuminant->setCurrentIndex(0);
    QTest::mouseClick(c.byOk ? dialog->okButton() : dialog->applyButton(), Qt::LeftButton);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(dialog->isVisible());
    if (c.refusedSlot >= 0) {
      EXPECT_EQ(illuminant->currentIndex(), c.refusedSlot);
    }
    LimitSpinEdit* refused = field(c.name);
    EXPECT_EQ(dialog->focusWidget(), refused);
    auto* edit = refused->findChild<QLineEdit*>();
    EXPECT_EQ(edit->text(), c.refusedSlot < 0 ? "0.95" : "500");
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(1, 0)].upper, 1.0f);
    EXPECT_FALSE(job->modified());

    // Corrected, the same OK goes through with every illuminant's edits.
    type(c.name, c.refusedSlot < 0 ? "0.5" : (c.name[0] == 'l' ? "-3" : "3"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(1, 0)].upper, 2.0f);
  }
}

TEST_P(ToleranceDialogTest, ApplyStoresTheSelectedSlotAndMethod) {
  RecordingObserver window;
  job->window = &window;
  job->setModified(false);
  open();
  QSignalSpy applied(dialog.get(), &TabbedDialog::applied);
  child<QComboBox>(*dialog, "illuminant")->setCurrentIndex(1);
  type("upper1", "2.5");
  type("lower1", "-0.5");
  type("upper4", "3");
  child<QComboBox>(*dialog, "judgeMethod")->setCurrentIndex(UseColorimetricAndDeltaE);
  QTest::mouseClick(dialog->applyButton(), Qt::LeftButton);
  EXPECT_EQ(applied.count(), 1);
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(1, 0)].upper, 2.5f);
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(1, 0)].lower, -0.5f);
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(1, 3)].upper, 3.0f);
  EXPECT_FLOAT_EQ(job->toleranceB[toleranceIndex(0, 0)].upper, 1.0f);  // the other slot untouched
  EXPECT_EQ(job->judgeMethod, std::uint32_t(UseColorimetricAndDeltaE));
  EXPECT_TRUE(job->modified());
  EXPECT_NE(std::find(window.log.begin(), window.log.end(), "everything"), window.log.end());
  job->window = nullptr;
}

TEST_P(ToleranceDialogTest, EnterOnARefusedLimitKeepsEverythingTyped) {
  job->setModified(false);
  open();
  type("upper1", "2");
  type("upper4", "500");
  QTest::keyClick(field("upper4"), Qt::Key_Return);
  EXPECT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(field("upper1")->text(), "2");
  EXPECT_EQ(field("upper4")->text(), "500");
  EXPECT_FLOAT_EQ(job->toleranceB[0].upper, 1.0f);
  EXPECT_FALSE(job->modified());
}

INSTANTIATE_TEST_SUITE_P(Languages, ToleranceDialogTest,
                         ::testing::Values(English, ChineseSimplified, ChineseTraditional),
                         languageName);

}  // namespace
}  // namespace corvana::testing
