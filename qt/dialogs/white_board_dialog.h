#pragma once
// The instrument's white-board parameters: the inner and outer board numbers
// and the board's reflectance at 400 ... 700 nm, read from the instrument
// when the dialog opens and on request, written back, or saved to a text
// file. A paste into a value field spreads a list of values over the fields
// from there on.
#include <QPointer>
#include <array>
#include <optional>

#include "driver/colorport.h"
#include "instrument/white_board.h"
#include "qt/dialogs/multi_lang_dialog.h"
#include "qt/dialogs/wavelength_fields.h"

class QLineEdit;
class QPushButton;

namespace corvana {

class InstrumentWorker;
class WhiteBoardDataEdit;

class WriteWhiteBoard : public MultiLangDialog {
  Q_OBJECT
 public:
  // Reads the parameters when an instrument is connected; driver calls go
  // through `worker`, the program's one instrument worker.
  WriteWhiteBoard(Job* job, InstrumentWorker& worker, QWidget* parent = nullptr);

  QLineEdit* innerField() const { return inner_; }
  QLineEdit* outerField() const { return outer_; }
  WhiteBoardDataEdit* valueField(int i) const { return values_[std::size_t(i)]; }
  QPushButton* readButton() const { return read_; }
  QPushButton* backupButton() const { return backup_; }
  QPushButton* writeButton() const { return write_; }
  QPushButton* closeButton() const { return close_; }

  WhiteBoardFields fields() const;
  void showFields(const WhiteBoardFields& fields);

  // The buttons: each shows its outcome; a successful write closes the dialog.
  void readFromInstrument();
  void backupToFile();
  void writeToInstrument();

 private:
  // The record, or nothing after the first wrong field was named and focused.
  std::optional<WhiteBoardData> collect();
  void spreadPaste(int field, const QString& text);

  InstrumentWorker& worker_;
  QLineEdit* inner_ = nullptr;
  QLineEdit* outer_ = nullptr;
  std::array<WhiteBoardDataEdit*, kWhiteBoardValues> values_{};
  QPushButton* read_ = nullptr;
  QPushButton* backup_ = nullptr;
  QPushButton* write_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace corvana
