#include "qt/dialogs/report_settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/job.h"
#include "core/job_manager.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
enum { ChineseNameField, EnglishNameField, ChineseAddressField, EnglishAddressField };
constexpr Text kFieldLabels[4] = {Text::ChineseName, Text::EnglishName, Text::ChineseAddress,
                                  Text::EnglishAddress};
const char* const kFieldNames[4] = {"chineseName", "englishName", "chineseAddress",
                                    "englishAddress"};

// The four profile texts of a job or of the manager, in field order.
template <typename Holder>
std::array<std::string*, 4> profileOf(Holder& h) {
  return {&h.ChineseName, &h.EnglishName, &h.ChineseAddress, &h.EnglishAddress};
}
}  // namespace

ReportSettingsDialog::ReportSettingsDialog(Job* job, std::function<void()> storeCompany,
                                           QWidget* parent)
    : MultiLangDialog(job, Text::ReportSettings, parent), storeCompany_(std::move(storeCompany)) {
  auto* group = new QGroupBox(this);
  group->setObjectName("userProfile");
  addLabel(group, Text::UserProfile);
  auto* rows = new QFormLayout(group);
  for (int f = 0; f < 4; ++f) {
    auto* label = new QLabel(group);
    profile_[f] = new QLineEdit(group);
    profile_[f]->setObjectName(kFieldNames[f]);
    profile_[f]->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    if (job) profile_[f]->setText(ui::qstr(*profileOf(*job)[f]));
    label->setBuddy(profile_[f]);
    addLabel(label, kFieldLabels[f]);
    rows->addRow(label, profile_[f]);
  }
  reflectance_ = new QCheckBox(this);
  chromaticity_ = new QCheckBox(this);
  reflectance_->setObjectName("printReflectance");
  chromaticity_->setObjectName("printChromaticity");
  if (job) {
    reflectance_->setChecked(job->PrintReflectanceInCumulative);
    chromaticity_->setChecked(job->PrintChromaticity);
  }
  addLabel(reflectance_, Text::PrintReflectanceInCumulative);
  addLabel(chromaticity_, Text::PrintSampleChromaticityInCumulative);
  QDialogButtonBox* buttons = addOkCancelButtons().box;

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(reflectance_);
  layout->addWidget(chromaticity_);
  layout->addStretch(1);
  layout->addWidget(buttons);
  // The form's order is the tab order; the caret starts in the Chinese address.
  profile_[ChineseAddressField]->setFocus();
}

void ReportSettingsDialog::accept() {
  if (Job* j = job()) {
    const auto jobTexts = profileOf(*j);
    const auto managerTexts = profileOf(jobManager());
    for (int f = 0; f < 4; ++f) *jobTexts[f] = *managerTexts[f] = ui::str(profile_[f]->text());
    if (storeCompany_) storeCompany_();
    j->PrintReflectanceInCumulative = reflectance_->isChecked();
    j->PrintChromaticity = chromaticity_->isChecked();
    j->setModified(true);
  }
  MultiLangDialog::accept();
}

}  // namespace corvana
