#include "qt/dialogs/observer_illuminant_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "colour/spectral.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "qt/ui_text.h"

namespace corvana {

ObserverIlluminantPage::ObserverIlluminantPage(Job& job, std::optional<std::uint32_t> impliedMode,
                                               QWidget* parent)
    : DialogPage(job, parent) {
  setObjectName("observerIlluminantPage");
  auto* illuminantGroup = new QGroupBox(this);
  illuminantGroup->setObjectName("illuminantsGroup");
  addLabel(illuminantGroup, Text::Illuminants);
  auto* illuminantRows = new QFormLayout(illuminantGroup);
  for (int slot = 0; slot < 3; ++slot) {
    auto* label = new QLabel(illuminantGroup);
    auto* combo = new QComboBox(illuminantGroup);
    combo->setObjectName(QString("illuminant%1").arg(slot + 1));
    for (const IlluminantInfo& info : illuminantList())
      combo->addItem(QString::fromLatin1(info.name));
    combo->setCurrentText(ui::qstr(std::string(illuminantName(job.illuminants[slot]))));
    label->setBuddy(combo);
    // "Primary:", "Secondary:", "Tertiary:" follow one another.
    addLabel(label, sequenceText(Text::PrimaryIlluminantLabel, slot));
    illuminantRows->addRow(label, combo);
    illuminants_[slot] = combo;
  }

  auto* observerGroup = new QGroupBox(this);
  observerGroup->setObjectName("observerGroup");
  addLabel(observerGroup, Text::ObserverAngle);
  auto* observerRow = new QHBoxLayout(observerGroup);
  observer2_ = new QRadioButton(observerGroup);
  observer10_ = new QRadioButton(observerGroup);
  observer2_->setObjectName("observer2");
  observer10_->setObjectName("observer10");
  addLabel(observer2_, observerTextRow(Observer2));
  addLabel(observer10_, observerTextRow(Observer10));
  (job.observer == Observer2 ? observer2_ : observer10_)->setChecked(true);
  observerRow->addWidget(observer2_);
  observerRow->addWidget(observer10_);
  observerRow->addStretch(1);

  auto* modeGroup = new QGroupBox(this);
  modeGroup->setObjectName("measurementModeGroup");
  addLabel(modeGroup, Text::MeasurementMode);
  auto* modeRow = new QHBoxLayout(modeGroup);
  sci_ = new QRadioButton(ui::qstr(std::string(measurementModeText(SCI))), modeGroup);
  sce_ = new QRadioButton(ui::qstr(std::string(measurementModeText(SCE))), modeGroup);
  sci_->setObjectName("sci");
  sce_->setObjectName("sce");
  const std::uint32_t shown = impliedMode.value_or(jobManager().currentMeasurementMode);
  (shown == SCE ? sce_ : sci_)->setChecked(true);
  if (impliedMode) (shown == SCE ? sci_ : sce_)->setEnabled(false);
  modeRow->addWidget(sci_);
  modeRow->addWidget(sce_);
  modeRow->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(illuminantGroup);
  layout->addWidget(observerGroup);
  layout->addWidget(modeGroup);
  layout->addStretch(1);
}

void ObserverIlluminantPage::apply() {
  Job& j = job();
  jobManager().currentMeasurementMode = sce_->isChecked() ? SCE : SCI;
  // Two equal illuminants are accepted as they are.
  for (int slot = 0; slot < 3; ++slot)
    if (const auto code = illuminantFromText(ui::str(illuminants_[slot]->currentText())))
      j.illuminants[slot] = *code;
  j.observer = observer2_->isChecked() ? Observer2 : Observer10;
  j.setModified(true);
  j.recomputeAll();
}

ObserverIlluminantDialog::ObserverIlluminantDialog(Job* job,
                                                   std::optional<std::uint32_t> impliedMode,
                                                   QWidget* parent)
    : TabbedDialog(job, Text::ObserverIlluminantsModeSettings,
                   QStringLiteral("observerIlluminants"), parent) {
  if (job) addPage(new ObserverIlluminantPage(*job, impliedMode, this), Text::Select);
}

}  // namespace corvana
