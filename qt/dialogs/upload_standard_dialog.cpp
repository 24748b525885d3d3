#include "qt/dialogs/upload_standard_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <variant>

#include "core/date_time_text.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
// Three labelled fields in a row: "L" "a" "b" or "X" "Y" "Z".
std::array<QLineEdit*, 3> valueRow(QWidget* parent, QGridLayout* grid, int row,
                                   const std::array<const char*, 3>& names) {
  std::array<QLineEdit*, 3> fields{};
  for (int i = 0; i < 3; ++i) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(names[std::size_t(i)]));
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-0000.000")));
    auto* label = new QLabel(QString::fromLatin1(names[std::size_t(i)]), parent);
    label->setBuddy(field);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, 2 * i);
    grid->addWidget(field, row, 2 * i + 1);
    grid->setColumnStretch(2 * i + 1, 1);
    fields[std::size_t(i)] = field;
  }
  return fields;
}

std::string fieldText(const QLineEdit* field) { return ui::str(field->text()); }
}  // namespace

UploadStandardDialog::UploadStandardDialog(Job* job, QWidget* parent)
    : MultiLangDialog(job, Text::ProductTitle, parent) {
  if (!job) return;
  setObjectName("uploadStandardDialog");

  auto* modeLabel = new QLabel(this);
  mode_ = new QComboBox(this);
  mode_->setObjectName("mode");
  mode_->addItem(ui::text(Text::LabMode));
  mode_->addItem(ui::text(Text::XyzMode));
  mode_->addItem(ui::text(Text::Reflectance));
  modeLabel->setBuddy(mode_);
  addLabel(modeLabel, Text::Mode);

  auto* values = new QGridLayout;
  lab_ = valueRow(this, values, 0, {"L", "a", "b"});
  xyz_ = valueRow(this, values, 1, {"X", "Y", "Z"});

  reflectance_ = makeWavelengthFields(this, QStringLiteral("reflectance"),
                                      [](QWidget* parent) { return new QLineEdit(parent); });
  addLabel(reflectance_.group, Text::Reflectance);

  auto* nameLabel = new QLabel(this);
  name_ = new QLineEdit(ui::qstr(job->StandardNameRule1 + job->StandardNameRule2), this);
  name_->setObjectName("name");
  nameLabel->setBuddy(name_);
  addLabel(nameLabel, Text::Name);
  auto* materialLabel = new QLabel(this);
  material_ = new QLineEdit(ui::qstr(job->StandardMaterial), this);
  material_->setObjectName("material");
  materialLabel->setBuddy(material_);
  addLabel(materialLabel, Text::Material);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 32);

  condition_ = new QLabel(ui::qstr(handEntryConditionLine(*job)), this);
  condition_->setObjectName("condition");
  condition_->setTextFormat(Qt::PlainText);

  ok_ = new QPushButton(this);
  ok_->setObjectName("ok");
  ok_->setDefault(true);
  close_ = new QPushButton(this);
  close_->setObjectName("close");
  addLabel(ok_, Text::Ok);
  addLabel(close_, Text::Close);
  connect(ok_, &QPushButton::clicked, this, &UploadStandardDialog::accept);
  connect(close_, &QPushButton::clicked, this, &UploadStandardDialog::reject);

  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(modeLabel);
  modeRow->addWidget(mode_);
  modeRow->addStretch(1);
  auto* names = new QFormLayout;
  names->addRow(nameLabel, name_);
  names->addRow(materialLabel, material_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(condition_, 1);
  buttons->addWidget(ok_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(modeRow);
  layout->addLayout(values);
  layout->addWidget(reflectance_.group);
  layout->addLayout(names);
  layout->addLayout(buttons);

  // Top to bottom; the fields of the other modes are disabled and skipped.
  QWidget* order[] = {mode_, lab_[0], lab_[1], lab_[2], xyz_[0], xyz_[1], xyz_[2]};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  setTabOrder(xyz_[2], reflectance_.fields.front());
  setTabOrder(reflectance_.fields.back(), name_);
  setTabOrder(name_, material_);
  setTabOrder(material_, ok_);
  setTabOrder(ok_, close_);

  connect(mode_, &QComboBox::currentIndexChanged, this, &UploadStandardDialog::enableModeFields);
  enableModeFields();
  mode_->setFocus();
}

HandEntryMode UploadStandardDialog::mode() const {
  return static_cast<HandEntryMode>(mode_->currentIndex());
}

void UploadStandardDialog::setMode(HandEntryMode mode) { mode_->setCurrentIndex(int(mode)); }

void UploadStandardDialog::enableModeFields() {
  const HandEntryMode m = mode();
  for (QLineEdit* f : lab_) f->setEnabled(m == HandEntryMode::Lab);
  for (QLineEdit* f : xyz_) f->setEnabled(m == HandEntryMode::Xyz);
  reflectance_.group->setEnabled(m == HandEntryMode::Reflectance);
}

HandEntryFields UploadStandardDialog::fields() const {
  HandEntryFields f;
  f.mode = mode();
  for (std::size_t i = 0; i < 3; ++i) {
    f.lab[i] = fieldText(lab_[i]);
    f.xyz[i] = fieldText(xyz_[i]);
  }
  for (std::size_t i = 0; i < f.reflectance.size(); ++i)
    f.reflectance[i] = fieldText(reflectance_.fields[i]);
  f.name = fieldText(name_);
  f.material = fieldText(material_);
  return f;
}

void UploadStandardDialog::accept() {
  const HandEntryFields f = fields();
  const std::string message =
      enterStandardByHand(*job(), f, jobManager().currentMeasurementMode, currentLocalTime());
  if (message.empty()) {
    MultiLangDialog::accept();
    return;
  }
  ui::showMessage(this, {ui::productTitle(), ui::qstr(message)});
  if (const int wrong = firstWrongReflectanceField(f); wrong >= 0) {
    QLineEdit* field = reflectance_.fields[std::size_t(wrong)];
    field->setFocus();
    field->selectAll();
  }
}

}  // namespace corvana
