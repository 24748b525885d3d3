// The job window's instrument commands: the status dialog, calibration and
// the white board.
#include "qt/child_frame.h"
#include "qt/dialogs/calibrate_dialog.h"
#include "qt/dialogs/instrument_status_dialog.h"
#include "qt/dialogs/white_board_dialog.h"
#include "qt/main_frame.h"

namespace corvana {

void CChildFrame::showInstrumentStatus() {
  if (!statusDialog_) {
    statusDialog_ = new InstrumentStatusDialog(job_.get(), main_.instrumentWorker(), this);
    statusDialog_->setObjectName("instrumentStatusDialog");
    connect(statusDialog_, &InstrumentStatusDialog::connectionChanged, &main_,
            &CMainFrame::instrumentStateChanged);
  }
  // The application may have learnt since whether it can run a simulator.
  statusDialog_->startSimulator = main_.startSimulator;
  statusDialog_->refresh();
  statusDialog_->show();
  statusDialog_->raise();
  statusDialog_->activateWindow();
}

InstrumentStatusDialog* CChildFrame::instrumentStatusDialog() const { return statusDialog_; }

void CChildFrame::instrumentStateChanged(bool connected) {
  if (statusDialog_) statusDialog_->instrumentStateChanged(connected);
}

void CChildFrame::calibrateInstrument(CalibrationKind kind) {
  CalibrateDialog dialog(job_.get(), kind, main_.instrumentWorker(), this);
  const bool calibrated = dialog.exec() == QDialog::Accepted;
  // The instrument now reports the new calibration; a shown status dialog says so.
  if (calibrated && statusDialog_ && statusDialog_->isVisible()) statusDialog_->refresh();
}

void CChildFrame::editWhiteBoard() {
  WriteWhiteBoard dialog(job_.get(), main_.instrumentWorker(), this);
  dialog.exec();
}

}  // namespace corvana
