#include "qt/views/record_list_view.h"

#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <algorithm>

#include "core/job.h"
#include "core/list_layout_setting.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
// Fitting reads this many rows at most, so a large job opens at once.
constexpr int kMeasuredRows = 1000;
// A long name is cut to about this many average characters.
constexpr int kNameChars = 18;
// ... and to this many when the list is short of room.
constexpr int kShortNameChars = 8;
}  // namespace

RecordListView::RecordListView(Job& job, RecordList list, QWidget* parent)
    : QTableView(parent), job_(job), list_(list), model_(job, list, this) {
  setModel(&model_);
  setObjectName(list == RecordList::Standards ? "standardList" : "sampleList");
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setShowGrid(true);
  setWordWrap(false);
  setSortingEnabled(false);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The style's minimum is the font's widest glyph (a CJK one), far wider
  // than a number column needs.
  horizontalHeader()->setMinimumSectionSize(3 * std::max(1, fontMetrics().averageCharWidth()));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &RecordListView::headingClicked);
  connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) activateRow(index.row());
  });
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int newSize) { sectionResized(column, newSize); });
  // The header lays its sections out again on a reset; those are not the user's widths.
  connect(&model_, &QAbstractItemModel::modelAboutToBeReset, this,
          [this] { applyingWidths_ = true; });
  connect(&model_, &QAbstractItemModel::modelReset, this, [this] { applyingWidths_ = false; });
  connect(&model_, &QAbstractItemModel::rowsInserted, this,
          [this](const QModelIndex&, int first, int last) {
            const auto& columns = model_.rows().columns();
            if (natural_.size() != columns.size()) return applyColumnWidths();
            for (int c = 0; c < int(columns.size()); ++c)
              if (!userWidths_.contains(columnKey(columns[std::size_t(c)])))
                natural_[std::size_t(c)] =
                    std::max(natural_[std::size_t(c)], fittedWidth(c, first, last));
            layoutColumns();
          });
  model_.setLook(palette(), font());
  applyColumnWidths();
}

void RecordListView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
      event->type() == QEvent::StyleChange)
    model_.setLook(palette(), font());
}

void RecordListView::activateRow(int row) {
  const int record = model_.rows().recordAt(row);
  if (record >= 0 && record < job_.count(list_)) emit recordActivated(record);
}

void RecordListView::keyPressEvent(QKeyEvent* event) {
  // Delete, on the main keys or the keypad, as the list's Delete command.
  if (event->key() == Qt::Key_Delete &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    emit deleteRequested();
    event->accept();
    return;
  }
  // Enter does what a double-click does; the base class only emits
  // activated(), which single-click styles also emit on a plain click.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    int row = -1;
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), QModelIndex()))
      row = current.row();
    else if (const auto rows = selectionModel()->selectedRows(); !rows.isEmpty())
      row = rows.front().row();
    if (row >= 0) activateRow(row);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

int RecordListView::fittedWidth(int column, int firstRow, int lastRow) const {
  const ListColumn& c = model_.rows().columns()[std::size_t(column)];
  const QString heading = model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  const int headerMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 6;
  int width = horizontalHeader()->fontMetrics().horizontalAdvance(heading) + headerMargin;
  // The current row is drawn bold, so it is measured so.
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics metrics = fontMetrics(), boldMetrics(bold);
  const int cellMargin =
      2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
  if (c.kind == ListColumn::Value || c.kind == ListColumn::Difference) {
    // Room for a typical value even before there is one, so columns do not jump.
    const QString typical = "-00." + QString(int(job_.DataAccuracy), QLatin1Char('0'));
    width = std::max(width, metrics.horizontalAdvance(typical) + cellMargin);
  }
  const RecordListRows& rows = model_.rows();
  int cells = 0;
  for (int r = std::max(0, firstRow); r <= std::min(lastRow, rows.rowCount() - 1); ++r)
    cells = std::max(cells, (rows.isCurrentRow(r) ? boldMetrics : metrics)
                                .horizontalAdvance(ui::qstr(rows.cellText(r, column))));
  if (c.kind == ListColumn::Name)
    cells = std::min(cells, kNameChars * std::max(1, metrics.averageCharWidth()));
  return std::max(width, cells + cellMargin);
}

void RecordListView::applyColumnWidths() {
  const auto& columns = model_.rows().columns();
  const int measured = std::min(model_.rows().rowCount(), kMeasuredRows);
  natural_.assign(columns.size(), 0);
  for (int c = 0; c < int(columns.size()); ++c) {
    const auto user = userWidths_.find(columnKey(columns[std::size_t(c)]));
    natural_[std::size_t(c)] =
        user != userWidths_.end() ? user->second : fittedWidth(c, 0, measured - 1);
  }
  layoutColumns();
}

void RecordListView::layoutColumns() {
  applyingWidths_ = true;
  for (int c = 0; c < int(natural_.size()); ++c) setColumnWidth(c, natural_[std::size_t(c)]);
  // Short of room, the name gives way so that the numbers and the grade stay in view.
  const int name = 1;
  const int over = widthThrough(model_.columnCount() - 2) - availableWidth_;
  const auto& columns = model_.rows().columns();
  if (availableWidth_ > 0 && over > 0 && int(columns.size()) > name &&
      !userWidths_.contains(columnKey(columns[name]))) {
    const int least = kShortNameChars * std::max(1, fontMetrics().averageCharWidth());
    const int natural = natural_[name];
    setColumnWidth(name, std::max(std::min(least, natural), natural - over));
  }
  applyingWidths_ = false;
}

void RecordListView::setAvailableWidth(int width) {
  if (width == availableWidth_) return;
  availableWidth_ = width;
  layoutColumns();
}

void RecordListView::setUserWidths(std::map<std::string, int> widths) {
  userWidths_ = std::move(widths);
  applyColumnWidths();
}

void RecordListView::sectionResized(int column, int newSize) {
  if (applyingWidths_ || column < 0 || column >= model_.rows().columnCount()) return;
  userWidths_[columnKey(model_.rows().columns()[std::size_t(column)])] = newSize;
  if (std::size_t(column) < natural_.size()) natural_[std::size_t(column)] = newSize;
  emit userWidthsChanged();
}

int RecordListView::widthThrough(int column) const {
  const int last =
      column < 0 ? model_.columnCount() - 1 : std::min(column, model_.columnCount() - 1);
  int width = 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  for (int c = 0; c <= last && c < int(natural_.size()); ++c) width += natural_[std::size_t(c)];
  return width;
}

void RecordListView::rebuild() {
  model_.rebuild();
  applyColumnWidths();
}

std::vector<int> RecordListView::selectedRecords(bool descending) const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  if (descending) std::reverse(rows.begin(), rows.end());
  std::vector<int> records;
  for (int r : rows) records.push_back(model_.rows().recordAt(r));
  return records;
}

void RecordListView::selectRecords(const std::vector<int>& records) {
  clearSelection();
  for (int record : records) {
    const int row = model_.rows().rowOf(record);
    if (row >= 0)
      selectionModel()->select(model_.index(row, 0),
                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

void RecordListView::headingClicked(int column) {
  if (column == model_.columnCount() - 1) {
    openMaterialMenu(QCursor::pos());
    return;
  }
  model_.clickHeading(column);
  applyColumnWidths();  // the arrows need room
}

void RecordListView::openMaterialMenu(const QPoint& globalPosition) {
  delete menu_;
  menu_ = new QMenu(this);
  menu_->setObjectName("materialMenu");
  const auto sortByMaterial = [this] {
    model_.sortByMaterial();
    applyColumnWidths();
  };
  menu_->addAction(QStringLiteral("↑"), this, sortByMaterial);
  menu_->addAction(QStringLiteral("↓"), this, sortByMaterial);
  menu_->addSeparator();
  const std::string& filter = model_.rows().filter();
  QAction* all = menu_->addAction(ui::text(Text::AllMaterials), this,
                                  [this] { chooseMaterial(QString::fromLatin1(kAllMaterials)); });
  all->setCheckable(true);
  all->setChecked(!model_.rows().filtering());
  for (const std::string& m : model_.rows().materials()) {
    const QString label = m.empty() ? ui::text(Text::NoMaterial) : ui::qstr(m);
    QAction* a = menu_->addAction(label, this, [this, m] { chooseMaterial(ui::qstr(m)); });
    a->setCheckable(true);
    a->setChecked(model_.rows().filtering() && filter == m);
  }
  if (!globalPosition.isNull()) menu_->popup(globalPosition);
}

void RecordListView::chooseMaterial(const QString& material) {
  model_.setFilter(ui::str(material));
  applyColumnWidths();
}

}  // namespace corvana
