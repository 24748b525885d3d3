#include "qt/dialogs/average_measure_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/date_time_text.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "instrument/average_drawing_text.h"
#include "instrument/connection.h"
#include "qt/dialogs/average_drawing.h"
#include "qt/instrument_worker.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

AverageMeasureDialog::AverageMeasureDialog(Job* job, RecordList list, InstrumentWorker& worker,
                                           QWidget* parent)
    : MultiLangDialog(job, Text::None, parent),
      worker_(worker),
      run_(list, jobManager().currentMeasurementMode) {
  setObjectName("averageMeasureDialog");
  // Made in tab order: the count first, then the toggle, the fields, Measure, Close.
  countLabel_ = new QLabel(labelText(Text::AverageTimes), this);
  count_ = new QComboBox(this);
  count_->setObjectName("count");
  count_->addItem(ui::text(Text::Manually));
  for (int n = 1; n <= kMaxAverageCount; ++n) count_->addItem(QString::number(n));
  count_->setCurrentIndex(0);
  countLabel_->setBuddy(count_);
  toggle_ = new QPushButton(this);
  toggle_->setObjectName("toggle");
  nameLabel_ = new QLabel(labelText(Text::Name), this);
  name_ = new QLineEdit(this);
  name_->setObjectName("name");
  nameLabel_->setBuddy(name_);
  materialLabel_ = new QLabel(labelText(Text::Material), this);
  material_ = new QLineEdit(this);
  material_->setObjectName("material");
  materialLabel_->setBuddy(material_);
  if (job) {
    name_->setText(ui::qstr(averageNameTemplate(*job, list)));
    material_->setText(ui::qstr(averageMaterial(*job, list)));
    drawing_ = new AverageDrawing(*job, list, this);
  }
  measure_ = new QPushButton(ui::text(Text::Measure), this);
  measure_->setObjectName("measure");
  close_ = new QPushButton(ui::text(Text::Close), this);
  close_->setObjectName("close");
  // Enter measures, wherever the focus is; Esc closes.
  measure_->setDefault(true);
  toggle_->setAutoDefault(false);
  close_->setAutoDefault(false);
  setTabOrder(count_, toggle_);
  setTabOrder(toggle_, name_);
  setTabOrder(name_, material_);
  setTabOrder(material_, measure_);
  setTabOrder(measure_, close_);

  connect(count_, &QComboBox::currentIndexChanged, this, &AverageMeasureDialog::chooseCount);
  connect(toggle_, &QPushButton::clicked, this, &AverageMeasureDialog::toggle);
  connect(measure_, &QPushButton::clicked, this, &AverageMeasureDialog::measure);
  connect(close_, &QPushButton::clicked, this, &AverageMeasureDialog::reject);
  connect(&worker_, &InstrumentWorker::busyChanged, this, &AverageMeasureDialog::updateControls);

  auto* fields = new QGridLayout;
  fields->addWidget(countLabel_, 0, 0);
  fields->addWidget(count_, 0, 1);
  fields->addWidget(toggle_, 0, 3);
  fields->addWidget(nameLabel_, 1, 0);
  fields->addWidget(name_, 1, 1);
  fields->addWidget(materialLabel_, 1, 2);
  fields->addWidget(material_, 1, 3);
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(3, 1);
  // Room for a template or material of a few words.
  name_->setMinimumWidth(fontMetrics().averageCharWidth() * 18);
  material_->setMinimumWidth(fontMetrics().averageCharWidth() * 18);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(measure_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  if (drawing_) layout->addWidget(drawing_, 1);
  layout->addLayout(buttons);

  updateControls();
  count_->setFocus();
}

void AverageMeasureDialog::textsApplied() {
  const Text list = run_.list() == RecordList::Standards ? Text::Standard : Text::Sample;
  setWindowTitle(labelText(list) + QLatin1Char(' ') + labelText(Text::AverageMeasure));
}

void AverageMeasureDialog::updateControls() {
  const bool idle = !worker_.busy();
  count_->setEnabled(idle);
  toggle_->setText(ui::text(run_.toggleText()));
  toggle_->setEnabled(idle && run_.toggleEnabled());
  measure_->setEnabled(idle && run_.measureEnabled());
  close_->setEnabled(idle);
}

void AverageMeasureDialog::redraw() {
  if (drawing_) drawing_->setText(averageDrawingText(*job(), run_));
}

void AverageMeasureDialog::chooseCount(int index) {
  run_.chooseTarget(index);
  updateControls();
  redraw();
}

void AverageMeasureDialog::toggle() {
  if (run_.toggle() == AverageRun::ToggleResult::Finished) finish();
  updateControls();
  redraw();
  (measure_->isEnabled() ? measure_ : toggle_)->setFocus();
}

void AverageMeasureDialog::measure() {
  if (!job() || worker_.busy()) return;
  // A completed fixed run starts again here: its values go.
  const bool wanted = run_.beginMeasure();
  redraw();
  if (!wanted) return;
  if (!instrumentConnected()) {
    ui::showMessage(this, {QString(), ui::qstr(measurementFailure(MeasureReading{}).text)});
    return;
  }
  const RecordList list = run_.list();
  worker_.run<MeasureReading>(
      Text::Measuring, [list] { return readMeasurement(list); },
      [self = QPointer<AverageMeasureDialog>(this)](MeasureReading reading) {
        if (self) self->measured(reading);
      });
}

void AverageMeasureDialog::measured(const MeasureReading& reading) {
  if (const Notice failure = measurementFailure(reading); failure.shown()) {
    // Not counted: the run goes on with the next press.
    ui::showMessage(this, {QString(), ui::qstr(failure.text)});
  } else if (run_.addMeasurement(reading.values)) {
    finish();
  }
  updateControls();
  redraw();
  if (measure_->isEnabled()) measure_->setFocus();
}

void AverageMeasureDialog::finish() {
  if (finishAverage(*job(), run_, ui::str(name_->text()), ui::str(material_->text()),
                    currentLocalTime()))
    emit recordAdded();
}

void AverageMeasureDialog::reject() {
  worker_.finish();
  MultiLangDialog::reject();
}

}  // namespace corvana
