#pragma once
// Tolerance Settings: the job's rectangular limits slot by slot, the judge
// method and the tolerance quotiety. What is typed for each illuminant is
// kept while the dialog is open and applied, each slot checked, by OK.
#include <array>
#include <vector>

#include "core/tolerance_drafts.h"
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
  // Keeps what the shown slot's fields read, then shows the selected slot.
  void showSelectedSlot();
  void keepShownTexts();
  // The slots listed in the illuminant drop-down.
  std::vector<int> availableSlots() const;
  LimitSpinEdit* fieldEdit(LimitField field) const;

  ToleranceDrafts drafts_;
  int shownSlot_ = -1;
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
