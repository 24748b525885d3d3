#include "qt/dialogs/naming_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/job.h"
#include "core/naming.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
struct ListRules {
  std::string* rule1;
  std::string* rule2;
  std::string* material;
  bool* autoNaming;
};

ListRules rulesOf(Job& job, RecordList list) {
  if (list == RecordList::Standards)
    return {&job.StandardNameRule1, &job.StandardNameRule2, &job.StandardMaterial,
            &job.autoNamingStandards};
  return {&job.SampleNameRule1, &job.SampleNameRule2, &job.SampleMaterial, &job.autoNamingSamples};
}

// An editable drop-down whose list stays empty.
QComboBox* segmentField(const QString& text, const char* name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setEditText(text);
  return combo;
}

int fieldWidth(const QWidget* w) { return w->fontMetrics().averageCharWidth() * 32; }
}  // namespace

NamingDefaultPage::NamingDefaultPage(Job& job, RecordList list, QWidget* parent)
    : DialogPage(job, parent), list_(list) {
  setObjectName("namingDefaultPage");
  const ListRules rules = rulesOf(job, list);
  auto* firstLabel = new QLabel(this);
  auto* secondLabel = new QLabel(this);
  auto* materialLabel = new QLabel(this);
  first_ = segmentField(ui::qstr(*rules.rule1), "firstSegment", this);
  second_ = segmentField(ui::qstr(*rules.rule2), "secondSegment", this);
  first_->setMinimumWidth(fieldWidth(this));
  material_ = new QLineEdit(ui::qstr(*rules.material), this);
  material_->setObjectName("material");
  autoNaming_ = new QCheckBox(this);
  autoNaming_->setObjectName("autoNaming");
  autoNaming_->setChecked(*rules.autoNaming);
  firstLabel->setBuddy(first_);
  secondLabel->setBuddy(second_);
  materialLabel->setBuddy(material_);
  addLabel(firstLabel, Text::FirstSegment);
  addLabel(secondLabel, Text::SecondSegment);
  addLabel(autoNaming_, Text::AutoNaming);
  addLabel(materialLabel, Text::Material);

  auto* rows = new QFormLayout;
  rows->addRow(firstLabel, first_);
  rows->addRow(secondLabel, second_);
  rows->addRow(materialLabel, material_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rows);
  layout->addWidget(autoNaming_);
  layout->addStretch(1);
}

void NamingDefaultPage::apply() {
  const ListRules rules = rulesOf(job(), list_);
  *rules.rule1 = ui::str(first_->currentText());
  *rules.rule2 = ui::str(second_->currentText());
  *rules.material = ui::str(material_->text());
  *rules.autoNaming = autoNaming_->isChecked();
  job().setModified(true);
}

NamingManualPage::NamingManualPage(Job& job, RecordList list, QWidget* parent)
    : DialogPage(job, parent), list_(list) {
  setObjectName("namingManualPage");
  const ListRules rules = rulesOf(job, list);
  auto* firstLabel = new QLabel(this);
  auto* secondLabel = new QLabel(this);
  auto* materialLabel = new QLabel(this);
  first_ = new QLineEdit(ui::qstr(*rules.rule1), this);
  second_ = new QLineEdit(ui::qstr(*rules.rule2), this);
  material_ = new QLineEdit(ui::qstr(*rules.material), this);
  first_->setObjectName("manualFirstSegment");
  second_->setObjectName("manualSecondSegment");
  material_->setObjectName("manualMaterial");
  first_->setMinimumWidth(fieldWidth(this));
  firstLabel->setBuddy(first_);
  secondLabel->setBuddy(second_);
  materialLabel->setBuddy(material_);
  addLabel(firstLabel, Text::FirstSegment);
  addLabel(secondLabel, Text::SecondSegment);
  addLabel(materialLabel, Text::Material);

  auto* rows = new QFormLayout;
  rows->addRow(firstLabel, first_);
  rows->addRow(secondLabel, second_);
  rows->addRow(materialLabel, material_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rows);
  layout->addStretch(1);
}

void NamingManualPage::apply() {
  name_ = nameFromRules(job(), list_, ui::str(first_->text()), ui::str(second_->text()));
  materialText_ = ui::str(material_->text());
}

NamingDialog::NamingDialog(Job* job, RecordList list, NamingMode mode, QWidget* parent)
    : TabbedDialog(job, Text::NameOption, QStringLiteral("naming"), parent) {
  if (!job) return;
  const bool standards = list == RecordList::Standards;
  if (mode == NamingMode::Measurement) {
    manual_ = new NamingManualPage(*job, list, this);
    addPage(manual_, standards ? Text::Standard : Text::Sample);
  }
  addPage(new NamingDefaultPage(*job, list, this),
          standards ? Text::StandardDefault : Text::SampleDefault);
}

std::string NamingDialog::resultName() const { return manual_ ? manual_->name() : std::string(); }
std::string NamingDialog::resultMaterial() const {
  return manual_ ? manual_->material() : std::string();
}

}  // namespace corvana
