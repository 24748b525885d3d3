#pragma once
// The one-line input dialog: a prompt, an edit with the initial text all
// selected, and optionally a refusal of empty input.
#include <QString>

#include "qt/dialogs/multi_lang_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvana {

class InputDialog : public MultiLangDialog {
  Q_OBJECT
 public:
  // Text::None as the caption gives the product title.
  InputDialog(Job* job, Text caption, Text prompt, const QString& initialText, bool allowEmpty,
              QWidget* parent = nullptr);

  // After OK: the text typed.
  QString text() const { return text_; }
  QLineEdit* edit() const { return edit_; }

  void accept() override;

 private:
  QLabel* prompt_;
  QLineEdit* edit_;
  QPushButton* ok_;
  QPushButton* cancel_;
  bool allowEmpty_;
  QString text_;
};

}  // namespace corvana
