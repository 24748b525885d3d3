#pragma once
// Every message box of the program goes through here, so UI tests can answer
// them without a modal loop.
#include <QMessageBox>
#include <QString>
#include <functional>

#include "core/language_table.h"

class QWidget;

namespace corvana::ui {

enum class MessageIcon { Stop, Question, Information, None };

struct Message {
  QString caption;
  QString text;
  MessageIcon icon = MessageIcon::Stop;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// Shows the message (caption: the product title unless given) and returns the
// button chosen.
QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message);
// Shorthand: a stop message of a language text with the product title.
void showError(QWidget* parent, Text text);

// Tests replace the box: the handler sees each message and picks the answer.
using MessageHandler = std::function<QMessageBox::StandardButton(const Message&)>;
void setMessageHandler(MessageHandler handler);

}  // namespace corvana::ui
