#pragma once
// Standard > Find and Sample > Find: records of one list by a part of the
// name or by closeness to a typed colour. The hits are the list's own rows;
// a double-click makes one current, OK selects them in the list.
#include <QAbstractTableModel>
#include <array>
#include <string>
#include <vector>

#include "core/find.h"
#include "qt/dialogs/multi_lang_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace corvana {

class RecordListView;

// The result list's rows as a table model; the dialog sorts and marks them.
class FindResultsModel : public QAbstractTableModel {
 public:
  explicit FindResultsModel(FindResults& results, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // New headings and alignments: the rows go.
  void setColumns(std::vector<std::string> headings, std::vector<Qt::Alignment> alignments);
  // The results were refilled, sorted or re-marked.
  void refresh();

 private:
  FindResults& results_;
  std::vector<std::string> headings_;
  std::vector<Qt::Alignment> alignments_;
};

class FindDialog : public MultiLangDialog {
  Q_OBJECT
 public:
  // On the job's standard or sample list, whichever `target` shows.
  FindDialog(Job* job, RecordListView* target, QWidget* parent = nullptr);

  FindMode mode() const { return mode_; }
  void setMode(FindMode mode);
  // Runs Find as the button does.
  void find();

  QComboBox* modeList() const { return modeList_; }
  QLineEdit* keywordField() const { return keyword_; }
  // 0..2 the three values, 3 the largest difference.
  QLineEdit* valueField(int i) const { return values_[std::size_t(i)]; }
  QLabel* valueLabel(int i) const { return labels_[std::size_t(i)]; }
  QPushButton* findButton() const { return find_; }
  QTableView* resultList() const { return list_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  const FindResults& results() const { return results_; }

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void headingClicked(int column);
  void rowDoubleClicked(int row);
  void updateColumns();

  RecordListView* target_;
  FindMode mode_ = FindMode::ByName;
  FindResults results_;
  FindResultsModel* model_ = nullptr;
  QComboBox* modeList_ = nullptr;
  QLineEdit* keyword_ = nullptr;
  std::array<QLabel*, 4> labels_{};
  std::array<QLineEdit*, 4> values_{};
  QPushButton* find_ = nullptr;
  QTableView* list_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  int sortColumn_ = -1;
  bool ascending_ = true;
};

}  // namespace corvana
