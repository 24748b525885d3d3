#include "qt/dialogs/input_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

InputDialog::InputDialog(Job* job, Text caption, Text prompt, const QString& initialText,
                         bool allowEmpty, QWidget* parent)
    : MultiLangDialog(job, caption, parent), allowEmpty_(allowEmpty) {
  prompt_ = new QLabel(this);
  prompt_->setObjectName("prompt");
  prompt_->setWordWrap(true);
  edit_ = new QLineEdit(initialText, this);
  edit_->setObjectName("edit");
  edit_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
  edit_->selectAll();
  prompt_->setBuddy(edit_);
  addLabel(prompt_, prompt);
  const OkCancelButtons buttons = addOkCancelButtons();
  ok_ = buttons.ok;
  cancel_ = buttons.cancel;

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(edit_);
  layout->addStretch(1);
  layout->addWidget(buttons.box);
  edit_->setFocus();
}

void InputDialog::accept() {
  const QString text = edit_->text();
  if (text.isEmpty() && !allowEmpty_) {
    ui::showMessage(this, {ui::productTitle(), ui::text(Text::EmptyInput), ui::MessageIcon::None});
    edit_->setFocus();
    return;
  }
  text_ = text;
  MultiLangDialog::accept();
}

}  // namespace corvana
