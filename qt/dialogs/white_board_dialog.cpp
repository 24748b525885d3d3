#include "qt/dialogs/white_board_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

#include "instrument/connection.h"
#include "qt/dialogs/white_board_data_edit.h"
#include "qt/file_dialogs.h"
#include "qt/instrument_call.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
void showNotice(QWidget* parent, const Notice& notice) {
  ui::showMessage(parent, {ui::productTitle(), ui::qstr(notice.text),
                           notice.kind == Notice::Information ? ui::MessageIcon::Information
                                                              : ui::MessageIcon::Stop});
}
}  // namespace

WriteWhiteBoard::WriteWhiteBoard(Job* job, InstrumentWorker& worker, QWidget* parent)
    : MultiLangDialog(job, Text::WriteWhiteBoardData, parent), worker_(worker) {
  if (!job) return;
  setObjectName("writeWhiteBoard");

  auto* innerLabel = new QLabel(this);
  auto* outerLabel = new QLabel(this);
  inner_ = new QLineEdit(this);
  outer_ = new QLineEdit(this);
  inner_->setObjectName("inner");
  outer_->setObjectName("outer");
  inner_->setMinimumWidth(inner_->fontMetrics().averageCharWidth() * (kMaxBoardNumberLength + 4));
  innerLabel->setBuddy(inner_);
  outerLabel->setBuddy(outer_);
  addLabel(innerLabel, Text::InnerWhiteBoardNumber);
  addLabel(outerLabel, Text::OuterWhiteBoardNumber);

  const WavelengthFields grid = makeWavelengthFields(
      this, QStringLiteral("value"),
      [](QWidget* parent) -> QLineEdit* { return new WhiteBoardDataEdit(parent); });
  addLabel(grid.group, Text::Reflectance);
  for (int i = 0; i < kWhiteBoardValues; ++i) {
    auto* field = static_cast<WhiteBoardDataEdit*>(grid.fields[std::size_t(i)]);
    values_[std::size_t(i)] = field;
    connect(field, &WhiteBoardDataEdit::listPasted, this,
            [this, i](const QString& text) { spreadPaste(i, text); });
  }

  const auto button = [this](const char* name, Text text) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    // Enter in a field never writes to the instrument by accident.
    b->setAutoDefault(false);
    addLabel(b, text);
    return b;
  };
  read_ = button("read", Text::ReadFromInstrument);
  backup_ = button("backup", Text::BackupToFile);
  write_ = button("write", Text::Write);
  close_ = button("close", Text::Close);
  connect(read_, &QPushButton::clicked, this, &WriteWhiteBoard::readFromInstrument);
  connect(backup_, &QPushButton::clicked, this, &WriteWhiteBoard::backupToFile);
  connect(write_, &QPushButton::clicked, this, &WriteWhiteBoard::writeToInstrument);
  connect(close_, &QPushButton::clicked, this, &WriteWhiteBoard::reject);

  auto* numbers = new QFormLayout;
  numbers->addRow(innerLabel, inner_);
  numbers->addRow(outerLabel, outer_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(read_);
  buttons->addWidget(backup_);
  buttons->addStretch(1);
  buttons->addWidget(write_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(numbers);
  layout->addWidget(grid.group);
  layout->addLayout(buttons);

  setTabOrder(inner_, outer_);
  setTabOrder(outer_, values_.front());
  setTabOrder(values_.back(), read_);
  setTabOrder(read_, backup_);
  setTabOrder(backup_, write_);
  setTabOrder(write_, close_);
  inner_->setFocus();

  // What the instrument holds is the starting point; without an instrument
  // the fields start empty and Read from Instrument says why.
  if (instrumentConnected()) readFromInstrument();
}

WhiteBoardFields WriteWhiteBoard::fields() const {
  WhiteBoardFields f;
  f.inner = ui::str(inner_->text());
  f.outer = ui::str(outer_->text());
  for (std::size_t i = 0; i < f.values.size(); ++i) f.values[i] = ui::str(values_[i]->text());
  return f;
}

void WriteWhiteBoard::showFields(const WhiteBoardFields& f) {
  inner_->setText(ui::qstr(f.inner));
  outer_->setText(ui::qstr(f.outer));
  for (std::size_t i = 0; i < f.values.size(); ++i) values_[i]->setText(ui::qstr(f.values[i]));
}

void WriteWhiteBoard::readFromInstrument() {
  WhiteBoardData data = {};
  ApiResult r = API_SUCCESS;
  ui::runInstrumentCall(worker_, Text::ReadingWhiteBoard, [&] { r = readWhiteBoard(data); });
  const Notice notice = readWhiteBoardNotice(r);
  if (notice.shown()) {
    showNotice(this, notice);
    return;
  }
  showFields(whiteBoardFieldsOf(data));
}

std::optional<WhiteBoardData> WriteWhiteBoard::collect() {
  const WhiteBoardFields f = fields();
  if (const std::optional<WhiteBoardFault> fault = firstWhiteBoardFault(f)) {
    ui::showMessage(this, {ui::productTitle(), ui::qstr(fault->message)});
    QLineEdit* field = fault->field == WhiteBoardFault::Inner ? inner_
                       : fault->field == WhiteBoardFault::Outer
                           ? outer_
                           : values_[std::size_t(fault->value)];
    field->setFocus();
    field->selectAll();
    return std::nullopt;
  }
  return std::get<WhiteBoardData>(collectWhiteBoard(f));
}

void WriteWhiteBoard::backupToFile() {
  const std::optional<WhiteBoardData> data = collect();
  if (!data) return;
  const QString path = ui::askSaveTextPath(this, ui::qstr(whiteBoardBackupName(*data)));
  if (path.isEmpty()) return;
  const std::string failure = writeWhiteBoardBackup(ui::str(path), *data);
  if (!failure.empty()) ui::showMessage(this, {ui::productTitle(), ui::qstr(failure)});
}

void WriteWhiteBoard::writeToInstrument() {
  const std::optional<WhiteBoardData> data = collect();
  if (!data) return;
  ApiResult r = API_SUCCESS;
  ui::runInstrumentCall(worker_, Text::WritingWhiteBoard, [&] { r = writeWhiteBoard(*data); });
  const Notice notice = writeWhiteBoardNotice(r);
  showNotice(this, notice);
  if (notice.kind == Notice::Information) accept();
}

void WriteWhiteBoard::spreadPaste(int field, const QString& text) {
  for (const auto& [i, piece] : pastedFieldTexts(field, ui::str(text)))
    values_[std::size_t(i)]->setText(ui::qstr(piece));
}

}  // namespace corvana
