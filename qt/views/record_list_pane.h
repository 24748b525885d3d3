#pragma once
// A list with the line under it that says when the material filter hides
// the list's current record.
#include <QWidget>

class QLabel;

namespace corvana {

class RecordListView;

class RecordListPane : public QWidget {
  Q_OBJECT
 public:
  // Takes the view into the pane.
  explicit RecordListPane(RecordListView* view, QWidget* parent = nullptr);

  RecordListView* view() const { return view_; }
  QLabel* notice() const { return notice_; }

 private:
  void updateNotice();

  RecordListView* view_;
  QLabel* notice_;
};

}  // namespace corvana
