#include "qt/dialogs/instrument_status_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/job.h"
#include "core/job_manager.h"
#include "core/settings_location.h"
#include "instrument/connection.h"
#include "instrument/port_access.h"
#include "qt/instrument_call.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
constexpr Text kRowLabels[InstrumentStatusDialog::RowCount] = {
    Text::InstrumentModel, Text::TerminalVersion, Text::BlackCalibration, Text::WhiteCalibration,
    Text::Total,           Text::StoredStandards, Text::StoredSamples,    Text::WhiteBoardNumber};
constexpr const char* kRowNames[InstrumentStatusDialog::RowCount] = {
    "model", "terminalVersion", "blackCalibration", "whiteCalibration",
    "total", "storedStandards", "storedSamples",    "whiteBoardNumber"};

// Reads the information off the UI thread; on success the model and its
// measurement mode spread into the program. A failure leaves `info` zero.
void readInformation(InstrumentWorker& worker, DeviceInfo& info) {
  ApiResult r = API_SUCCESS;
  ui::runInstrumentCall(worker, Text::ReadingInstrument, [&] { r = readDeviceInfo(info); });
  if (r == API_SUCCESS) spreadInstrumentInformation(info, jobManager(), settingsFilePath());
}
}  // namespace

InstrumentStatusDialog::InstrumentStatusDialog(Job* job, InstrumentWorker& worker, QWidget* parent)
    : MultiLangDialog(job, Text::None, parent), worker_(worker) {
  setModal(false);
  connection_ = new QLabel(this);
  connection_->setObjectName("connection");
  auto* grid = new QGridLayout;
  grid->setColumnStretch(1, 1);
  grid->setHorizontalSpacing(12);
  for (int row = 0; row < RowCount; ++row) {
    labels_[row] = new QLabel(this);
    values_[row] = new QLabel(this);
    values_[row]->setObjectName(QLatin1String(kRowNames[row]));
    values_[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for a model or board number without the dialog growing as they come.
    values_[row]->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    grid->addWidget(labels_[row], row, 0);
    grid->addWidget(values_[row], row, 1);
  }
  connect_ = new QPushButton(this);
  connect_->setObjectName("connect");
  close_ = new QPushButton(this);
  close_->setObjectName("close");
  close_->setDefault(true);
  connect(connect_, &QPushButton::clicked, this, &InstrumentStatusDialog::connectInstrument);
  connect(close_, &QPushButton::clicked, this, &QDialog::hide);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(connect_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(connection_);
  layout->addLayout(grid);
  layout->addStretch(1);
  layout->addLayout(buttons);
  relabel();
}

void InstrumentStatusDialog::relabel() {
  setWindowTitle(ui::productTitle());
  for (int row = 0; row < RowCount; ++row) labels_[row]->setText(labelText(kRowLabels[row]));
  connect_->setText(ui::text(Text::Connect));
  close_->setText(ui::text(Text::Close));
  // The connection line and the calibration texts are words of the language.
  showInfo(info_);
}

void InstrumentStatusDialog::refresh() {
  DeviceInfo info{};
  readInformation(worker_, info);
  showInfo(info);
}

void InstrumentStatusDialog::instrumentStateChanged(bool connected) {
  if (connected)
    refresh();
  else
    showInfo(DeviceInfo{});
}

void InstrumentStatusDialog::connectInstrument() {
  if (connectNeedsReconnectQuestion()) {
    const auto answer =
        ui::showMessage(this, {ui::productTitle(), ui::text(Text::ReconnectQuestion),
                               ui::MessageIcon::Question, QMessageBox::Ok | QMessageBox::Cancel});
    if (answer != QMessageBox::Ok) return;
  }
  const bool wasConnected = instrumentConnected();
  ApiResult r = openInstrument();
  if (r != API_SUCCESS) {
    QString failure = ui::qstr(connectFailureText(r, portsDeniedToUser()));
    if (r == API_DEVICE_NOT_FOUND && startSimulator) {
      // Nothing plugged in: the simulated instrument can stand in for it.
      const auto answer = ui::showMessage(
          this, {ui::productTitle(), failure + "\n\n" + ui::text(Text::OfferSimulator),
                 ui::MessageIcon::Question, QMessageBox::Yes | QMessageBox::No});
      if (answer == QMessageBox::Yes) {
        if (startSimulator())
          r = openInstrument();
        else
          ui::showError(this, Text::SimulatorStartFailed);
      }
    } else {
      ui::showMessage(this, {ui::productTitle(), failure, ui::MessageIcon::Stop});
    }
  }
  // A re-connect closes first, so even a failure may have changed the state.
  if (r == API_SUCCESS || wasConnected) emit connectionChanged(instrumentConnected());
}

ApiResult InstrumentStatusDialog::openInstrument() {
  ApiResult r = API_SUCCESS;
  ui::runInstrumentCall(worker_, Text::Connecting, [&] { r = corvana::connectInstrument(); });
  DeviceInfo info{};
  if (r == API_SUCCESS) readInformation(worker_, info);
  showInfo(info);
  return r;
}

void InstrumentStatusDialog::showInfo(const DeviceInfo& info) {
  info_ = info;
  const bool connected = instrumentConnected();
  const InstrumentStatusTexts t = instrumentStatusTexts(info, connected);
  connection_->setText(ui::qstr(t.connection));
  const std::string* values[RowCount] = {
      &t.model, &t.terminalVersion, &t.blackCalibration, &t.whiteCalibration,
      &t.total, &t.storedStandards, &t.storedSamples,    &t.whiteBoardNumber};
  for (int row = 0; row < RowCount; ++row) values_[row]->setText(ui::qstr(*values[row]));
  // A record that could not be read leaves the job's instrument as it was.
  if (connected && job() && info.model[0] != 0) giveModelToJob(*job(), info);
}

QString InstrumentStatusDialog::connectionText() const { return connection_->text(); }

QString InstrumentStatusDialog::value(Row row) const { return values_[row]->text(); }

}  // namespace corvana
