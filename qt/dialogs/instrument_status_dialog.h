#pragma once
// The instrument status dialog of a job window: the connection, the
// instrument's model, version, calibrations and stored counts, and Connect.
// Modeless; the job window keeps it once made and shows it again on request.
#include <array>
#include <functional>

#include "driver/colorport.h"
#include "qt/dialogs/multi_lang_dialog.h"

class QLabel;
class QPushButton;

namespace corvana {

class InstrumentWorker;

class InstrumentStatusDialog : public MultiLangDialog {
  Q_OBJECT
 public:
  // The rows below the connection line, top to bottom.
  enum Row {
    Model,
    TerminalVersion,
    BlackCalibration,
    WhiteCalibration,
    Total,
    StoredStandards,
    StoredSamples,
    WhiteBoardNumber,
    RowCount
  };

  // Driver calls go through `worker`, the program's one instrument worker.
  InstrumentStatusDialog(Job* job, InstrumentWorker& worker, QWidget* parent = nullptr);

  // Reads the instrument's information and shows it (a failed read shows
  // zero values; unconnected, the values are empty).
  void refresh();
  // The instrument was connected (read and show) or disconnected (empty values).
  void instrumentStateChanged(bool connected);
  // Every text in the current language.
  void relabel();
  // Connect: asks before re-connecting, then opens the instrument the driver finds.
  void connectInstrument();

  // Starts the simulated instrument and points the driver at it, true when
  // it came up; set while the program can run one. Connect then offers it
  // when no instrument is found.
  std::function<bool()> startSimulator;

  QString connectionText() const;
  QString value(Row row) const;
  QPushButton* connectButton() const { return connect_; }
  QPushButton* closeButton() const { return close_; }

 signals:
  // After Connect opened or closed the connection; the main window tells
  // every job window.
  void connectionChanged(bool connected);

 private:
  InstrumentWorker& worker_;
  // Opens the instrument the driver finds and shows what it reports.
  ApiResult openInstrument();
  void showInfo(const DeviceInfo& info);

  QLabel* connection_ = nullptr;
  std::array<QLabel*, RowCount> labels_{};
  std::array<QLabel*, RowCount> values_{};
  QPushButton* connect_ = nullptr;
  QPushButton* close_ = nullptr;
  DeviceInfo info_{};
};

}  // namespace corvana
