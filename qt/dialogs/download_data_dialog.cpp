#include "qt/dialogs/download_data_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/date_time_text.h"
#include "core/job.h"
#include "qt/instrument_call.h"
#include "qt/instrument_worker.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
// Often enough for the bar to move smoothly, seldom enough to cost nothing.
constexpr int kProgressPollMs = 50;
}  // namespace

DownloadData::DownloadData(Job* job, RecordList kind, InstrumentWorker& worker, QWidget* parent)
    : MultiLangDialog(
          job, kind == RecordList::Standards ? Text::UploadStandardToPc : Text::UploadSampleToPc,
          parent),
      kind_(kind),
      worker_(worker) {
  const bool standards = kind == RecordList::Standards;
  setWindowTitle(ui::caption(caption()));
  const auto field = [this](const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    return edit;
  };
  auto* form = new QFormLayout;
  const auto row = [this, form](Text label, QLineEdit* edit) {
    auto* l = new QLabel(labelText(label), this);
    l->setBuddy(edit);
    addLabel(l, label);
    form->addRow(l, edit);
  };
  if (!standards) {
    standardNumber_ = field("standardNumber");
    row(Text::StandardNumber, standardNumber_);
  }
  first_ = field("first");
  row(standards ? Text::StartingStandardNumber : Text::StartingSampleNumber, first_);
  count_ = field("count");
  row(standards ? Text::StandardCount : Text::SampleCount, count_);
  prefix_ = field("prefix");
  row(Text::Prefix, prefix_);
  material_ = field("material");
  if (job) material_->setText(ui::qstr(standards ? job->StandardMaterial : job->SampleMaterial));
  material_->setCursorPosition(0);  // a long material shows its beginning
  row(Text::Material, material_);

  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName("progress");
  progressBar_->setTextVisible(false);
  progressLabel_ = new QLabel(this);
  progressLabel_->setObjectName("progressText");
  // Shown from the first transfer on, then kept with its last state.
  progressBar_->hide();
  progressLabel_->hide();
  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(kProgressPollMs);
  connect(progressTimer_, &QTimer::timeout, this, [this] { showProgress(readTransferProgress()); });
  // Stopped before the worker takes its next call, which may close the device
  // that the progress is read from.
  connect(&worker_, &InstrumentWorker::busyChanged, progressTimer_, [this](bool busy) {
    if (!busy) progressTimer_->stop();
  });

  upload_ = new QPushButton(ui::text(Text::Upload), this);
  upload_->setObjectName("upload");
  upload_->setDefault(true);
  addLabel(upload_, Text::Upload);
  close_ = new QPushButton(ui::text(Text::Close), this);
  close_->setObjectName("close");
  addLabel(close_, Text::Close);
  connect(upload_, &QPushButton::clicked, this, &DownloadData::upload);
  connect(close_, &QPushButton::clicked, this, &DownloadData::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(upload_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(progressBar_);
  layout->addWidget(progressLabel_);
  layout->addStretch(1);
  layout->addLayout(buttons);

  // Tab walks the fields top to bottom, then the buttons.
  QWidget* order[] = {standardNumber_, first_, count_, prefix_, material_, upload_, close_};
  QWidget* previous = nullptr;
  for (QWidget* w : order) {
    if (!w) continue;
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
  (standards ? first_ : standardNumber_)->setFocus();
}

QString DownloadData::progressText() const { return progressLabel_->text(); }

UploadFields DownloadData::fields() const {
  UploadFields f;
  if (standardNumber_) f.standardNumber = ui::str(standardNumber_->text());
  f.first = ui::str(first_->text());
  f.count = ui::str(count_->text());
  f.prefix = ui::str(prefix_->text());
  f.material = ui::str(material_->text());
  return f;
}

void DownloadData::showProgress(const TransferProgress& progress) {
  progressBar_->setRange(0, std::max(progress.requested, 1));
  progressBar_->setValue(std::min(progress.received, progressBar_->maximum()));
  progressLabel_->setText(ui::qstr(transferProgressText(progress)));
}

void DownloadData::upload() {
  const UploadFields typed = fields();
  StoredCount stored;
  ui::runInstrumentCall(worker_, Text::ReadingInstrument, [&] {
    stored = readStoredCount(kind_, fieldInteger(typed.standardNumber));
  });
  if (!stored.connected) {
    ui::showError(this, Text::InstrumentDisconnected);
    return;
  }
  const auto checked = validateUpload(kind_, typed, stored);
  if (const auto* message = std::get_if<std::string>(&checked)) {
    ui::showMessage(this, {windowTitle(), ui::qstr(*message), ui::MessageIcon::Stop});
    return;
  }
  const UploadRange range = std::get<UploadRange>(checked);

  showProgress({0, range.count});
  progressBar_->show();
  progressLabel_->show();
  // The timer runs while the dialog waits: the wait lets painting and timers
  // through, only user input waits.
  progressTimer_->start();
  StoredTransfer transfer;
  ui::runInstrumentCall(worker_, Text::UploadingRecords,
                        [&] { transfer = transferStoredRecords(kind_, range); });
  progressTimer_->stop();
  if (transfer.result == API_SUCCESS || transfer.result == API_TRANSFER_INCOMPLETE)
    showProgress({transfer.arrived, range.count});

  const Notice notice =
      addStoredRecords(*job(), kind_, transfer, typed.prefix, typed.material, currentLocalTime());
  if (!transfer.records.empty() && transfer.result == API_SUCCESS) emit recordsAdded(kind_);
  ui::showMessage(this, {windowTitle(), ui::qstr(notice.text),
                         notice.kind == Notice::Information ? ui::MessageIcon::Information
                                                            : ui::MessageIcon::Stop});
}

}  // namespace corvana
