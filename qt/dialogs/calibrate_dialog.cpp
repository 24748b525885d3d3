#include "qt/dialogs/calibrate_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/job_manager.h"
#include "core/settings_location.h"
#include "instrument/connection.h"
#include "qt/instrument_call.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

CalibrateDialog::CalibrateDialog(Job* job, CalibrationKind kind, InstrumentWorker& worker,
                                 QWidget* parent)
    : MultiLangDialog(job, Text::None, parent), kind_(kind), worker_(worker) {
  // The read also brings the model and measurement mode up to date; a failed
  // one leaves the board number empty.
  DeviceInfo info{};
  ApiResult r = API_SUCCESS;
  ui::runInstrumentCall(worker_, Text::ReadingInstrument, [&] { r = readDeviceInfo(info); });
  if (r == API_SUCCESS) spreadInstrumentInformation(info, jobManager(), settingsFilePath());

  prompt_ = new QLabel(ui::qstr(calibrationPrompt(kind, info)), this);
  prompt_->setObjectName("prompt");
  prompt_->setTextFormat(Qt::PlainText);
  prompt_->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
  ok_ = new QPushButton(ui::text(Text::Ok), this);
  ok_->setObjectName("ok");
  ok_->setDefault(true);
  close_ = new QPushButton(ui::text(Text::Close), this);
  close_->setObjectName("close");
  connect(ok_, &QPushButton::clicked, this, &CalibrateDialog::accept);
  connect(close_, &QPushButton::clicked, this, &CalibrateDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addStretch(1);
  layout->addLayout(buttons);
}

QString CalibrateDialog::promptText() const { return prompt_->text(); }

void CalibrateDialog::accept() {
  ApiResult r = API_SUCCESS;
  ui::runInstrumentCall(worker_, Text::Calibrating, [&] { r = calibrate(kind_); });
  const Notice notice = calibrationNotice(r);
  const bool ok = notice.kind == Notice::Information;
  ui::showMessage(this, {ui::productTitle(), ui::qstr(notice.text),
                         ok ? ui::MessageIcon::Information : ui::MessageIcon::Stop});
  if (ok) MultiLangDialog::accept();
}

}  // namespace corvana
