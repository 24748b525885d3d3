#pragma once
// Tolerance Settings: the job's rectangular limits slot by slot, the judge
// method and the tolerance quotiety.
#include <array>

#include "qt/dialogs/tabbed_dialog.h"

class QComboBox;
class QGroupBox;

namespace corvana {

class LimitSpinEdit;

class RectangularTolerancePage : public DialogPage {
  Q_OBJECT
 public:
  explicit RectangularTolerancePage(Job& job, QWidget* parent = nullptr);

  bool validate() override;
  void apply() override;

  // The illuminant slot shown, -1 when no slot has an illuminant.
  int selectedSlot() const;

 private:
  // Shows the stored limits of the slot; typed values are dropped.
  void fillGroups();

  QComboBox* illuminant_;
  std::array<QGroupBox*, 4> groups_{};
  std::array<LimitSpinEdit*, 4> upper_{};
  std::array<LimitSpinEdit*, 3> lower_{};
  QComboBox* judgeMethod_;
  LimitSpinEdit* quotiety_;
};

class ToleranceDialog : public TabbedDialog {
  Q_OBJECT
 public:
  explicit ToleranceDialog(Job* job, QWidget* parent = nullptr);
};

}  // namespace corvana
