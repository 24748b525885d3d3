#pragma once
// Report Settings: the user profile printed on reports and the two options
// of the cumulative colour-difference report.
#include <array>
#include <functional>

#include "qt/dialogs/multi_lang_dialog.h"

class QCheckBox;
class QLineEdit;

namespace corvana {

class ReportSettingsDialog : public MultiLangDialog {
  Q_OBJECT
 public:
  // storeCompany writes the JobManager's profile to the settings file.
  ReportSettingsDialog(Job* job, std::function<void()> storeCompany, QWidget* parent = nullptr);

  void accept() override;

 private:
  // Chinese name, English name, Chinese address, English address.
  std::array<QLineEdit*, 4> profile_{};
  QCheckBox* reflectance_;
  QCheckBox* chromaticity_;
  std::function<void()> storeCompany_;
};

}  // namespace corvana
