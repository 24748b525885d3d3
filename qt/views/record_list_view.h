#pragma once
// The standard and sample lists: a table over RecordListModel with heading
// clicks for sorting, the material menu, and double-click or Enter to make a
// record current.
#include <QTableView>
#include <vector>

#include "qt/views/record_list_model.h"

namespace corvana {

class RecordListView : public QTableView {
  Q_OBJECT
 public:
  RecordListView(Job& job, RecordList list, QWidget* parent = nullptr);

  RecordListModel& model() { return model_; }
  RecordList list() const { return list_; }

  // Record indices of the selected rows, in row order (descending: last row first).
  std::vector<int> selectedRecords(bool descending = false) const;
  void selectRecords(const std::vector<int>& records);

  // Column widths follow the list's columns in dialog units.
  void applyColumnWidths();
  void rebuild();
  // The material menu's actions, so a test can trigger them.
  void openMaterialMenu(const QPoint& globalPosition);
  QMenu* materialMenu() const { return menu_; }

 signals:
  void recordActivated(int record);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void activateRow(int row);
  void headingClicked(int column);
  void chooseMaterial(const QString& material);

  Job& job_;
  RecordList list_;
  RecordListModel model_;
  QMenu* menu_ = nullptr;
};

// The two lists under the names the job window uses.
class StandardView : public RecordListView {
  Q_OBJECT
 public:
  explicit StandardView(Job& job, QWidget* parent = nullptr)
      : RecordListView(job, RecordList::Standards, parent) {}
};

class SampleView : public RecordListView {
  Q_OBJECT
 public:
  explicit SampleView(Job& job, QWidget* parent = nullptr)
      : RecordListView(job, RecordList::Samples, parent) {}
};

}  // namespace corvana
