#pragma once
// Black or white calibration: what to put on the port, the white board's
// number, and OK to calibrate. A failure keeps the dialog open so the
// operator can correct the reference and try again.
#include "instrument/calibration.h"
#include "qt/dialogs/multi_lang_dialog.h"

class QLabel;
class QPushButton;

namespace corvana {

class InstrumentWorker;

class CalibrateDialog : public MultiLangDialog {
  Q_OBJECT
 public:
  // Reads the instrument's information for the board number.
  // Driver calls go through `worker`, the program's one instrument worker.
  CalibrateDialog(Job* job, CalibrationKind kind, InstrumentWorker& worker,
                  QWidget* parent = nullptr);

  CalibrationKind kind() const { return kind_; }
  QString promptText() const;
  QPushButton* okButton() const { return ok_; }
  QPushButton* closeButton() const { return close_; }

  // OK: calibrates, then closes on success.
  void accept() override;

 private:
  CalibrationKind kind_;
  InstrumentWorker& worker_;
  QLabel* prompt_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace corvana
