#pragma once
// Entering a standard by hand: its L*, a*, b*, its X, Y, Z or its 31
// reflectances, with a name and a material. Only the chosen mode's fields
// take input; OK adds the standard, selected, or names the first wrong field
// and leaves the dialog open with that field ready for correction.
#include <array>

#include "instrument/hand_entry.h"
#include "qt/dialogs/multi_lang_dialog.h"
#include "qt/dialogs/wavelength_fields.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corvana {

class UploadStandardDialog : public MultiLangDialog {
  Q_OBJECT
 public:
  explicit UploadStandardDialog(Job* job, QWidget* parent = nullptr);

  QComboBox* modeList() const { return mode_; }
  QLineEdit* labField(int i) const { return lab_[std::size_t(i)]; }
  QLineEdit* xyzField(int i) const { return xyz_[std::size_t(i)]; }
  QLineEdit* reflectanceField(int i) const { return reflectance_.fields[std::size_t(i)]; }
  QLineEdit* nameField() const { return name_; }
  QLineEdit* materialField() const { return material_; }
  QLabel* conditionLine() const { return condition_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* closeButton() const { return close_; }

  HandEntryMode mode() const;
  void setMode(HandEntryMode mode);
  HandEntryFields fields() const;

  // OK: adds the standard and closes, or shows why not.
  void accept() override;

 private:
  void enableModeFields();

  QComboBox* mode_ = nullptr;
  std::array<QLineEdit*, 3> lab_{};
  std::array<QLineEdit*, 3> xyz_{};
  WavelengthFields reflectance_;
  QLineEdit* name_ = nullptr;
  QLineEdit* material_ = nullptr;
  QLabel* condition_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace corvana
