#include "qt/dialogs/opacity_measure_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <ctime>

#include "core/job.h"
#include "core/job_manager.h"
#include "core/naming.h"
#include "instrument/connection.h"
#include "instrument/measurement.h"
#include "qt/dialogs/naming_dialog.h"
#include "qt/instrument_worker.h"
#include "qt/main_frame.h"
#include "qt/message_box.h"
#include "qt/open_document.h"
#include "qt/print/opacity_picture.h"
#include "qt/print/opacity_print.h"
#include "qt/print/print_frame.h"
#include "qt/ui_text.h"
#include "qt/views/color_static.h"
#include "qt/views/legend_static.h"
#include "qt/views/reflectance_plot_control.h"
#include "reports/opacity/opacity_word_report.h"
#include "reports/report_files.h"
#include "reports/word_templates.h"

namespace corvana {

namespace {

constexpr std::array<OpacityBase, 2> kBases{OpacityBase::White, OpacityBase::Black};

// The swatch of an empty side: the button face, as 0x00BBGGRR.
std::uint32_t buttonFaceBgr(const QWidget& w) {
  const QColor c = w.palette().color(QPalette::Button);
  return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}

QFont opacityFont(const QFont& base) {
  QFont font = base;
  const QString face = ui::qstr(opacityFontFace(LanguageIndex));
  // The face may be missing on this desktop: the dialog's own face then.
  if (face.isEmpty())
    font.setFamilies({base.family()});
  else
    font.setFamilies({face, base.family()});
  font.setPointSize(18);
  return font;
}

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// Where an entry goes in a list sorted by text (case-insensitive, as the
// list sorts): after every entry that does not sort after it.
int sortedRow(const QComboBox& list, const QString& text) {
  int row = 0;
  while (row < list.count() && QString::compare(list.itemText(row), text, Qt::CaseInsensitive) <= 0)
    ++row;
  return row;
}

}  // namespace

OpacityMeasureDlg::OpacityMeasureDlg(Job& job, CMainFrame& main, QWidget* parent)
    : QDialog(parent), job_(job), main_(main), worker_(main.instrumentWorker()) {
  setObjectName("opacityDialog");
  setWindowTitle(ui::text(Text::OpacityMeasurement));
  for (OpacityBase base : kBases) buildSide(base);

  opacityGroup_ = new QGroupBox(ui::text(Text::Opacity), this);
  opacityLine_ = new QLabel(opacityGroup_);
  opacityLine_->setObjectName("opacityLine");
  opacityLine_->setFont(opacityFont(font()));
  opacityLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* opacityLayout = new QVBoxLayout(opacityGroup_);
  opacityLayout->addWidget(opacityLine_);

  plotGroup_ = new QGroupBox(ui::text(Text::Reflectance), this);
  plot_ = new ReflectancePlotControl(plotGroup_);
  // Two empty slots: 0 the white base, 1 the black base.
  for (OpacityBase base : kBases) plot_->setCurve(index(base), nullptr);
  plot_->setMinimumSize(360, 260);
  plot_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  auto* legends = new QHBoxLayout;
  legends->addStretch(1);
  for (OpacityBase base : kBases) {
    LegendStatic* legend = sides_[index(base)].legend;
    legends->addWidget(legend);
  }
  legends->addStretch(1);
  auto* plotLayout = new QVBoxLayout(plotGroup_);
  plotLayout->addLayout(legends);
  plotLayout->addWidget(plot_, 1);

  print_ = new QPushButton(ui::text(Text::Print), this);
  print_->setObjectName("print");
  word_ = new QPushButton(ui::text(Text::PrintToWord), this);
  word_->setObjectName("printToWord");
  exit_ = new QPushButton(ui::text(Text::Exit), this);
  exit_->setObjectName("exit");
  connect(print_, &QPushButton::clicked, this, &OpacityMeasureDlg::print);
  connect(word_, &QPushButton::clicked, this, [this] { printToWord(); });
  connect(exit_, &QPushButton::clicked, this, &QDialog::accept);

  auto* left = new QVBoxLayout;
  for (OpacityBase base : kBases) left->addWidget(sides_[index(base)].group);
  left->addWidget(opacityGroup_);
  left->addStretch(1);
  auto* body = new QHBoxLayout;
  body->addLayout(left, 0);
  // A larger dialog goes to the plot.
  body->addWidget(plotGroup_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(print_);
  buttons->addWidget(word_);
  buttons->addWidget(exit_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);

  // The white side, then the black side, then the buttons; the read-only
  // fields are clicked into for copying, not tabbed through.
  QWidget* previous = nullptr;
  for (OpacityBase base : kBases) {
    for (QWidget* w : {static_cast<QWidget*>(sides_[index(base)].list),
                       static_cast<QWidget*>(sides_[index(base)].measure)}) {
      if (previous) setTabOrder(previous, w);
      previous = w;
    }
  }
  for (QWidget* w : {print_, word_, exit_}) {
    setTabOrder(previous, w);
    previous = w;
  }

  connect(&worker_, &InstrumentWorker::busyChanged, this, &OpacityMeasureDlg::updateControls);
  updateOpacityLine();
  updateControls();
  sides_[0].list->setFocus();
}

void OpacityMeasureDlg::buildSide(OpacityBase base) {
  Side& s = sides_[index(base)];
  const OpacityBaseStyle& style = opacityBaseStyle(base);
  const QString prefix = base == OpacityBase::White ? "white" : "black";
  s.group = new QGroupBox(ui::text(style.text), this);
  s.group->setObjectName(prefix + "Group");
  s.listCaption = new QLabel(ui::text(Text::SampleName), s.group);
  s.list = new QComboBox(s.group);
  s.list->setObjectName(prefix + "Samples");
  s.list->setEditable(true);
  // Typing looks an entry up; it never adds one.
  s.list->setInsertPolicy(QComboBox::NoInsert);
  s.list->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
  s.list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  s.listCaption->setBuddy(s.list);
  s.measure = new QPushButton(ui::text(Text::Measure), s.group);
  s.measure->setObjectName(prefix + "Measure");

  // Every sample in list order, each entry at its sorted place.
  for (int p = 0; p < job_.sampleCount(); ++p) insertEntry(base, p);
  s.list->setCurrentIndex(-1);

  auto* top = new QHBoxLayout;
  top->addWidget(s.listCaption);
  top->addWidget(s.list, 1);
  top->addWidget(s.measure);

  // Three rows of pairs: the first three values, then the other two and the
  // swatch.
  const std::vector<std::string> captions = opacityValueCaptions(job_);
  const int count = int(captions.size());
  auto* grid = new QGridLayout;
  const int fieldWidth = fontMetrics().averageCharWidth() * 10;
  for (int k = 0; k < kMaxValues; ++k) {
    auto* caption = new QLabel(s.group);
    auto* field = new QLineEdit(s.group);
    caption->setObjectName(prefix + QString("Caption%1").arg(k));
    field->setObjectName(prefix + QString("Value%1").arg(k));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setMinimumWidth(fieldWidth);
    caption->setBuddy(field);
    if (k < count) {
      caption->setText(ui::qstr(captions[std::size_t(k)]));
    } else {
      caption->hide();
      field->hide();
    }
    s.captions[std::size_t(k)] = caption;
    s.values[std::size_t(k)] = field;
    const int column = k < 3 ? 0 : 2;
    grid->addWidget(caption, k % 3, column);
    grid->addWidget(field, k % 3, column + 1);
  }
  s.swatchCaption = new QLabel(ui::text(Text::ColorSimulation), s.group);
  s.swatch = new ColorStatic(s.group);
  s.swatch->setObjectName(prefix + "Swatch");
  s.swatch->setColor(buttonFaceBgr(*this));
  s.swatch->setMinimumSize(fieldWidth, fontMetrics().height() + 8);
  grid->addWidget(s.swatchCaption, 2, 2);
  grid->addWidget(s.swatch, 2, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);

  auto* layout = new QVBoxLayout(s.group);
  layout->addLayout(top);
  layout->addLayout(grid);

  s.legend = new LegendStatic(this);
  s.legend->setObjectName(prefix + "Legend");
  s.legend->setText(ui::text(style.text));
  s.legend->setPenStyle(style.penStyle);
  s.legend->setPenColor(style.bgr);
  s.legend->setPenWidth(style.penWidth);
  // The text and a line sample of 50 pixels, as on the printed picture.
  s.legend->setMinimumSize(fontMetrics().horizontalAdvance(s.legend->text()) + 50,
                           fontMetrics().height() * 3 / 2);

  connect(s.list, &QComboBox::currentIndexChanged, this,
          [this, base](int entry) { choose(base, entry); });
  // Emptying the edit field clears the side's choice.
  connect(s.list->lineEdit(), &QLineEdit::textEdited, this, [this, base](const QString& text) {
    if (text.isEmpty()) sides_[index(base)].list->setCurrentIndex(-1);
  });
  connect(s.measure, &QPushButton::clicked, this, [this, base] { measure(base); });
}

QLabel* OpacityMeasureDlg::valueCaption(OpacityBase base, int k) const {
  return sides_[index(base)].captions[std::size_t(k)];
}

QLineEdit* OpacityMeasureDlg::valueField(OpacityBase base, int k) const {
  return sides_[index(base)].values[std::size_t(k)];
}

int OpacityMeasureDlg::insertEntry(OpacityBase base, int position) {
  QComboBox* list = sides_[index(base)].list;
  const QString name = ui::qstr(job_.sample(position).nameUtf8());
  const int row = sortedRow(*list, name);
  // Placing an entry is not a choice: a shifted current entry stays chosen.
  const QSignalBlocker block(list);
  list->insertItem(row, name, position);
  return row;
}

void OpacityMeasureDlg::choose(OpacityBase base, int entry) {
  Side& s = sides_[index(base)];
  const int position = entry >= 0 ? s.list->itemData(entry).toInt() : -1;
  if (position < 0 || position >= job_.sampleCount()) {
    s.state = OpacitySide{};
    s.swatch->setColor(buttonFaceBgr(*this));
    for (QLineEdit* field : s.values) field->clear();
    plot_->setCurve(index(base), nullptr);
    updateOpacityLine();
    return;
  }
  s.state = opacitySideFor(job_, position);
  const std::vector<std::string> texts = opacityValueTexts(job_, position);
  for (std::size_t k = 0; k < s.values.size(); ++k)
    s.values[k]->setText(k < texts.size() ? ui::qstr(texts[k]) : QString());
  s.swatch->setColor(opacitySwatchBgr(job_, position).value_or(buttonFaceBgr(*this)));
  plot_->setCurve(index(base), opacityCurve(job_, position, base));
  updateOpacityLine();
  if (!s.state.hasTristimulus)
    ui::showMessage(this, {QString(), ui::text(Text::NoReflectanceForOpacity)});
}

void OpacityMeasureDlg::updateOpacityLine() {
  opacityLine_->setText(ui::qstr(corvana::opacityLine(opacity(), job_.DataAccuracy)));
}

void OpacityMeasureDlg::updateControls() {
  const bool idle = !worker_.busy();
  for (Side& s : sides_) s.measure->setEnabled(idle);
  for (QPushButton* b : {print_, word_, exit_}) b->setEnabled(idle);
}

void OpacityMeasureDlg::measure(OpacityBase base) {
  if (worker_.busy()) return;
  MeasurementNaming naming = nameForNewMeasurement(job_, RecordList::Samples);
  if (naming.needsDialog) {
    NamingDialog dialog(&job_, RecordList::Samples, NamingMode::Measurement, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The keyboard comes back here, also on a desktop without a window
    // manager to hand it back.
    activateWindow();
    // Its default page may have changed the rules and Auto Naming.
    main_.updateCommandStates();
    if (!accepted) return;
    naming.name = dialog.resultName();
    naming.material = dialog.resultMaterial();
  }
  // A port plugged in or pulled out meanwhile may be changing the connection.
  worker_.finish();
  if (!instrumentConnected()) {
    ui::showMessage(this, {QString(), ui::qstr(measurementFailure(MeasureReading{}).text)});
    return;
  }
  const std::uint32_t mode = jobManager().currentMeasurementMode;
  // The dialog does not close before the result is in (done() waits).
  worker_.run<MeasureReading>(
      Text::Measuring, [] { return readMeasurement(RecordList::Samples); },
      [self = QPointer<OpacityMeasureDlg>(this), base, naming, mode](MeasureReading reading) {
        if (!self) return;
        const Notice notice =
            addMeasurement(self->job_, RecordList::Samples, reading, naming, mode);
        if (notice.shown()) {
          ui::showMessage(self, {QString(), ui::qstr(notice.text)});
          return;
        }
        self->measured(base, self->job_.sampleCount() - 1);
      });
}

void OpacityMeasureDlg::measured(OpacityBase base, int position) {
  // Listed on this side only: the other side's list is as it was opened.
  const int row = insertEntry(base, position);
  {
    const QSignalBlocker block(sides_[index(base)].list);
    sides_[index(base)].list->setCurrentIndex(row);
  }
  choose(base, row);
}

OpacityReport OpacityMeasureDlg::report() const {
  return makeOpacityReport(job_, side(OpacityBase::White).index, side(OpacityBase::Black).index);
}

void OpacityMeasureDlg::print() {
  // What the dialog shows now; the page is made for the printer chosen.
  auto view = std::make_unique<ui::PrintView>(job_, ui::ReportKind::Opacity,
                                              ui::opacityPageSource(report(), localNow()));
  ui::PrintFrame frame(this, std::move(view));
  frame.run();
}

QString OpacityMeasureDlg::printToWord() {
  const std::filesystem::path documents = userDocumentsFolder();
  if (const auto why = ensureFolder(documents)) {
    ui::showNotWritten(this, *why);
    return {};
  }
  const std::tm now = localNow();
  const OpacityReport r = report();
  const WordReportResult result =
      writeOpacityReport(r, ui::opacityPicturePng(r), currentTemplateLocationInputs(),
                         opacityReportPath(documents, now), now);
  switch (result.status) {
    case WordReportStatus::NothingToReport: return {};
    case WordReportStatus::TemplateMissing: ui::showError(this, Text::OpenWordFailed); return {};
    case WordReportStatus::Failed: ui::showNotWritten(this, result.error); return {};
    case WordReportStatus::Saved: break;
  }
  const QString saved = ui::qstr(result.path.string());
  ui::openSavedDocument(this, saved);
  return saved;
}

void OpacityMeasureDlg::keyPressEvent(QKeyEvent* event) {
  // A focused button takes Enter itself and never passes it here.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void OpacityMeasureDlg::done(int result) {
  worker_.finish();
  QDialog::done(result);
}

}  // namespace corvana
