#pragma once
// The base of the program's dialogs: a title from a caption text, the job of
// the active job window, and controls labelled from language texts once the
// derived dialog has set itself up.
#include <QDialog>
#include <QPointer>
#include <vector>

#include "core/language_table.h"

class QDialogButtonBox;
class QPushButton;

namespace corvana {

class Job;

// A "&&" in a plain label stands for one "&"; buttons, check boxes, group
// boxes and tabs read "&&" that way themselves.
QString labelText(Text text);

class MultiLangDialog : public QDialog {
  Q_OBJECT
 public:
  enum LabelKind { WindowText = 0, TabLabel = 1 };
  struct LabelEntry {
    QPointer<QWidget> widget;  // null with WindowText: the dialog itself
    Text text = Text::None;
    LabelKind kind = WindowText;
    int tabIndex = 0;
  };

  // Without a job the dialog never shows: exec() returns -1 at once.
  MultiLangDialog(Job* job, Text caption, QWidget* parent = nullptr);

  Job* job() const { return job_; }
  Text caption() const { return caption_; }
  const std::vector<LabelEntry>& labelEntries() const { return labels_; }

  int exec() override;
  void setVisible(bool visible) override;

 protected:
  // Entries are applied in the order they were added.
  void addLabel(QWidget* widget, Text text);
  void addTabLabel(QWidget* tabWidget, int tabIndex, Text text);
  void addLabels(const std::vector<LabelEntry>& entries);

  struct OkCancelButtons {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
  };
  // The OK / Cancel pair of a dialog, in a button box for its layout: "OK"
  // and "Cancel" from the table, object names "ok" and "cancel", OK the
  // default button; they run accept() and reject().
  OkCancelButtons addOkCancelButtons();

  // After the texts are in: the derived dialog's last word (e.g. texts that
  // depend on a label); the default does nothing.
  virtual void textsApplied() {}

 private:
  void applyTexts();
  // No narrower than the title needs, so it is never elided.
  void fitTitle();

  Job* job_;
  Text caption_;
  std::vector<LabelEntry> labels_;
  bool opened_ = false;
};

}  // namespace corvana
