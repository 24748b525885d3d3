#pragma once
// Other Settings: the job's data accuracy and displayed illuminants, and the
// program's auto-save flag.
#include <functional>

#include "qt/dialogs/multi_lang_dialog.h"

class QCheckBox;
class QComboBox;

namespace corvana {

class OtherSettingsDialog : public MultiLangDialog {
  Q_OBJECT
 public:
  // storeAutoSave receives the flag on OK, to keep it and write it to the
  // settings file.
  OtherSettingsDialog(Job* job, bool autoSave, std::function<void(bool)> storeAutoSave,
                      QWidget* parent = nullptr);

  bool autoSave() const { return autoSave_; }
  void accept() override;

 private:
  QComboBox* accuracy_;
  QComboBox* displayMode_;
  QCheckBox* autoSaveBox_;
  bool autoSave_;
  std::function<void(bool)> storeAutoSave_;
};

}  // namespace corvana
