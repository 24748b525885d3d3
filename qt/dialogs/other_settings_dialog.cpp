#include "qt/dialogs/other_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "core/job.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
constexpr int kFewestDecimals = 2, kMostDecimals = 4;
}  // namespace

OtherSettingsDialog::OtherSettingsDialog(Job* job, bool autoSave,
                                         std::function<void(bool)> storeAutoSave, QWidget* parent)
    : MultiLangDialog(job, Text::OtherSettings, parent),
      autoSave_(autoSave),
      storeAutoSave_(std::move(storeAutoSave)) {
  auto* accuracyLabel = new QLabel(this);
  accuracy_ = new QComboBox(this);
  accuracy_->setObjectName("dataAccuracy");
  for (int decimals = kFewestDecimals; decimals <= kMostDecimals; ++decimals)
    accuracy_->addItem(QString::number(decimals));
  auto* displayLabel = new QLabel(this);
  displayMode_ = new QComboBox(this);
  displayMode_->setObjectName("displayMode");
  // "1 Illuminant", "2 Illuminant", "3 Illuminant" follow one another.
  for (int count = 1; count <= 3; ++count)
    displayMode_->addItem(ui::text(sequenceText(Text::OneIlluminant, count - 1)));
  if (job) {
    accuracy_->setCurrentIndex(std::clamp(int(job->DataAccuracy), kFewestDecimals, kMostDecimals) -
                               kFewestDecimals);
    displayMode_->setCurrentIndex(std::clamp(int(job->IlluminantCount), 1, 3) - 1);
  }
  // Room for the longest display-mode text in any language.
  displayMode_->setMinimumWidth(fontMetrics().averageCharWidth() * 18);
  accuracyLabel->setBuddy(accuracy_);
  displayLabel->setBuddy(displayMode_);

  auto* saveGroup = new QGroupBox(this);
  saveGroup->setObjectName("saveGroup");
  auto* saveLayout = new QVBoxLayout(saveGroup);
  autoSaveBox_ = new QCheckBox(saveGroup);
  autoSaveBox_->setObjectName("autoSave");
  autoSaveBox_->setChecked(autoSave);
  saveLayout->addWidget(autoSaveBox_);

  QDialogButtonBox* buttons = addOkCancelButtons().box;

  auto* rows = new QFormLayout;
  rows->addRow(accuracyLabel, accuracy_);
  rows->addRow(displayLabel, displayMode_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rows);
  layout->addWidget(saveGroup);
  layout->addStretch(1);
  layout->addWidget(buttons);

  addLabel(accuracyLabel, Text::DataAccuracy);
  addLabel(displayLabel, Text::DisplayMode);
  addLabel(saveGroup, Text::Save);
  addLabel(autoSaveBox_, Text::SaveChangesOnExit);
}

void OtherSettingsDialog::accept() {
  if (Job* j = job()) {
    j->DataAccuracy = std::uint8_t(kFewestDecimals + accuracy_->currentIndex());
    if (j->window) j->window->everythingChanged();
    j->setIlluminantCount(std::uint32_t(displayMode_->currentIndex() + 1));
    j->setModified(true);
  }
  autoSave_ = autoSaveBox_->isChecked();
  if (storeAutoSave_) storeAutoSave_(autoSave_);
  MultiLangDialog::accept();
}

}  // namespace corvana
