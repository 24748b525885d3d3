#pragma once
// A dialog of pages on tabs with OK, Cancel and Apply. Each page validates
// and applies its own fields; the dialog remembers, per kind, the tab that
// was current when such a dialog last closed.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

#include "qt/dialogs/multi_lang_dialog.h"
#include "qt/message_box.h"

class QPushButton;
class QTabWidget;

namespace corvana {

class DialogPage : public QWidget {
  Q_OBJECT
 public:
  explicit DialogPage(Job& job, QWidget* parent = nullptr);

  // True unless the page refuses a field through refuse(); the dialog then
  // shows the page, the message and the field.
  virtual bool validate() { return true; }
  virtual void apply() = 0;

  struct Refusal {
    QPointer<QWidget> field;
    ui::Message message;
  };
  // What the last failed validate() refused.
  const Refusal& refusal() const { return refusal_; }

  bool isChanged() const { return changed_; }
  void markChanged();
  void clearChanged() { changed_ = false; }
  const std::vector<MultiLangDialog::LabelEntry>& labelEntries() const { return labels_; }
  // Any edit, selection or click in the page's fields marks it changed.
  void watchFields();

 signals:
  void changed();

 protected:
  Job& job() const { return job_; }
  void addLabel(QWidget* widget, Text text) {
    labels_.push_back({widget, text, MultiLangDialog::WindowText, 0});
  }
  // For validate(): remembers the field and its message; returns false.
  bool refuse(QWidget* field, ui::Message message);

 private:
  Job& job_;
  bool changed_ = false;
  Refusal refusal_;
  std::vector<MultiLangDialog::LabelEntry> labels_;
};

class TabbedDialog : public MultiLangDialog {
  Q_OBJECT
 public:
  // `kind` names the family of dialogs that share a remembered tab.
  TabbedDialog(Job* job, Text caption, QString kind, QWidget* parent = nullptr);

  QTabWidget* tabs() const { return tabs_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  QPushButton* applyButton() const { return apply_; }
  const std::vector<DialogPage*>& pages() const { return pages_; }

  // Validates the changed pages, then applies all; false when a page
  // refused: its tab is shown, its message given and the refused field
  // focused with its text selected, so the operator can correct it.
  bool applyPages();
  // OK: applies when Apply is enabled, then closes; stays open on a refusal.
  void accept() override;
  void done(int result) override;

  // The tab a dialog of this kind opens on; -1 when none closed yet.
  static int rememberedTab(const QString& kind);
  static void forgetRememberedTabs();

 signals:
  // After every successful apply: the job's views redraw.
  void applied();

 protected:
  // The page was filled by its constructor; filling counts as a change.
  void addPage(DialogPage* page, Text label);
  void showEvent(QShowEvent* event) override;

 private:
  // The pages were created after the buttons: put the buttons after the
  // last field, so Tab from the last field reaches OK.
  void orderButtonsAfterFields();
  // Unless the dialog chose a field: the first field of the current page.
  void focusFirstField();

  QString kind_;
  QTabWidget* tabs_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* apply_;
  std::vector<DialogPage*> pages_;
  bool tabChosen_ = false;
};

}  // namespace corvana
