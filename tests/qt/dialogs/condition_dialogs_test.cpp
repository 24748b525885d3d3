// Color Space && Formula, Observer && Illuminants && Measurement Mode, Other
// Settings and Report Settings: what they show, refuse and store.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "colour/color_space.h"
#include "colour/spectral.h"
#include "core/job_manager.h"
#include "core/number_text.h"
#include "core/value_labels.h"
#include "dialog_test_support.h"
#include "qt/dialogs/color_space_formula_dialog.h"
#include "qt/dialogs/observer_illuminant_dialog.h"
#include "qt/dialogs/other_settings_dialog.h"
#include "qt/dialogs/report_settings_dialog.h"
#include "qt/ui_text.h"
#include "tests/core/job_fixtures.h"

namespace corvana::testing {
namespace {

void selectData(QComboBox* combo, int code) { combo->setCurrentIndex(combo->findData(code)); }

class ColorSpaceFormulaDialogTest : public LanguageDialogTest {
 protected:
  void openWith(ColorFormula formula) {
    job->setColorFormula(formula);
    job->setModified(false);
    dialog = std::make_unique<ColorSpaceFormulaDialog>(job.get());
    openDialog(*dialog);
  }
  QLineEdit* factor(const char* name) { return child<QLineEdit>(*dialog, name); }
  QComboBox* formula() { return child<QComboBox>(*dialog, "colorFormula"); }
  bool shown(const char* name) { return !child<QWidget>(*dialog, name)->isHidden(); }

  std::unique_ptr<ColorSpaceFormulaDialog> dialog;
};

TEST_P(ColorSpaceFormulaDialogTest, ListsSpacesInCodeOrderAndFormulasInListOrder) {
  openWith(Cie1976);
  EXPECT_EQ(dialog->tabs()->tabText(0), ui::text(Text::Select));
  auto* spaces = child<QComboBox>(*dialog, "colorSpace");
  ASSERT_EQ(spaces->count(), kColorSpaceCount);
  EXPECT_EQ(spaces->itemText(0), "CIE LAB, LCh");
  EXPECT_EQ(spaces->itemText(6), "YI");
  ASSERT_EQ(formula()->count(), kColorFormulaCount);
  EXPECT_EQ(formula()->itemData(6).toInt(), ColorStrength);
  EXPECT_EQ(formula()->itemText(7), ui::text(Text::MetamericIndex));
  EXPECT_EQ(factor("kl")->text(), "  1.00");
}

TEST_P(ColorSpaceFormulaDialogTest, FactorsAndMetamericGroupsFollowTheFormula) {
  openWith(Cie1976);
  struct Case {
    ColorFormula formula;
    bool factors, metameric, khEnabled;
  } cases[] = {
      {Cie1976, false, false, true},       {Cie94, true, false, true},
      {Cmc, true, false, false},           {Cie2000, true, false, true},
      {MetamericIndex, false, true, true}, {ColorFastness, false, false, true},
  };
  for (const Case& c : cases) {
    selectData(formula(), c.formula);
    EXPECT_EQ(shown("factors"), c.factors) << c.formula;
    EXPECT_EQ(shown("metameric"), c.metameric) << c.formula;
    EXPECT_EQ(factor("kh")->isEnabled(), c.khEnabled) << c.formula;
  }
}

TEST_P(ColorSpaceFormulaDialogTest, CmcGreysKhShowingOne) {
  parametricFactors().kH = 2.5f;
  openWith(Cie94);
  EXPECT_EQ(factor("kh")->text(), "  2.50");
  selectData(formula(), Cmc);
  EXPECT_FALSE(factor("kh")->isEnabled());
  EXPECT_EQ(factor("kh")->text(), "  1.00");
  selectData(formula(), Cie2000);  // what KH read before comes back
  EXPECT_EQ(factor("kh")->text(), "  2.50");
}

TEST_P(ColorSpaceFormulaDialogTest, OutOfRangeFactorIsRefusedWithItsLimits) {
  openWith(Cmc);
  factor("kl")->setText("0.5");
  QTest::mouseClick(dialog->applyButton(), Qt::LeftButton);
  ASSERT_EQ(messages.messages.size(), 1u);
  const QString expected = ui::qstr(
      fillPlaceholders(LookupText(Text::ValueMustBeBetween), {std::string("KL"), 1.0, 10.0}));
  EXPECT_EQ(messages.messages[0].text, expected);
  if (GetParam() == English) {
    EXPECT_EQ(messages.messages[0].text, "KL must between   1.00 and  10.00!");
  }
  EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->applyButton()->isEnabled());
  EXPECT_FLOAT_EQ(parametricFactors().kL, 1.0f);
}

TEST_P(ColorSpaceFormulaDialogTest, RefusedFactorKeepsTheDialogOpenOnTheField) {
  for (const bool byOk : {true, false}) {
    SCOPED_TRACE(byOk ? "OK" : "Apply");
    messages.messages.clear();
    openWith(Cie94);
    factor("kl")->setText("3");
    factor("kc")->setText("0.05");
    selectData(formula(), Cie2000);
    QTest::mouseClick(byOk ? dialog->okButton() : dialog->applyButton(), Qt::LeftButton);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), factor("kc"));
    EXPECT_EQ(factor("kc")->selectedText(), "0.05");
    EXPECT_EQ(factor("kl")->text(), "3");
    EXPECT_EQ(formula()->currentData().toInt(), Cie2000);
    EXPECT_EQ(job->colorFormula, Cie94);
    EXPECT_FLOAT_EQ(parametricFactors().kC, 1.0f);
    EXPECT_FALSE(job->modified());

    factor("kc")->setText("0.5");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(job->colorFormula, Cie2000);
    EXPECT_FLOAT_EQ(parametricFactors().kL, 3.0f);
    EXPECT_FLOAT_EQ(parametricFactors().kC, 0.5f);
    parametricFactors() = ParametricFactors{};
  }
}

TEST_P(ColorSpaceFormulaDialogTest, FactorsTypedWithAFormulaChangeAreKept) {
  struct Case {
    ColorFormula from, to;
    float kH;  // CMC has none: it stores 1
  } cases[] = {{Cie1976, Cmc, 1.0f},
               {Cie1976, Cie94, 0.5f},
               {ColorFastness, Cie2000, 0.5f},
               {Cie94, Cmc, 1.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.from << " -> " << c.to);
    parametricFactors() = ParametricFactors{};
    openWith(c.from);
    selectData(formula(), c.to);
    factor("kl")->setText("2");
    factor("kc")->setText("1.5");
    if (factor("kh")->isEnabled()) factor("kh")->setText("0.5");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(job->colorFormula, c.to);
    EXPECT_FLOAT_EQ(parametricFactors().kL, 2.0f);
    EXPECT_FLOAT_EQ(parametricFactors().kC, 1.5f);
    EXPECT_FLOAT_EQ(parametricFactors().kH, c.kH);

    ColorSpaceFormulaDialog next(job.get());  // the next visit shows them
    openDialog(next);
    EXPECT_EQ(child<QLineEdit>(next, "kl")->text(), "  2.00");
  }
}

TEST_P(ColorSpaceFormulaDialogTest, CmcStoresItsGreyedKh) {
  parametricFactors().kH = 3.0f;
  openWith(Cmc);
  QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
  EXPECT_FLOAT_EQ(parametricFactors().kH, 1.0f);
}

TEST_P(ColorSpaceFormulaDialogTest, HiddenFactorsThatWouldBeStoredAreStillChecked) {
  openWith(Cie94);
  factor("kl")->setText("0.5");
  selectData(formula(), Cie1976);
  EXPECT_FALSE(dialog->applyPages());
  EXPECT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(job->colorFormula, Cie94);
  EXPECT_FLOAT_EQ(parametricFactors().kL, 1.0f);
  // Shown again, for the operator to correct.
  EXPECT_TRUE(shown("factors"));
  EXPECT_EQ(dialog->focusWidget(), factor("kl"));
  factor("kl")->setText("1.5");
  ASSERT_TRUE(dialog->applyPages());
  EXPECT_EQ(job->colorFormula, Cie1976);
  EXPECT_FLOAT_EQ(parametricFactors().kL, 1.5f);
}

TEST_P(ColorSpaceFormulaDialogTest, AppliesSpaceFormulaAndMetamericConditions) {
  RecordingObserver window;
  job->window = &window;
  openWith(Cie1976);
  selectData(child<QComboBox>(*dialog, "colorSpace"), CieXyz);
  selectData(formula(), MetamericIndex);
  child<QComboBox>(*dialog, "metamericIlluminant1")->setCurrentText("F11");
  child<QComboBox>(*dialog, "metamericIlluminant2")->setCurrentText("C");
  child<QRadioButton>(*dialog, "metamericObserver1_2")->click();
  ASSERT_TRUE(dialog->applyPages());
  EXPECT_EQ(job->colorSpace, CieXyz);
  EXPECT_EQ(job->colorFormula, MetamericIndex);
  EXPECT_EQ(job->metameric.conditions[0].illuminant, F11);
  EXPECT_EQ(job->metameric.conditions[1].illuminant, C);
  EXPECT_EQ(job->metameric.conditions[0].observer, Observer2);
  EXPECT_EQ(job->metameric.conditions[1].observer, Observer10);
  EXPECT_TRUE(job->modified());
  // The tolerance components follow the new pair: ΔY, Δx, Δy for CIE XYZ.
  EXPECT_EQ(Text(job->toleranceB[1].componentLabel), valueLabelRows(CieXyz, false)[3]);
  EXPECT_NE(std::find(window.log.begin(), window.log.end(), "everything"), window.log.end());
  job->window = nullptr;
}

TEST_P(ColorSpaceFormulaDialogTest, MetamericConditionsStayWhenTheGroupsAreHidden) {
  openWith(MetamericIndex);
  child<QComboBox>(*dialog, "metamericIlluminant1")->setCurrentText("F11");
  selectData(formula(), Cie2000);
  ASSERT_TRUE(dialog->applyPages());
  EXPECT_EQ(job->metameric.conditions[0].illuminant, D65);
  EXPECT_EQ(job->colorFormula, Cie2000);
}

TEST_P(ColorSpaceFormulaDialogTest, MetamericGroupsAreNumbered) {
  openWith(MetamericIndex);
  const QString illuminant1 = labelText(Text::Illuminant) + " 1";
  const QString observer2 = labelText(Text::ObserverAngle) + " 2";
  QStringList labels;
  for (auto* l : dialog->findChildren<QLabel*>()) labels << l->text();
  EXPECT_TRUE(labels.contains(illuminant1)) << labels.join('|').toStdString();
  EXPECT_TRUE(labels.contains(observer2));
  EXPECT_EQ(child<QRadioButton>(*dialog, "metamericObserver1_2")->text(),
            ui::text(Text::Observer2Degrees));
}

INSTANTIATE_TEST_SUITE_P(Languages, ColorSpaceFormulaDialogTest,
                         ::testing::Values(English, ChineseSimplified), languageName);

class ObserverIlluminantDialogTest : public LanguageDialogTest {};

TEST_P(ObserverIlluminantDialogTest, ShowsTheJobsConditionsInDisplayOrder) {
  job->illuminants[1] = F12;
  job->observer = Observer2;
  jobManager().currentMeasurementMode = SCI;
  ObserverIlluminantDialog dialog(job.get(), std::nullopt);
  openDialog(dialog);
  EXPECT_EQ(dialog.windowTitle(), labelText(Text::ObserverIlluminantsModeSettings));
  auto* secondary = child<QComboBox>(dialog, "illuminant2");
  ASSERT_EQ(secondary->count(), kIlluminantCount);
  EXPECT_EQ(secondary->itemText(6), "F1");  // F1..F12 after the daylights
  EXPECT_EQ(secondary->currentText(), "F12");
  EXPECT_TRUE(child<QRadioButton>(dialog, "observer2")->isChecked());
  EXPECT_EQ(child<QRadioButton>(dialog, "observer2")->text(), ui::text(Text::Observer2Degrees));
  EXPECT_TRUE(child<QRadioButton>(dialog, "sci")->isChecked());
  EXPECT_TRUE(child<QRadioButton>(dialog, "sce")->isEnabled());
}

TEST_P(ObserverIlluminantDialogTest, ImpliedModeIsShownAndTheOtherGreyed) {
  struct Case {
    std::uint32_t current, implied;
    const char* checked;
    const char* greyed;
  } cases[] = {{SCE, SCI, "sci", "sce"}, {SCI, SCE, "sce", "sci"}};
  for (const Case& c : cases) {
    jobManager().currentMeasurementMode = c.current;
    ObserverIlluminantDialog dialog(job.get(), c.implied);
    openDialog(dialog);
    EXPECT_TRUE(child<QRadioButton>(dialog, c.checked)->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, c.checked)->isEnabled());
    EXPECT_FALSE(child<QRadioButton>(dialog, c.greyed)->isEnabled());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(jobManager().currentMeasurementMode, c.implied);
  }
}

TEST_P(ObserverIlluminantDialogTest, EqualIlluminantsAreAcceptedAndApplied) {
  job->addSample(curveSample("s1"), true);
  job->setModified(false);
  ObserverIlluminantDialog dialog(job.get(), std::nullopt);
  openDialog(dialog);
  child<QComboBox>(dialog, "illuminant1")->setCurrentText("D65");
  child<QComboBox>(dialog, "illuminant2")->setCurrentText("D65");
  child<QComboBox>(dialog, "illuminant3")->setCurrentText("F7");
  child<QRadioButton>(dialog, "observer2")->click();
  child<QRadioButton>(dialog, "sce")->click();
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(job->illuminants[0], D65);
  EXPECT_EQ(job->illuminants[1], D65);
  EXPECT_EQ(job->illuminants[2], F7);
  EXPECT_EQ(job->observer, Observer2);
  EXPECT_EQ(jobManager().currentMeasurementMode, std::uint32_t(SCE));
  EXPECT_TRUE(job->modified());
  EXPECT_EQ(job->table.entries.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Languages, ObserverIlluminantDialogTest,
                         ::testing::Values(English, ChineseTraditional), languageName);

class OtherSettingsDialogTest : public LanguageDialogTest {};

TEST_P(OtherSettingsDialogTest, ShowsAndStoresAccuracyDisplayModeAndAutoSave) {
  job->DataAccuracy = 4;
  std::vector<bool> stored;
  OtherSettingsDialog dialog(job.get(), true, [&](bool on) { stored.push_back(on); });
  openDialog(dialog);
  auto* accuracy = child<QComboBox>(dialog, "dataAccuracy");
  auto* display = child<QComboBox>(dialog, "displayMode");
  auto* autoSave = child<QCheckBox>(dialog, "autoSave");
  EXPECT_EQ(accuracy->currentText(), "4");
  EXPECT_EQ(display->currentIndex(), 0);
  EXPECT_EQ(display->itemText(1), ui::text(Text::TwoIlluminants));
  EXPECT_TRUE(autoSave->isChecked());
  EXPECT_EQ(autoSave->text(), ui::text(Text::SaveChangesOnExit));

  accuracy->setCurrentText("2");
  display->setCurrentIndex(1);  // "2 Illuminant"
  autoSave->setChecked(false);
  QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
  EXPECT_EQ(job->DataAccuracy, 2);
  EXPECT_EQ(job->IlluminantCount, 2u);
  EXPECT_TRUE(job->modified());
  EXPECT_FALSE(dialog.autoSave());
  EXPECT_EQ(stored, std::vector<bool>{false});
}

TEST_P(OtherSettingsDialogTest, CancelChangesNothing) {
  bool called = false;
  OtherSettingsDialog dialog(job.get(), false, [&](bool) { called = true; });
  openDialog(dialog);
  child<QComboBox>(dialog, "displayMode")->setCurrentIndex(2);
  QTest::mouseClick(child<QPushButton>(dialog, "cancel"), Qt::LeftButton);
  EXPECT_EQ(job->IlluminantCount, 1u);
  EXPECT_FALSE(called);
  EXPECT_FALSE(job->modified());
}

INSTANTIATE_TEST_SUITE_P(Languages, OtherSettingsDialogTest,
                         ::testing::Values(English, ChineseSimplified), languageName);

class ReportSettingsDialogTest : public LanguageDialogTest {
 protected:
  void TearDown() override {
    JobManager& m = jobManager();
    m.ChineseName = m.EnglishName = m.ChineseAddress = m.EnglishAddress = "";
    LanguageDialogTest::TearDown();
  }
};

TEST_P(ReportSettingsDialogTest, StoresTheProfileInJobAndManagerEvenEmpty) {
  job->ChineseName = "旧名";
  job->EnglishName = "Old";
  job->PrintChromaticity = true;
  int companyStores = 0;
  ReportSettingsDialog dialog(job.get(), [&] { ++companyStores; });
  openDialog(dialog);
  EXPECT_EQ(child<QLineEdit>(dialog, "chineseName")->text(), QString::fromUtf8("旧名"));
  EXPECT_TRUE(child<QCheckBox>(dialog, "printChromaticity")->isChecked());
  EXPECT_EQ(dialog.focusWidget(), child<QLineEdit>(dialog, "chineseAddress"));
  child<QLineEdit>(dialog, "chineseName")->clear();
  child<QLineEdit>(dialog, "englishAddress")->setText("1 Dye Street");
  child<QCheckBox>(dialog, "printReflectance")->setChecked(true);
  child<QCheckBox>(dialog, "printChromaticity")->setChecked(false);
  QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
  EXPECT_EQ(job->ChineseName, "");
  EXPECT_EQ(job->EnglishName, "Old");
  EXPECT_EQ(job->EnglishAddress, "1 Dye Street");
  EXPECT_EQ(jobManager().ChineseName, "");
  EXPECT_EQ(jobManager().EnglishName, "Old");
  EXPECT_EQ(jobManager().EnglishAddress, "1 Dye Street");
  EXPECT_EQ(companyStores, 1);
  EXPECT_TRUE(job->PrintReflectanceInCumulative);
  EXPECT_FALSE(job->PrintChromaticity);
  EXPECT_TRUE(job->modified());
  EXPECT_EQ(child<QGroupBox>(dialog, "userProfile")->title(), ui::text(Text::UserProfile));
}

INSTANTIATE_TEST_SUITE_P(Languages, ReportSettingsDialogTest,
                         ::testing::Values(English, ChineseTraditional), languageName);

}  // namespace
}  // namespace corvana::testing
