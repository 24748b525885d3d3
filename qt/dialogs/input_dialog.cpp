#include "qt/dialogs/input_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

InputDialog::InputDialog(Job* job, Text caption, Text prompt, const QString& initialText, bool allowEmpty,
                         QWidget* parent)
    : MultiLangDialog(job, caption, parent), allowEmpty_(allowEmpty) {
  prompt_ = new QLabel(this);
  prompt_->setObjectName("prompt");
  prompt_->setWordWrap(true);
  edit_ = new QLineEdit(initialText, this);
  edit_->setObjectName("edit");
  edit_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
  edit_->selectAll();
  prompt_->setBuddy(edit_);
  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QDialogButtonBox::Ok);
  cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
  ok_->setObjectName("ok");
  cancel_->setObjectName("cancel");
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &InputDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &InputDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(edit_);
  layout->addStretch(1);
  layout->addWidget(buttons);
  edit_->setFocus();

  addLabel(prompt_, prompt);
  addLabel(ok_, Text::Ok);
  addLabel(cancel_, Text::Cancel);
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
