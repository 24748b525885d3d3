#include "qt/views/record_list_view.h"

#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "core/job.h"
#include "qt/ui_text.h"

namespace corvana {

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
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &RecordListView::headingClicked);
  connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) activateRow(index.row());
  });
  applyColumnWidths();
}

void RecordListView::activateRow(int row) {
  const int record = model_.rows().recordAt(row);
  if (record >= 0 && record < job_.count(list_)) emit recordActivated(record);
}

void RecordListView::keyPressEvent(QKeyEvent* event) {
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

void RecordListView::applyColumnWidths() {
  // A dialog unit is a quarter of the average character width.
  const int unit = std::max(1, fontMetrics().averageCharWidth());
  const auto& columns = model_.rows().columns();
  for (int c = 0; c < int(columns.size()); ++c) {
    const int width = columns[std::size_t(c)].widthUnits * unit / 4;
    // Never narrower than the heading, so labels are readable in every language.
    const int heading = fontMetrics().horizontalAdvance(
                            model_.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) +
                        16;
    setColumnWidth(c, std::max(width, heading));
  }
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
}

void RecordListView::openMaterialMenu(const QPoint& globalPosition) {
  delete menu_;
  menu_ = new QMenu(this);
  menu_->setObjectName("materialMenu");
  menu_->addAction(QStringLiteral("↑"), this, [this] { model_.sortByMaterial(); });
  menu_->addAction(QStringLiteral("↓"), this, [this] { model_.sortByMaterial(); });
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
