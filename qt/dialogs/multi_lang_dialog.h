#pragma once
// The base of the program's dialogs: a title from a caption row, the job of
// the active job window, and controls labelled from language rows once the
// derived dialog has set itself up.
#include <QDialog>
#include <QPointer>
#include <vector>

namespace corvana {

class Job;

// A "&&" in a plain label stands for one "&"; buttons, check boxes, group
// boxes and tabs read "&&" that way themselves.
QString labelText(int row);

class MultiLangDialog : public QDialog {
  Q_OBJECT
 public:
  enum LabelKind { WindowText = 0, TabLabel = 1 };
  struct LabelEntry {
    QPointer<QWidget> widget;  // null with WindowText: the dialog itself
    int row = 0;
    LabelKind kind = WindowText;
    int tabIndex = 0;
  };

  // Without a job the dialog never shows: exec() returns -1 at once.
  MultiLangDialog(Job* job, int captionRow, QWidget* parent = nullptr);

  Job* job() const { return job_; }
  int captionRow() const { return captionRow_; }
  const std::vector<LabelEntry>& labelEntries() const { return labels_; }

  int exec() override;
  void setVisible(bool visible) override;

 protected:
  // Entries are applied in the order they were added.
  void addLabel(QWidget* widget, int row);
  void addTabLabel(QWidget* tabWidget, int tabIndex, int row);
  void addLabels(const std::vector<LabelEntry>& entries);
  // After the texts are in: the derived dialog's last word (e.g. texts that
  // depend on a label); the default does nothing.
  virtual void textsApplied() {}

 private:
  void applyTexts();

  Job* job_;
  int captionRow_;
  std::vector<LabelEntry> labels_;
  bool opened_ = false;
};

}  // namespace corvana
