#pragma once
// Average Measure: the same specimen measured several times, a fixed number
// of times or until Average End, and one record added whose curve is the mean.
// Each measurement runs on the program's instrument worker, so the windows
// keep painting; the dialog's buttons wait meanwhile.
#include "instrument/averaging.h"
#include "instrument/measurement.h"
#include "qt/dialogs/multi_lang_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corvana {

class AverageDrawing;
class InstrumentWorker;

class AverageMeasureDialog : public MultiLangDialog {
  Q_OBJECT
 public:
  // Works on `job` (none: the dialog never shows); `list` is the list the
  // record goes to. Driver calls go through `worker`.
  AverageMeasureDialog(Job* job, RecordList list, InstrumentWorker& worker,
                       QWidget* parent = nullptr);

  const AverageRun& run() const { return run_; }
  QComboBox* countList() const { return count_; }
  QPushButton* toggleButton() const { return toggle_; }
  QLineEdit* nameField() const { return name_; }
  QLineEdit* materialField() const { return material_; }
  QPushButton* measureButton() const { return measure_; }
  QPushButton* closeButton() const { return close_; }
  AverageDrawing* drawing() const { return drawing_; }

  // "Measure": one measurement into the run, asked of the instrument on the
  // worker; its result is averaged in when it arrives.
  void measure();
  // Close and Esc: a measurement in flight is waited for (and counted) first;
  // an unfinished run is dropped.
  void reject() override;

 signals:
  // A finished run's record is in the job.
  void recordAdded();

 protected:
  void textsApplied() override;

 private:
  void chooseCount(int index);
  void toggle();
  void measured(const MeasureReading& reading);
  void finish();
  void updateControls();
  void redraw();

  InstrumentWorker& worker_;
  AverageRun run_;
  QLabel* countLabel_ = nullptr;
  QComboBox* count_ = nullptr;
  QPushButton* toggle_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLabel* materialLabel_ = nullptr;
  QLineEdit* material_ = nullptr;
  AverageDrawing* drawing_ = nullptr;
  QPushButton* measure_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace corvana
