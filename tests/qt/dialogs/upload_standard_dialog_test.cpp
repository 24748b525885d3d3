// Entering a standard by hand in its dialog: the mode's fields, the checks
// with the focus on the field named, and the standard added.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "colour/cielab.h"
#include "colour/white_point.h"
#include "core/command_table.h"
#include "dialog_test_support.h"
#include "qt/child_frame.h"
#include "qt/dialogs/upload_standard_dialog.h"
#include "qt/main_frame.h"

namespace corvana::testing {
namespace {

class HandEntryDialog : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    job->StandardNameRule1 = "Std%nn";
    job->StandardNameRule2 = "_x";
    job->StandardMaterial = "Cotton";
    dialog = std::make_unique<UploadStandardDialog>(job.get());
    openDialog(*dialog);
  }
  void fillReflectance(const char* each) {
    dialog->setMode(HandEntryMode::Reflectance);
    for (int i = 0; i < 31; ++i) dialog->reflectanceField(i)->setText(each);
  }
  std::unique_ptr<UploadStandardDialog> dialog;
};

TEST_F(HandEntryDialog, OpensWithTheJobsNamingAndCondition) {
  job->illuminants[0] = D65;
  job->observer = Observer10;
  EXPECT_EQ(dialog->windowTitle(), ui::productTitle());
  EXPECT_EQ(dialog->mode(), HandEntryMode::Lab);
  EXPECT_EQ(dialog->modeList()->count(), 3);
  EXPECT_EQ(dialog->modeList()->itemText(2), "Reflectance");
  EXPECT_EQ(dialog->nameField()->text(), "Std%nn_x");
  EXPECT_EQ(dialog->materialField()->text(), "Cotton");
  EXPECT_EQ(dialog->conditionLine()->text(), "Current Illuminant: D65  Observer Angle: 10°");
  EXPECT_EQ(dialog->okButton()->text(), "OK");
  EXPECT_EQ(dialog->closeButton()->text(), "Close");
}

TEST_F(HandEntryDialog, OnlyTheChosenModesFieldsTakeInput) {
  const struct {
    HandEntryMode mode;
    bool lab, xyz, reflectance;
  } cases[] = {
      {HandEntryMode::Reflectance, false, false, true},
      {HandEntryMode::Xyz, false, true, false},
      {HandEntryMode::Lab, true, false, false},
  };
  for (const auto& c : cases) {
    dialog->setMode(c.mode);
    SCOPED_TRACE(int(c.mode));
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(dialog->labField(i)->isEnabled(), c.lab);
      EXPECT_EQ(dialog->xyzField(i)->isEnabled(), c.xyz);
    }
    EXPECT_EQ(dialog->reflectanceField(0)->isEnabled(), c.reflectance);
    EXPECT_EQ(dialog->reflectanceField(30)->isEnabled(), c.reflectance);
  }
}

TEST_F(HandEntryDialog, AWrongReflectanceIsNamedAndGetsTheFocus) {
  const struct {
    std::vector<std::pair<int, const char*>> texts;  // fields changed from "50"
    const char* message;
    int focus;
  } cases[] = {
      {{{15, "201"}}, "Data of '550' is overrange!(0-200)", 15},
      {{{0, ""}}, "Data of '400' is empty!", 0},
      {{{30, "-1"}}, "Data of '700' is overrange!(0-200)", 30},
      // The first in wavelength order, whatever is wrong further on.
      {{{22, ""}, {6, "5O"}}, "Data of '460' is overrange!(0-200)", 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    fillReflectance("50");
    for (const auto& [field, text] : c.texts) dialog->reflectanceField(field)->setText(text);
    messages.messages.clear();
    dialog->okButton()->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, c.message);
    EXPECT_EQ(messages.messages[0].caption, ui::productTitle());
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), dialog->reflectanceField(c.focus));
    EXPECT_EQ(job->standardCount(), 0);
  }
}

TEST_F(HandEntryDialog, AllFiftyAddsASelectedStandardOfHalves) {
  fillReflectance("50");
  dialog->okButton()->click();
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_FALSE(dialog->isVisible());
  ASSERT_EQ(job->standardCount(), 1);
  const MeasurementRecord& s = job->standard(0);
  for (float v : s.reflectance) EXPECT_EQ(v, 0.5f);
  EXPECT_TRUE(s.UseReflect);
  EXPECT_EQ(s.nameUtf8(), "Std01_x");
  EXPECT_EQ(s.materialUtf8(), "Cotton");
  EXPECT_EQ(s.mode, jobManager().currentMeasurementMode);
  EXPECT_EQ(job->currentStandard, 0);
}

TEST_F(HandEntryDialog, LabAndXyzAddAStandardWithoutCurve) {
  job->illuminants[0] = A;
  job->observer = Observer2;
  const WhitePoint white = *whitePointOf(job->condition(0));
  const Lab grey = xyzToLab({17.5f, 18.42f, 20.1f}, white);
  const struct {
    HandEntryMode mode;
    std::array<const char*, 3> texts;
    float L, a, b;
  } cases[] = {
      {HandEntryMode::Lab, {"52.5", "", "-7"}, 52.5f, 0.0f, -7.0f},
      {HandEntryMode::Xyz, {"17.5", "18.42", "20.1"}, grey.L, grey.a, grey.b},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.mode));
    UploadStandardDialog d(job.get());
    openDialog(d);
    d.setMode(c.mode);
    for (int i = 0; i < 3; ++i)
      (c.mode == HandEntryMode::Lab ? d.labField(i) : d.xyzField(i))->setText(c.texts[i]);
    d.okButton()->click();  // the empty reflectance fields are not looked at
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const MeasurementRecord& s = job->standard(job->standardCount() - 1);
    EXPECT_FALSE(s.UseReflect);
    EXPECT_EQ(s.L, c.L);
    EXPECT_EQ(s.a, c.a);
    EXPECT_EQ(s.b, c.b);
    EXPECT_EQ(s.illuminant, A);
    EXPECT_EQ(s.observer, Observer2);
    EXPECT_EQ(job->currentStandard, job->standardCount() - 1);
  }
  EXPECT_EQ(job->standardCount(), 2);
  EXPECT_EQ(job->standard(1).nameUtf8(), "Std02_x");
}

TEST_F(HandEntryDialog, EnterIsOkAndEscapeCloses) {
  dialog->labField(0)->setText("40");
  QTest::keyClick(dialog->labField(0), Qt::Key_Escape);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(job->standardCount(), 0);

  UploadStandardDialog d(job.get());
  openDialog(d);
  d.labField(0)->setText("40");
  QTest::keyClick(d.labField(0), Qt::Key_Return);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  ASSERT_EQ(job->standardCount(), 1);
  EXPECT_EQ(job->standard(0).L, 40.0f);
}

// The dialog as the active window, so Tab moves the real focus.
std::string tabStops(QWidget& first, int count) {
  QStringList stops;
  QWidget* w = &first;
  w->setFocus();
  for (int i = 0; i < count && w; ++i) {
    stops << w->objectName();
    QTest::keyClick(w, Qt::Key_Tab);
    w = QApplication::focusWidget();
  }
  return stops.join(' ').toStdString();
}

TEST_F(HandEntryDialog, TabWalksTheModesFieldsThenNameMaterialAndButtons) {
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  EXPECT_EQ(tabStops(*dialog->modeList(), 8), "mode L a b name material ok close");
  dialog->setMode(HandEntryMode::Reflectance);
  EXPECT_EQ(tabStops(*dialog->reflectanceField(8), 6),
            "reflectance480 reflectance490 reflectance500 reflectance510 reflectance520 "
            "reflectance530");
  EXPECT_EQ(tabStops(*dialog->reflectanceField(30), 3), "reflectance700 name material");
}

TEST_F(HandEntryDialog, TheMenuCommandAddsToTheActiveJob) {
  CMainFrame frame;
  CChildFrame* window = frame.newJob();
  ASSERT_TRUE(frame.commandEnabled(CmdInputStandard));
  bool shown = false;
  whenModal([&](QWidget* w) {
    auto* d = qobject_cast<UploadStandardDialog*>(w);
    ASSERT_NE(d, nullptr);
    shown = true;
    d->setMode(HandEntryMode::Lab);
    d->labField(0)->setText("61");
    d->okButton()->click();
  });
  frame.runCommand(CmdInputStandard);
  EXPECT_TRUE(shown);
  ASSERT_EQ(window->job().standardCount(), 1);
  EXPECT_EQ(window->job().standard(0).L, 61.0f);
  EXPECT_EQ(window->job().currentStandard, 0);
  window->job().setModified(false);
}

}  // namespace
}  // namespace corvana::testing
