#pragma once
// Color Space && Formula Settings: the job's colour space and formula, the
// parametric factors of CIE 94, CIE 2000 and CMC, and the two conditions of
// the metameric index.
#include <array>

#include "colour/color_space.h"
#include "qt/dialogs/tabbed_dialog.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace corvana {

class ColorSpaceFormulaPage : public DialogPage {
  Q_OBJECT
 public:
  explicit ColorSpaceFormulaPage(Job& job, QWidget* parent = nullptr);

  bool validate() override;
  void apply() override;

  // The formula chosen in the drop-down.
  ColorFormula selectedFormula() const;
  bool factorsShown() const;
  bool metamericShown() const;

 private:
  void formulaChanged();

  QComboBox* space_;
  QComboBox* formula_;
  QWidget* factors_;
  std::array<QLineEdit*, 3> factorEdits_{};
  QWidget* metameric_;
  std::array<QComboBox*, 2> metamericIlluminant_{};
  std::array<QRadioButton*, 2> metamericObserver2_{};
  QString keptKH_;  // what KH read before CMC greyed it
};

class ColorSpaceFormulaDialog : public TabbedDialog {
  Q_OBJECT
 public:
  explicit ColorSpaceFormulaDialog(Job* job, QWidget* parent = nullptr);
};

}  // namespace corvana
