#include "qt/views/record_list_model.h"

#include "core/display_text.h"
#include "qt/ui_text.h"
#include "qt/views/cell_tone_colour.h"

namespace corvana {

RecordListModel::RecordListModel(const Job& job, RecordList list, QObject* parent)
    : QAbstractTableModel(parent), rows_(job, list) {
  rows_.rebuild();
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_.rowCount();
}

int RecordListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_.columnCount();
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_.rowCount()) return {};
  if (role == Qt::DisplayRole)
    return ui::qstr(elidedText(rows_.cellText(index.row(), index.column())));
  if (role == Qt::UserRole) return rows_.recordAt(index.row());
  // A name cut short in its column is read in full here.
  if (role == Qt::ToolTipRole &&
      rows_.columns()[std::size_t(index.column())].kind == ListColumn::Name)
    return ui::qstr(elidedText(rows_.cellText(index.row(), index.column())));
  if (role == Qt::TextAlignmentRole) {
    const auto kind = rows_.columns()[std::size_t(index.column())].kind;
    const bool number = kind == ListColumn::Value || kind == ListColumn::Difference;
    return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
  }
  if (role == Qt::ForegroundRole) {
    const QColor colour = toneColour(rows_.cellTone(index.row(), index.column()), palette_);
    return colour.isValid() ? QVariant(colour) : QVariant();
  }
  if (role == Qt::FontRole && rows_.isCurrentRow(index.row())) return bold_;
  return {};
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < rows_.columnCount())
    return ui::qstr(rows_.heading(section));
  return {};
}

void RecordListModel::rebuild() {
  beginResetModel();
  rows_.rebuild();
  endResetModel();
}

void RecordListModel::appendRecord(int record) {
  if (rows_.columnCount() == 0) {
    rebuild();
    return;
  }
  if (!rows_.accepts(record)) return;
  const int at = rows_.rowCount();
  beginInsertRows({}, at, at);
  rows_.appendRow(record);
  endInsertRows();
}

void RecordListModel::recordsRemoved(const std::vector<int>& records) {
  beginResetModel();
  rows_.recordsRemoved(records);
  endResetModel();
}

void RecordListModel::clickHeading(int column) {
  emit layoutAboutToBeChanged();
  rows_.clickHeading(column);
  emit layoutChanged();
  emit headerDataChanged(Qt::Horizontal, 0, rows_.columnCount() - 1);
}

void RecordListModel::sortByMaterial() {
  emit layoutAboutToBeChanged();
  rows_.sortByMaterial();
  emit layoutChanged();
  emit headerDataChanged(Qt::Horizontal, 0, rows_.columnCount() - 1);
}

void RecordListModel::setFilter(const std::string& filter) {
  beginResetModel();
  rows_.setFilter(filter);
  endResetModel();
}

void RecordListModel::setLook(const QPalette& palette, const QFont& font) {
  palette_ = palette;
  bold_ = font;
  bold_.setBold(true);
  refreshCells();
}

void RecordListModel::refreshCells() {
  if (rows_.rowCount() > 0)
    emit dataChanged(index(0, 0), index(rows_.rowCount() - 1, rows_.columnCount() - 1));
  emit headerDataChanged(Qt::Horizontal, 0, rows_.columnCount() - 1);
}

}  // namespace corvana
