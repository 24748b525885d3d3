#include "qt/dialogs/find_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/job.h"
#include "core/job_manager.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"
#include "qt/views/record_list_view.h"

namespace corvana {

FindResultsModel::FindResultsModel(FindResults& results, QObject* parent)
    : QAbstractTableModel(parent), results_(results) {}

int FindResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : results_.rowCount();
}

int FindResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(headings_.size());
}

QVariant FindResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= results_.rowCount()) return {};
  const std::vector<std::string>& texts = results_.row(index.row()).texts;
  const auto column = std::size_t(index.column());
  if (role == Qt::DisplayRole) return column < texts.size() ? ui::qstr(texts[column]) : QString();
  if (role == Qt::UserRole) return results_.row(index.row()).record;
  if (role == Qt::TextAlignmentRole && column < alignments_.size())
    return QVariant::fromValue(alignments_[column]);
  return {};
}

QVariant FindResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      section < int(headings_.size()))
    return ui::qstr(headings_[std::size_t(section)]);
  return {};
}

void FindResultsModel::setColumns(std::vector<std::string> headings,
                                  std::vector<Qt::Alignment> alignments) {
  beginResetModel();
  headings_ = std::move(headings);
  alignments_ = std::move(alignments);
  endResetModel();
}

void FindResultsModel::refresh() {
  beginResetModel();
  endResetModel();
}

FindDialog::FindDialog(Job* job, RecordListView* target, QWidget* parent)
    : MultiLangDialog(job,
                      target && target->list() == RecordList::Samples ? Text::FindingSample
                                                                      : Text::FindingStandard,
                      parent),
      target_(target) {
  modeList_ = new QComboBox(this);
  modeList_->setObjectName("mode");
  modeList_->addItem(ui::text(Text::ByName));
  modeList_->addItem(ui::text(Text::ByValue));
  // As wide as its longer entry in either mode: the value fields squeeze the row.
  int longest = 0;
  for (int i = 0; i < modeList_->count(); ++i)
    longest = std::max(longest, modeList_->fontMetrics().horizontalAdvance(modeList_->itemText(i)));
  // Room for the frame and the drop-down arrow beside the text.
  modeList_->setMinimumWidth(longest + 2 * modeList_->fontMetrics().height() + 16);
  modeList_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  keyword_ = new QLineEdit(this);
  keyword_->setObjectName("keyword");
  keyword_->setPlaceholderText(ui::text(Text::KeyWord));
  keyword_->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
  find_ = new QPushButton(this);
  find_->setObjectName("find");
  find_->setAutoDefault(false);
  addLabel(find_, Text::Find);

  const int fieldWidth = fontMetrics().averageCharWidth() * 9;
  const ColorSpace space = job ? job->colorSpace : CieLab;
  const std::array<Text, 3> valueNames = findValueLabels(space);
  for (std::size_t i = 0; i < 4; ++i) {
    labels_[i] = new QLabel(this);
    labels_[i]->setObjectName(QString("valueLabel%1").arg(i));
    values_[i] = new QLineEdit(this);
    values_[i]->setObjectName(QString("value%1").arg(i));
    values_[i]->setFixedWidth(fieldWidth);
    labels_[i]->setBuddy(values_[i]);
    values_[i]->installEventFilter(this);
    // The labels are symbols ("L*", "ΔE00") that read the same everywhere.
    labels_[i]->setText(
        ui::text(i < 3 ? valueNames[i] : findDifferenceLabel(job ? job->colorFormula : Cie1976)));
  }
  keyword_->installEventFilter(this);
  // Only by name in a space the search by value does not cover.
  modeList_->setEnabled(searchesByValue(space));

  model_ = new FindResultsModel(results_, this);
  list_ = new QTableView(this);
  list_->setObjectName("results");
  list_->setModel(model_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setShowGrid(true);
  list_->setWordWrap(false);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  list_->horizontalHeader()->setSectionsClickable(true);
  list_->horizontalHeader()->setSortIndicatorShown(false);
  list_->horizontalHeader()->setHighlightSections(false);
  list_->setMinimumSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 14);

  const OkCancelButtons buttons = addOkCancelButtons();
  ok_ = buttons.ok;
  cancel_ = buttons.cancel;

  auto* top = new QHBoxLayout;
  top->addWidget(modeList_);
  top->addWidget(keyword_, 1);
  for (std::size_t i = 0; i < 4; ++i) {
    top->addWidget(labels_[i]);
    top->addWidget(values_[i]);
  }
  top->addWidget(find_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons.box);

  setTabOrder(modeList_, keyword_);
  QWidget* previous = keyword_;
  for (QLineEdit* field : values_) {
    setTabOrder(previous, field);
    previous = field;
  }
  setTabOrder(previous, find_);
  setTabOrder(find_, list_);
  setTabOrder(list_, ok_);
  setTabOrder(ok_, cancel_);

  connect(modeList_, &QComboBox::currentIndexChanged, this,
          [this](int index) { setMode(index == 1 ? FindMode::ByValue : FindMode::ByName); });
  connect(find_, &QPushButton::clicked, this, &FindDialog::find);
  connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &FindDialog::headingClicked);
  connect(list_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { rowDoubleClicked(index.row()); });

  // Wide enough for the row of value fields, so changing the mode never
  // squeezes them (the keyword row is the narrower one).
  keyword_->setVisible(false);
  find_->setText(ui::text(Text::Find));  // measured with its text
  // (On the list: the dialog's own minimum is the title's.)
  list_->setMinimumWidth(std::max(list_->minimumWidth(), top->minimumSize().width()));
  setMode(FindMode::ByName);
  keyword_->setFocus();
}

void FindDialog::setMode(FindMode mode) {
  mode_ = mode;
  if (modeList_->currentIndex() != int(mode)) {
    const QSignalBlocker block(modeList_);
    modeList_->setCurrentIndex(int(mode));
  }
  const bool byValue = mode == FindMode::ByValue;
  keyword_->setVisible(!byValue);
  for (std::size_t i = 0; i < 4; ++i) {
    labels_[i]->setVisible(byValue);
    values_[i]->setVisible(byValue);
  }
  results_.clear();
  updateColumns();
}

void FindDialog::updateColumns() {
  std::vector<std::string> headings;
  std::vector<Qt::Alignment> alignments;
  std::vector<int> widths;
  if (job() && target_) {
    const RecordListRows& rows = target_->model().rows();
    headings = findHeadings(rows, *job(), mode_);
    for (std::size_t c = 0; c < headings.size(); ++c) {
      // The copied columns as the list has them; the difference like a value.
      const bool copied = mode_ == FindMode::ByName || c + 1 < headings.size();
      const ListColumn::Kind kind = copied ? rows.columns()[c].kind : ListColumn::Difference;
      const bool number = kind == ListColumn::Value || kind == ListColumn::Difference;
      alignments.push_back(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
      // The difference column is as wide as a value column, or as its heading
      // with the sort arrow needs.
      const int headingWidth = list_->fontMetrics().horizontalAdvance(ui::qstr(headings[c])) +
                               list_->style()->pixelMetric(QStyle::PM_HeaderMargin) * 4 +
                               list_->fontMetrics().height();
      widths.push_back(copied ? target_->columnWidth(int(c))
                              : std::max(target_->columnWidth(2), headingWidth));
    }
  }
  sortColumn_ = -1;
  ascending_ = true;
  list_->horizontalHeader()->setSortIndicatorShown(false);
  model_->setColumns(std::move(headings), std::move(alignments));
  for (std::size_t c = 0; c < widths.size(); ++c)
    if (widths[c] > 0) list_->setColumnWidth(int(c), widths[c]);
}

void FindDialog::find() {
  if (!job() || !target_) return;
  const RecordListRows& rows = target_->model().rows();
  sortColumn_ = -1;
  list_->horizontalHeader()->setSortIndicatorShown(false);
  if (mode_ == FindMode::ByName) {
    findByName(rows, ui::str(keyword_->text()), results_);
  } else {
    std::array<std::string, 4> fields;
    for (std::size_t i = 0; i < 4; ++i) fields[i] = ui::str(values_[i]->text());
    const int bad = findByValue(rows, *job(), fields, parametricFactors(), results_);
    if (bad >= 0) {
      model_->refresh();
      // The field gets the focus with its text selected, so typing replaces it.
      QLineEdit* field = values_[std::size_t(bad)];
      ui::showMessage(this, {QString::fromUtf8(kNotANumberTitle),
                             QString::fromUtf8(kNotANumberText), ui::MessageIcon::Stop});
      field->setFocus();
      field->selectAll();
      return;
    }
  }
  model_->refresh();
}

void FindDialog::headingClicked(int column) {
  if (column < 0 || column >= model_->columnCount()) return;
  ascending_ = column == sortColumn_ ? !ascending_ : true;
  sortColumn_ = column;
  results_.sortBy(column, ascending_);
  model_->refresh();
  QHeaderView* header = list_->horizontalHeader();
  header->setSortIndicatorShown(true);
  header->setSortIndicator(column, ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void FindDialog::rowDoubleClicked(int row) {
  if (!job() || !target_ || !results_.mark(row)) return;
  const int record = results_.row(row).record;
  // The job window follows (lists, plots); the list's marker moves with it.
  if (target_->list() == RecordList::Standards)
    job()->selectStandard(record, true);
  else
    job()->selectSample(record, true);
  model_->refresh();
}

void FindDialog::accept() {
  if (target_) {
    std::vector<int> records;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
      records.push_back(results_.row(index.row()).record);
    target_->selectRecords(records);
    int first = -1;
    for (int record : records) {
      const int row = target_->model().rows().rowOf(record);
      if (row >= 0 && (first < 0 || row < first)) first = row;
    }
    if (first >= 0) target_->scrollTo(target_->model().index(first, 0));
  }
  MultiLangDialog::accept();
}

bool FindDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the keyword or a value field runs Find, not OK.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (watched == keyword_ ||
         std::find(values_.begin(), values_.end(), watched) != values_.end())) {
      find();
      return true;
    }
  }
  return MultiLangDialog::eventFilter(watched, event);
}

}  // namespace corvana
