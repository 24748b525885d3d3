#pragma once
// The standard or sample list as a Qt model over RecordListRows: cells are
// formatted when drawn, so only the visible rows cost anything.
#include <QAbstractTableModel>
#include <QFont>
#include <QPalette>

#include "core/record_list_rows.h"

namespace corvana {

class RecordListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  RecordListModel(const Job& job, RecordList list, QObject* parent = nullptr);

  RecordListRows& rows() { return rows_; }
  const RecordListRows& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Everything again (conditions, filter, language).
  void rebuild();
  void appendRecord(int record);
  void recordsRemoved(const std::vector<int>& records);
  void clickHeading(int column);
  void sortByMaterial();
  void setFilter(const std::string& filter);
  // Texts changed (marker, names, grades) but not the rows.
  void refreshCells();
  // The list's palette and font: grade colours are chosen for the palette,
  // the current row is drawn in the font made bold.
  void setLook(const QPalette& palette, const QFont& font);

 private:
  RecordListRows rows_;
  QPalette palette_;
  QFont bold_;
};

}  // namespace corvana
