#pragma once
// Observer && Illuminants && Measurement Mode Settings: the job's three
// illuminants and observer, and the measurement mode of later measurements.
#include <array>
#include <cstdint>
#include <optional>

#include "qt/dialogs/tabbed_dialog.h"

class QComboBox;
class QRadioButton;

namespace corvana {

class ObserverIlluminantPage : public DialogPage {
  Q_OBJECT
 public:
  // impliedMode: the mode the instrument model implies, if any; then only
  // that choice is offered.
  ObserverIlluminantPage(Job& job, std::optional<std::uint32_t> impliedMode,
                         QWidget* parent = nullptr);

  void apply() override;

 private:
  std::array<QComboBox*, 3> illuminants_{};
  QRadioButton* observer2_;
  QRadioButton* observer10_;
  QRadioButton* sci_;
  QRadioButton* sce_;
};

class ObserverIlluminantDialog : public TabbedDialog {
  Q_OBJECT
 public:
  ObserverIlluminantDialog(Job* job, std::optional<std::uint32_t> impliedMode,
                           QWidget* parent = nullptr);
};

}  // namespace corvana
