// The job window's instrument commands: the status dialog, calibration and
// the transfers of stored records, average measure and the white board.
#include <QPointer>

#include "instrument/standard_download.h"
#include "qt/child_frame.h"
#include "qt/dialogs/average_measure_dialog.h"
#include "qt/dialogs/calibrate_dialog.h"
#include "qt/dialogs/download_data_dialog.h"
#include "qt/dialogs/instrument_status_dialog.h"
#include "qt/dialogs/white_board_dialog.h"
#include "qt/instrument_worker.h"
#include "qt/main_frame.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"
#include "qt/views/record_list_view.h"

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

void CChildFrame::uploadStoredRecords(RecordList list) {
  DownloadData dialog(job_.get(), list, main_.instrumentWorker(), this);
  connect(&dialog, &DownloadData::recordsAdded, this, [this](RecordList kind) {
    if (kind == RecordList::Standards)
      standardView_->scrollToBottom();
    else
      sampleView_->scrollToBottom();
  });
  dialog.exec();
}

void CChildFrame::downloadStandard() {
  const std::vector<int> selected = standardView_->selectedRecords();
  const std::optional<int> standard =
      selected.empty() ? std::nullopt : std::optional<int>(selected.front());
  if (const Notice notice = downloadSelectionNotice(standard); notice.shown()) {
    ui::showMessage(this, {QString(), ui::qstr(notice.text)});
    return;
  }
  const StandardSampleData data = standardSampleDataOf(job_->standard(*standard));
  main_.instrumentWorker().run<ApiResult>(
      Text::DownloadingStandard, [data] { return writeStandardToInstrument(data); },
      [this, self = QPointer<CChildFrame>(this)](ApiResult r) {
        if (!self) return;
        const Notice notice = downloadResultNotice(r);
        ui::showMessage(this, {QString(), ui::qstr(notice.text),
                               notice.kind == Notice::Information ? ui::MessageIcon::Information
                                                                  : ui::MessageIcon::Stop});
      });
}

void CChildFrame::averageMeasure(RecordList list) {
  AverageMeasureDialog dialog(job_.get(), list, main_.instrumentWorker(), this);
  RecordListView* view = list == RecordList::Standards ? static_cast<RecordListView*>(standardView_)
                                                       : static_cast<RecordListView*>(sampleView_);
  // The new record is the current one: keep it in sight behind the dialog.
  connect(&dialog, &AverageMeasureDialog::recordAdded, view, &RecordListView::scrollToBottom);
  dialog.exec();
}

void CChildFrame::editWhiteBoard() {
  WriteWhiteBoard dialog(job_.get(), main_.instrumentWorker(), this);
  dialog.exec();
}

}  // namespace corvana
