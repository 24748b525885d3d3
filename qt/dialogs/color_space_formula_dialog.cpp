#include "qt/dialogs/color_space_formula_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "colour/color_space.h"
#include "colour/parametric_factors.h"
#include "colour/spectral.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "core/number_text.h"
#include "core/parametric_factor_rules.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
QString numbered(Text text, int number) {
  return QString("%1 %2").arg(labelText(text)).arg(number);
}

QString factorText(float value) { return ui::qstr(formatFixed62(value)); }

float fieldNumber(const QLineEdit* edit) { return float(parseNumber(ui::str(edit->text()))); }
}  // namespace

ColorSpaceFormulaPage::ColorSpaceFormulaPage(Job& job, QWidget* parent) : DialogPage(job, parent) {
  setObjectName("colorSpaceFormulaPage");
  auto* spaceLabel = new QLabel(this);
  space_ = new QComboBox(this);
  space_->setObjectName("colorSpace");
  for (ColorSpace code : colorSpaceOrder())
    space_->addItem(ui::qstr(colorSpaceText(code)), int(code));
  space_->setCurrentIndex(space_->findData(int(job.colorSpace)));

  auto* formulaLabel = new QLabel(this);
  formula_ = new QComboBox(this);
  formula_->setObjectName("colorFormula");
  for (ColorFormula code : colorFormulaOrder())
    formula_->addItem(ui::qstr(colorFormulaText(code)), int(code));
  formula_->setCurrentIndex(formula_->findData(int(job.colorFormula)));
  spaceLabel->setBuddy(space_);
  formulaLabel->setBuddy(formula_);
  addLabel(spaceLabel, Text::ColorSpace);
  addLabel(formulaLabel, Text::ColorFormula);

  auto* choices = new QFormLayout;
  choices->addRow(spaceLabel, space_);
  choices->addRow(formulaLabel, formula_);

  factors_ = new QWidget(this);
  factors_->setObjectName("factors");
  auto* factorRows = new QFormLayout(factors_);
  factorRows->setContentsMargins(0, 0, 0, 0);
  const ParametricFactors& k = parametricFactors();
  const float values[kParametricFactorCount] = {k.kL, k.kC, k.kH};
  static const char* const names[kParametricFactorCount] = {"kl", "kc", "kh"};
  for (int f = 0; f < kParametricFactorCount; ++f) {
    auto* label = new QLabel(factors_);
    factorEdits_[f] = new QLineEdit(factorText(values[f]), factors_);
    factorEdits_[f]->setObjectName(names[f]);
    label->setBuddy(factorEdits_[f]);
    addLabel(label, factorLimits(f).name);
    factorRows->addRow(label, factorEdits_[f]);
  }
  keptKH_ = factorEdits_[FactorKH]->text();

  metameric_ = new QWidget(this);
  metameric_->setObjectName("metameric");
  auto* conditions = new QHBoxLayout(metameric_);
  conditions->setContentsMargins(0, 0, 0, 0);
  for (int c = 0; c < 2; ++c) {
    auto* group = new QGroupBox(metameric_);
    group->setObjectName(QString("metamericCondition%1").arg(c + 1));
    auto* rows = new QFormLayout(group);
    auto* illuminant = new QComboBox(group);
    illuminant->setObjectName(QString("metamericIlluminant%1").arg(c + 1));
    for (const IlluminantInfo& info : illuminantList())
      illuminant->addItem(QString::fromLatin1(info.name));
    illuminant->setCurrentText(
        ui::qstr(std::string(illuminantName(job.metameric.conditions[c].illuminant))));
    metamericIlluminant_[c] = illuminant;
    auto* observers = new QWidget(group);
    auto* observerRow = new QHBoxLayout(observers);
    observerRow->setContentsMargins(0, 0, 0, 0);
    auto* two = new QRadioButton(observers);
    auto* ten = new QRadioButton(observers);
    two->setObjectName(QString("metamericObserver%1_2").arg(c + 1));
    ten->setObjectName(QString("metamericObserver%1_10").arg(c + 1));
    addLabel(two, observerTextRow(Observer2));
    addLabel(ten, observerTextRow(Observer10));
    (job.metameric.conditions[c].observer == Observer2 ? two : ten)->setChecked(true);
    metamericObserver2_[c] = two;
    observerRow->addWidget(two);
    observerRow->addWidget(ten);
    observerRow->addStretch(1);
    rows->addRow(numbered(Text::Illuminant, c + 1), illuminant);
    rows->addRow(numbered(Text::ObserverAngle, c + 1), observers);
    conditions->addWidget(group);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(factors_);
  layout->addWidget(metameric_);
  layout->addStretch(1);

  connect(formula_, &QComboBox::currentIndexChanged, this, &ColorSpaceFormulaPage::formulaChanged);
  formulaChanged();
}

// The list holds only formula codes; no selection reads as code 0.
ColorFormula ColorSpaceFormulaPage::selectedFormula() const {
  return colorFormulaFromCode(formula_->currentData().toInt()).value_or(Cie1976);
}
bool ColorSpaceFormulaPage::factorsShown() const {
  return usesParametricFactors(selectedFormula());
}
bool ColorSpaceFormulaPage::metamericShown() const { return selectedFormula() == MetamericIndex; }

void ColorSpaceFormulaPage::formulaChanged() {
  factors_->setVisible(factorsShown());
  metameric_->setVisible(metamericShown());
  QLineEdit* kh = factorEdits_[FactorKH];
  if (hasFixedKH(selectedFormula())) {
    if (kh->isEnabled()) keptKH_ = kh->text();
    kh->setText(factorText(1.0f));
    kh->setEnabled(false);
  } else if (!kh->isEnabled()) {
    kh->setText(keptKH_);
    kh->setEnabled(true);
  }
}

bool ColorSpaceFormulaPage::validate() {
  if (!validatesParametricFactors(selectedFormula(), job().colorFormula)) return true;
  for (int f = 0; f < kParametricFactorCount; ++f) {
    if (factorInRange(f, fieldNumber(factorEdits_[f]))) continue;
    // A factor typed before the change to a formula without factors would
    // still be stored: show it so the operator can correct it.
    factors_->setVisible(true);
    return refuse(factorEdits_[f], {ui::productTitle(), ui::qstr(factorRangeMessage(f))});
  }
  return true;
}

void ColorSpaceFormulaPage::apply() {
  Job& j = job();
  if (storesParametricFactors(selectedFormula(), j.colorFormula)) {
    ParametricFactors& k = parametricFactors();
    k.kL = fieldNumber(factorEdits_[FactorKL]);
    k.kC = fieldNumber(factorEdits_[FactorKC]);
    k.kH = fieldNumber(factorEdits_[FactorKH]);
  }
  const auto space = colorSpaceFromText(ui::str(space_->currentText()));
  const auto formula = colorFormulaFromText(ui::str(formula_->currentText()));
  if (!space || !formula) return;
  if (metamericShown()) {
    for (int c = 0; c < 2; ++c) {
      Condition& condition = j.metameric.conditions[c];
      condition.illuminant =
          illuminantFromText(ui::str(metamericIlluminant_[c]->currentText())).value_or(D65);
      condition.observer = metamericObserver2_[c]->isChecked() ? Observer2 : Observer10;
    }
  }
  j.colorSpace = *space;
  j.setColorFormula(*formula);
  j.recomputeAll();
  j.setModified(true);
}

ColorSpaceFormulaDialog::ColorSpaceFormulaDialog(Job* job, QWidget* parent)
    : TabbedDialog(job, Text::ColorSpaceFormulaSettings, QStringLiteral("colorSpaceFormula"),
                   parent) {
  if (job) addPage(new ColorSpaceFormulaPage(*job, this), Text::Select);
}

}  // namespace corvana
