#pragma once
// The standard and sample lists: a table over RecordListModel with heading
// clicks for sorting, the material menu, double-click or Enter to make a
// record current, and Delete to delete the selection.
#include <QTableView>
#include <map>
#include <string>
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

  // Each column as wide as the user made it, or fitted to its heading and
  // content (a long name is cut short, so the numbers stay in view).
  void applyColumnWidths();
  void rebuild();
  // Widths the user set by dragging, by column key; they win over fitting.
  const std::map<std::string, int>& userWidths() const { return userWidths_; }
  void setUserWidths(std::map<std::string, int> widths);
  // The width the list is given (0: unknown); a name column too wide for it
  // is narrowed before the columns after it are pushed out of view.
  void setAvailableWidth(int width);
  // Pixels the list needs to show its columns up to and including `column`
  // (all of them for -1) at their natural widths without scrolling sideways.
  int widthThrough(int column = -1) const;
  // The material menu's actions, so a test can trigger them.
  void openMaterialMenu(const QPoint& globalPosition);
  QMenu* materialMenu() const { return menu_; }

 signals:
  void recordActivated(int record);
  // The Delete key: the job window runs the list's Delete command.
  void deleteRequested();
  void userWidthsChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void activateRow(int row);
  void headingClicked(int column);
  void chooseMaterial(const QString& material);
  // The width a column's cells and heading need, measuring at most the first rows.
  int fittedWidth(int column, int firstRow, int lastRow) const;
  void sectionResized(int column, int newSize);
  // The natural widths on the header, the name narrowed to the available width.
  void layoutColumns();

  Job& job_;
  RecordList list_;
  RecordListModel model_;
  QMenu* menu_ = nullptr;
  std::map<std::string, int> userWidths_;
  bool applyingWidths_ = false;
  int availableWidth_ = 0;
  std::vector<int> natural_;  // each column's width before any narrowing
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
