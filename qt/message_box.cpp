#include "qt/message_box.h"

#include <QAbstractButton>

#include "qt/ui_text.h"

namespace corvana::ui {

namespace {
MessageHandler& handler() {
  static MessageHandler h;
  return h;
}

QMessageBox::Icon iconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

QMessageBox::StandardButton showMessage(QWidget* parent, const Message& m) {
  Message message = m;
  if (message.caption.isEmpty()) message.caption = productTitle();
  if (handler()) return handler()(message);
  QMessageBox box(iconOf(message.icon), message.caption, message.text, message.buttons, parent);
  for (const auto& [button, label] : message.labels)
    if (QAbstractButton* b = box.button(button)) b->setText(label);
  if (message.defaultButton != QMessageBox::NoButton) box.setDefaultButton(message.defaultButton);
  if (message.escapeButton != QMessageBox::NoButton) box.setEscapeButton(message.escapeButton);
  return QMessageBox::StandardButton(box.exec());
}

void showError(QWidget* parent, Text text) { showMessage(parent, {QString(), ui::text(text)}); }

void setMessageHandler(MessageHandler h) { handler() = std::move(h); }

}  // namespace corvana::ui
