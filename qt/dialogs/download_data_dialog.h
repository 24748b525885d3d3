#pragma once
// Upload Standard / Sample to PC: a range of the records stored in the
// instrument, copied into the job. The dialog stays open for further uploads;
// a transfer shows how many records have arrived while it runs.
#include "core/job_observer.h"
#include "instrument/stored_records.h"
#include "qt/dialogs/multi_lang_dialog.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace corvana {

class InstrumentWorker;

class DownloadData : public MultiLangDialog {
  Q_OBJECT
 public:
  // Driver calls go through `worker`, the program's one instrument worker.
  DownloadData(Job* job, RecordList kind, InstrumentWorker& worker, QWidget* parent = nullptr);

  RecordList kind() const { return kind_; }
  // Null when uploading standards.
  QLineEdit* standardNumberEdit() const { return standardNumber_; }
  QLineEdit* firstEdit() const { return first_; }
  QLineEdit* countEdit() const { return count_; }
  QLineEdit* prefixEdit() const { return prefix_; }
  QLineEdit* materialEdit() const { return material_; }
  QPushButton* uploadButton() const { return upload_; }
  QPushButton* closeButton() const { return close_; }
  QProgressBar* progressBar() const { return progressBar_; }
  QString progressText() const;

  // The Upload button: count, checks, transfer, records into the job.
  void upload();

 signals:
  // Records were added to the job's list of this kind.
  void recordsAdded(RecordList kind);

 private:
  UploadFields fields() const;
  void showProgress(const TransferProgress& progress);

  RecordList kind_;
  InstrumentWorker& worker_;
  QLineEdit* standardNumber_ = nullptr;
  QLineEdit* first_ = nullptr;
  QLineEdit* count_ = nullptr;
  QLineEdit* prefix_ = nullptr;
  QLineEdit* material_ = nullptr;
  QPushButton* upload_ = nullptr;
  QPushButton* close_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QLabel* progressLabel_ = nullptr;
  QTimer* progressTimer_ = nullptr;
};

}  // namespace corvana
